#pragma once
// The tests' environment variables on every system, set for a scope and put
// back as they were when it ends, whether the test passed or an assertion
// left it early. On Windows both the C runtime's copy and the process's own
// block are set: a library loaded by name has a runtime of its own and reads
// the process's block.
#include <cstdlib>
#include <optional>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace roamplot::test {

class ScopedEnvironment {
  public:
    ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name)) {
        if (const char* before = std::getenv(name_.c_str())) before_ = before;
        Set(value);
    }
    ~ScopedEnvironment() { before_ ? Set(*before_) : Unset(); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    void Set(const std::string& value) {
#ifdef _WIN32
        _putenv_s(name_.c_str(), value.c_str());
        SetEnvironmentVariableA(name_.c_str(), value.c_str());
#else
        setenv(name_.c_str(), value.c_str(), 1);
#endif
    }
    void Unset() {
#ifdef _WIN32
        _putenv_s(name_.c_str(), "");
        SetEnvironmentVariableA(name_.c_str(), nullptr);
#else
        unsetenv(name_.c_str());
#endif
    }

    std::string name_;
    std::optional<std::string> before_;
};

} // namespace roamplot::test
