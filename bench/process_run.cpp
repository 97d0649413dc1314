#include "process_run.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tunelot::bench {
namespace {

std::string NameOf(const std::string& assignment) {
  return assignment.substr(0, assignment.find('='));
}

// Ours, with each extra assignment replacing one of the same name.
std::vector<std::string> Environment(const std::vector<std::string>& extra) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string assignment = *entry;
    bool replaced = false;
    for (const std::string& added : extra)
      replaced = replaced || NameOf(added) == NameOf(assignment);
    if (!replaced) result.push_back(assignment);
  }
  result.insert(result.end(), extra.begin(), extra.end());
  return result;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

class SpawnActions {
 public:
  explicit SpawnActions(const std::string& outputPath) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, outputPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  const posix_spawn_file_actions_t* get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

}  // namespace

double RunProcess(const std::vector<std::string>& argv,
                  const std::vector<std::string>& extraEnvironment, const std::string& outputPath) {
  std::vector<std::string> arguments = argv;
  std::vector<std::string> environment = Environment(extraEnvironment);
  const std::vector<char*> argumentPointers = Pointers(arguments);
  const std::vector<char*> environmentPointers = Pointers(environment);
  const SpawnActions actions(outputPath);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argumentPointers[0], actions.get(), nullptr,
                                   argumentPointers.data(), environmentPointers.data());
  if (spawned != 0) throw std::runtime_error(argv[0] + ": " + std::strerror(spawned));
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error(argv[0] + ": wait failed");
  }
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error(argv[0] + " did not end with status 0");
  }
  return std::chrono::duration<double>(end - start).count();
}

}  // namespace tunelot::bench
