#include "platform/desktop_entry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "support/temp_dir.h"
#include "support/xdg_sandbox.h"

namespace tunelot {
namespace {

using testing::TempDir;
using testing::WriteFile;
using Arguments = std::vector<std::string>;

TEST(DesktopEntryTest, ReadsAnApplication) {
  TempDir dir;
  WriteFile(dir / "player.desktop",
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=Music\\sPlayer\n"
            "Exec=player --play %U\n"
            "TryExec=player\n"
            "Icon=player-icon\n"
            "MimeType=audio/mpeg;audio/x-weird\\;type;\n"
            "NoDisplay=true\n");
  const std::optional<DesktopApp> app = ReadDesktopEntry(dir / "player.desktop", "player.desktop");
  ASSERT_TRUE(app);
  EXPECT_EQ(app->id, "player.desktop");
  EXPECT_EQ(app->file, dir / "player.desktop");
  EXPECT_EQ(app->name, "Music Player");
  EXPECT_EQ(app->exec, "player --play %U");
  EXPECT_EQ(app->tryExec, "player");
  EXPECT_EQ(app->icon, "player-icon");
  EXPECT_EQ(app->mimeTypes, (std::vector<std::string>{"audio/mpeg", "audio/x-weird;type"}));
  EXPECT_TRUE(app->noDisplay);
  EXPECT_FALSE(app->hidden);
}

TEST(DesktopEntryTest, RefusesWhatIsNoApplication) {
  TempDir dir;
  const char* const files[] = {
      "[Desktop Entry]\nType=Link\nName=Web\nURL=https://example.org\nExec=x\n",
      "[Desktop Entry]\nType=Application\nName=No command\n",
      "[Desktop Entry]\nName=No type\nExec=x\n",
      "[Other Group]\nType=Application\nExec=x\n",
  };
  for (const char* content : files) {
    SCOPED_TRACE(content);
    WriteFile(dir / "x.desktop", content);
    EXPECT_FALSE(ReadDesktopEntry(dir / "x.desktop", "x.desktop"));
  }
}

TEST(DesktopEntryTest, AHiddenEntryIsReadAsHidden) {
  TempDir dir;
  WriteFile(dir / "gone.desktop", "[Desktop Entry]\nHidden=true\n");
  const std::optional<DesktopApp> app = ReadDesktopEntry(dir / "gone.desktop", "gone.desktop");
  ASSERT_TRUE(app);
  EXPECT_TRUE(app->hidden);
  EXPECT_FALSE(IsUsable(*app));
}

TEST(DesktopEntryTest, ExecBecomesArgumentsForTheFile) {
  DesktopApp app;
  app.name = "Player";
  app.icon = "player-icon";
  app.file = "/apps/player.desktop";
  const std::string path = " /music/My Song.mp3";  // kept exactly, blanks and all
  struct Case {
    const char* exec;
    Arguments arguments;
  };
  const Case cases[] = {
      {"player %f", {"player", path}},
      {"player --play %F", {"player", "--play", path}},
      {"player %u", {"player", path}},
      {"player   %U  ", {"player", path}},
      {"player", {"player", path}},
      {"player --file=%f", {"player", "--file=" + path}},
      {"\"/opt/My Player/run\" %f", {"/opt/My Player/run", path}},
      {"run \"say \\\"hi\\\" \\$HOME \\` \\\\ ok\" %f", {"run", "say \"hi\" $HOME ` \\ ok", path}},
      {"run \"\" %f", {"run", "", path}},
      {"player %i %f", {"player", "--icon", "player-icon", path}},
      {"player --name %c --from %k %f", {"player", "--name", "Player", "--from", app.file, path}},
      {"player 100%% %f", {"player", "100%", path}},
      {"player %d %D %n %N %v %m %f", {"player", path}},
      {"player \"open quote %f", {}},
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exec);
    app.exec = c.exec;
    EXPECT_EQ(ExecArguments(app, path), c.arguments);
  }
  app.icon.clear();
  app.exec = "player %i %f";
  EXPECT_EQ(ExecArguments(app, path), (Arguments{"player", path}));
}

TEST(DesktopEntryTest, ProgramProblemNamesTheReason) {
  TempDir dir;
  testing::ScopedEnvironment env;
  env.Set("PATH", dir / "bin");
  WriteFile(dir / "bin/runnable", "#!/bin/sh\n");
  chmod((dir / "bin/runnable").c_str(), 0755);
  WriteFile(dir / "bin/plain", "not a program");
  chmod((dir / "bin/plain").c_str(), 0644);
  struct Case {
    std::string program;
    int problem;
  };
  const Case cases[] = {
      {"runnable", 0},
      {dir / "bin/runnable", 0},
      {"/bin/sh", 0},
      {"sh", ENOENT},  // not in this PATH
      {"plain", EACCES},
      {dir / "bin/plain", EACCES},
      {dir / "bin", EACCES},
      {dir / "bin/runnable/below", ENOTDIR},
      {dir / "missing/run", ENOENT},
      {"", ENOENT},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    EXPECT_EQ(ProgramProblem(c.program), c.problem);
  }
}

TEST(DesktopEntryTest, TryExecDecidesWhetherTheAppIsUsable) {
  DesktopApp app;
  app.exec = "whatever";
  EXPECT_TRUE(IsUsable(app));
  app.tryExec = "/bin/sh";
  EXPECT_TRUE(IsUsable(app));
  app.tryExec = "/no/such/program";
  EXPECT_FALSE(IsUsable(app));
}

}  // namespace
}  // namespace tunelot
