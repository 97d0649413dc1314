#include "platform/desktop_apps.h"

#include <gtest/gtest.h>

#include "support/xdg_sandbox.h"

namespace tunelot {
namespace {

using testing::WriteFile;
using testing::XdgSandbox;

std::string App(const std::string& name, const std::string& mimeTypes = {},
                const std::string& more = {}) {
  return "Type=Application\nName=" + name + "\nExec=/bin/true %f\nMimeType=" + mimeTypes + "\n" +
         more;
}

std::optional<std::string> AssociatedId(const std::string& path) {
  const std::optional<DesktopApp> app = AssociatedApp(XdgDirs::FromEnvironment(), path);
  return app ? std::optional<std::string>(app->id) : std::nullopt;
}

std::vector<std::string> Ids(const std::vector<DesktopApp>& apps) {
  std::vector<std::string> ids;
  for (const DesktopApp& app : apps) ids.push_back(app.id);
  return ids;
}

class DesktopAppsTest : public ::testing::Test {
 protected:
  DesktopAppsTest() { WriteFile(song, "ID3"); }

  XdgSandbox sandbox;
  const std::string song = sandbox.dir / "music/Song.mp3";
};

TEST_F(DesktopAppsTest, TheDefaultOfTheUsersMimeAppsListOpensTheFile) {
  sandbox.AddApp(sandbox.DataHome(), "player.desktop", App("Player"));
  sandbox.AddApp(sandbox.DataDir(), "other.desktop", App("Other", "audio/mpeg;"));
  WriteFile(sandbox.ConfigHome() + "/mimeapps.list",
            "[Default Applications]\naudio/mpeg=player.desktop;\n");
  const std::optional<DesktopApp> app = AssociatedApp(XdgDirs::FromEnvironment(), song);
  ASSERT_TRUE(app);
  EXPECT_EQ(app->id, "player.desktop");
  EXPECT_EQ(app->name, "Player");
  EXPECT_EQ(ExecArguments(*app, song), (std::vector<std::string>{"/bin/true", song}));
}

TEST_F(DesktopAppsTest, AMissingFileOrAnUnknownTypeHasNoAssociation) {
  sandbox.AddApp(sandbox.DataDir(), "player.desktop", App("Player", "audio/mpeg;"));
  WriteFile(sandbox.dir / "music/notes", "no extension");
  EXPECT_EQ(AssociatedId(song), "player.desktop");
  EXPECT_EQ(AssociatedId(sandbox.dir / "music/gone.mp3"), std::nullopt);
  EXPECT_EQ(AssociatedId(" " + song), std::nullopt);  // a blank makes it another file
  EXPECT_EQ(AssociatedId(sandbox.dir / "music/notes"), std::nullopt);
  EXPECT_EQ(AssociatedId(sandbox.dir / "music"), std::nullopt);
}

TEST_F(DesktopAppsTest, MimeAppsListsCountInTheirOrderOfPrecedence) {
  for (const char* id :
       {"home.desktop", "etc.desktop", "datahome.desktop", "data.desktop", "desktop.desktop"}) {
    sandbox.AddApp(sandbox.DataDir(), id, App(id));
  }
  const std::string home = sandbox.ConfigHome() + "/mimeapps.list";
  const std::string etc = sandbox.ConfigDir() + "/mimeapps.list";
  const std::string dataHome = sandbox.DataHome() + "/applications/mimeapps.list";
  const std::string data = sandbox.DataDir() + "/applications/mimeapps.list";
  auto defaults = [](const std::string& ids) {
    return "[Default Applications]\naudio/mpeg=" + ids + "\n";
  };
  WriteFile(data, defaults("data.desktop"));
  EXPECT_EQ(AssociatedId(song), "data.desktop");
  WriteFile(dataHome, defaults("datahome.desktop"));
  EXPECT_EQ(AssociatedId(song), "datahome.desktop");
  WriteFile(etc, defaults("etc.desktop"));
  EXPECT_EQ(AssociatedId(song), "etc.desktop");
  WriteFile(home, defaults("uninstalled.desktop;home.desktop"));
  EXPECT_EQ(AssociatedId(song), "home.desktop");
  WriteFile(home, defaults("uninstalled.desktop"));
  EXPECT_EQ(AssociatedId(song), "etc.desktop");

  sandbox.env.Set("XDG_CURRENT_DESKTOP", "Test:Other");
  WriteFile(sandbox.ConfigHome() + "/other-mimeapps.list", defaults("desktop.desktop"));
  EXPECT_EQ(AssociatedId(song), "desktop.desktop");
}

TEST_F(DesktopAppsTest, WithoutADefaultAddedAssociationsComeBeforeDeclaredTypes) {
  sandbox.AddApp(sandbox.DataDir(), "declares.desktop", App("Declares", "audio/mpeg;"));
  sandbox.AddApp(sandbox.DataDir(), "added.desktop", App("Added"));
  EXPECT_EQ(AssociatedId(song), "declares.desktop");
  WriteFile(sandbox.ConfigDir() + "/mimeapps.list",
            "[Added Associations]\naudio/mpeg=added.desktop;\n");
  EXPECT_EQ(AssociatedId(song), "added.desktop");
  WriteFile(sandbox.ConfigHome() + "/mimeapps.list",
            "[Removed Associations]\naudio/mpeg=added.desktop;declares.desktop;\n");
  EXPECT_EQ(AssociatedId(song), std::nullopt);
}

TEST_F(DesktopAppsTest, TheFilesOwnTypeComesBeforeTheTypesItDerivesFrom) {
  const std::string track = sandbox.dir / "music/track.ogg";
  WriteFile(track, "OggS");
  sandbox.AddApp(sandbox.DataDir(), "ogg.desktop", App("Any Ogg", "application/ogg;"));
  EXPECT_EQ(AssociatedId(track), "ogg.desktop");
  sandbox.AddApp(sandbox.DataDir(), "vorbis.desktop", App("Vorbis", "audio/x-vorbis+ogg;"));
  EXPECT_EQ(AssociatedId(track), "vorbis.desktop");
}

TEST_F(DesktopAppsTest, TheFirstFolderHoldingAnIdDecidesIt) {
  sandbox.AddApp(sandbox.DataDir(), "player.desktop", App("System Player", "audio/mpeg;"));
  sandbox.AddApp(sandbox.DataDir(), "vendor/tool.desktop", App("Vendor Tool"));
  sandbox.AddApp(sandbox.DataDir(), "tried.desktop",
                 App("Tried", "audio/mpeg;", "TryExec=/no/such/program\n"));
  sandbox.AddApp(sandbox.DataDir(), "not-an-app.desktop", "Type=Link\nURL=x\n");
  std::vector<DesktopApp> apps = InstalledApps(XdgDirs::FromEnvironment());
  EXPECT_EQ(Ids(apps), (std::vector<std::string>{"player.desktop", "vendor-tool.desktop"}));

  sandbox.AddApp(sandbox.DataHome(), "player.desktop", App("My Player", "audio/mpeg;"));
  apps = InstalledApps(XdgDirs::FromEnvironment());
  ASSERT_EQ(apps.size(), 2u);
  EXPECT_EQ(apps[0].name, "My Player");

  sandbox.AddApp(sandbox.DataHome(), "player.desktop", "Hidden=true\n");
  EXPECT_EQ(Ids(InstalledApps(XdgDirs::FromEnvironment())),
            (std::vector<std::string>{"vendor-tool.desktop"}));
  EXPECT_EQ(AssociatedId(song), std::nullopt);
}

TEST_F(DesktopAppsTest, TheChooserOffersAppsForTheTypeFirstEachPartByName) {
  sandbox.AddApp(sandbox.DataDir(), "zeta.desktop", App("zeta player", "audio/mpeg;"));
  sandbox.AddApp(sandbox.DataDir(), "alpha.desktop", App("Alpha Player", "audio/mpeg;"));
  sandbox.AddApp(sandbox.DataDir(), "editor.desktop", App("Editor", "text/plain;"));
  sandbox.AddApp(sandbox.DataDir(), "browser.desktop", App("browser"));
  sandbox.AddApp(sandbox.DataDir(), "helper.desktop",
                 App("Helper", "audio/mpeg;", "NoDisplay=true\n"));
  EXPECT_EQ(Ids(ChooserApps(XdgDirs::FromEnvironment(), {"audio/mpeg"})),
            (std::vector<std::string>{"alpha.desktop", "zeta.desktop", "browser.desktop",
                                      "editor.desktop"}));
  EXPECT_EQ(Ids(ChooserApps(XdgDirs::FromEnvironment(), {})),
            (std::vector<std::string>{"alpha.desktop", "browser.desktop", "editor.desktop",
                                      "zeta.desktop"}));
}

TEST(XdgDirsTest, TakesTheRulesDefaultsForUnsetOrRelativeValues) {
  testing::ScopedEnvironment env;
  env.Set("HOME", "/home/user");
  env.Unset("XDG_CONFIG_HOME");
  env.Set("XDG_DATA_HOME", "relative/data");
  env.Set("XDG_CONFIG_DIRS", "");
  env.Set("XDG_DATA_DIRS", "/opt/share/:relative:/usr/share");
  env.Set("XDG_CURRENT_DESKTOP", "GNOME:Unity");
  const XdgDirs dirs = XdgDirs::FromEnvironment();
  EXPECT_EQ(dirs.configHome, "/home/user/.config");
  EXPECT_EQ(dirs.dataHome, "/home/user/.local/share");
  EXPECT_EQ(dirs.configDirs, (std::vector<std::string>{"/etc/xdg"}));
  EXPECT_EQ(dirs.dataDirs, (std::vector<std::string>{"/opt/share", "/usr/share"}));
  EXPECT_EQ(dirs.desktops, (std::vector<std::string>{"gnome", "unity"}));
  EXPECT_EQ(MimeAppsLists(dirs).front(), "/home/user/.config/gnome-mimeapps.list");
  EXPECT_EQ(MimeAppsLists(dirs).back(), "/usr/share/applications/mimeapps.list");
  EXPECT_EQ(MimeAppsLists(dirs).size(), 15u);
}

}  // namespace
}  // namespace tunelot
