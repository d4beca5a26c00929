#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "poll.h"

extern char** environ;

namespace e2e {
namespace {

std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& overrides) {
  std::vector<std::string> merged;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    if (!overrides.contains(text.substr(0, text.find('=')))) merged.push_back(text);
  }
  for (const auto& [name, value] : overrides) {
    if (!value.empty()) merged.push_back(name + "=" + value);
  }
  return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (auto& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

int DecodeStatus(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

// Standard input and error from and to /dev/null, standard output to
// `stdoutFd` or /dev/null: the first Wine program starts Wine's services,
// which outlive it and would keep the test's own output open for ever.
pid_t Spawn(std::vector<std::string> argv, std::vector<std::string> environment,
            int stdoutFd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdoutFd, 1);
  else posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const auto args = Pointers(argv);
  const auto env = Pointers(environment);
  const int error = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(error));
  return pid;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::map<std::string, std::string>& environment)
    : pid_(Spawn(argv, MergedEnvironment(environment), -1)) {}

ChildProcess::~ChildProcess() { Kill(); }

bool ChildProcess::Reap(int options) {
  if (exitCode_) return true;
  int status = 0;
  const pid_t got = waitpid(pid_, &status, options);
  if (got == pid_ && !WIFSTOPPED(status)) exitCode_ = DecodeStatus(status);
  if (got < 0 && errno == ECHILD) exitCode_ = -1;
  return exitCode_.has_value();
}

bool ChildProcess::Running() { return !Reap(WNOHANG); }

std::optional<int> ChildProcess::WaitForExit(milliseconds timeout) {
  PollUntil([this] { return Reap(WNOHANG); }, timeout, milliseconds(20));
  return exitCode_;
}

void ChildProcess::Kill() {
  if (!Running()) return;
  kill(pid_, SIGKILL);
  Reap(0);
}

void ChildProcess::Stop() {
  if (!Running()) throw std::runtime_error("cannot stop a process that has ended");
  kill(pid_, SIGSTOP);
  // The stop reaches the threads asynchronously; the parent hears when all have stopped.
  Reap(WUNTRACED);
}

void ChildProcess::Continue() {
  if (Running()) kill(pid_, SIGCONT);
}

CommandResult RunCommand(const std::vector<std::string>& argv) {
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  const pid_t pid = Spawn(argv, MergedEnvironment({}), pipeFds[1]);
  close(pipeFds[1]);
  CommandResult result;
  char buffer[65536];
  for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
    if (n > 0) result.output.append(buffer, static_cast<size_t>(n));
    else if (errno != EINTR) break;
  }
  close(pipeFds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  result.exitCode = DecodeStatus(status);
  return result;
}

}  // namespace e2e
