#pragma once
// A program started as a shell starts it, for timing whole processes.
#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace roamplot::bench {

using Clock = std::chrono::steady_clock;

// The environment of this process with some variables changed; an empty value removes one.
std::vector<std::string> EnvironmentWith(const std::map<std::string, std::string>& changes);

class ChildProcess {
  public:
    // Starts the program; its standard output and error go to /dev/null. A
    // descriptor given is handed to it as descriptor 3.
    ChildProcess(const std::vector<std::string>& arguments,
                 const std::vector<std::string>& environment, int passed = -1);
    ~ChildProcess(); // ends the process when it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }
    Clock::time_point Started() const { return started_; }
    // The exit status once the process has ended; Wait blocks until it has,
    // WaitForExit up to the timeout.
    std::optional<int> ExitCode();
    int Wait();
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);

  private:
    pid_t pid_ = -1;
    Clock::time_point started_;
    std::optional<int> exitCode_;
};

} // namespace roamplot::bench
