#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using std::chrono::milliseconds;

// A program started in the background. Killed when the object goes, so that
// a failed test never leaves a process on the shared display.
class ChildProcess {
 public:
  // `environment` overrides (or, with an empty value, removes) variables of
  // this process's own environment.
  ChildProcess(const std::vector<std::string>& argv,
               const std::map<std::string, std::string>& environment = {});
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  pid_t Pid() const { return pid_; }
  bool Running();
  // The exit code, or nothing when the process is still running at the end
  // of `timeout`. A process ended by a signal gives 128 + the signal.
  std::optional<int> WaitForExit(milliseconds timeout);
  void Kill();
  // Stops the process (SIGSTOP) and returns once it has stopped; Continue()
  // lets it go on. Meanwhile its windows keep showing what they showed, and
  // the X events sent to them wait for it.
  void Stop();
  void Continue();

 private:
  bool Reap(int options);

  pid_t pid_ = -1;
  std::optional<int> exitCode_;
};

// Keeps a process stopped for its own lifetime.
class StoppedProcess {
 public:
  explicit StoppedProcess(ChildProcess& process) : process_(process) { process_.Stop(); }
  StoppedProcess(const StoppedProcess&) = delete;
  StoppedProcess& operator=(const StoppedProcess&) = delete;
  ~StoppedProcess() { process_.Continue(); }

 private:
  ChildProcess& process_;
};

struct CommandResult {
  int exitCode = -1;
  std::string output;  // standard output only
};

// Runs a program to its end and collects what it prints.
CommandResult RunCommand(const std::vector<std::string>& argv);

}  // namespace e2e
