#pragma once
// Setting the tests' environment variables on every system. On Windows both the
// C runtime's copy and the process's own block are set: a library loaded by name
// has a runtime of its own and reads the process's block.
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace roamplot::test {

inline void SetEnvironment(const std::string& name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name.c_str(), value.c_str());
    SetEnvironmentVariableA(name.c_str(), value.c_str());
#else
    setenv(name.c_str(), value.c_str(), 1);
#endif
}

inline void UnsetEnvironment(const std::string& name) {
#ifdef _WIN32
    _putenv_s(name.c_str(), "");
    SetEnvironmentVariableA(name.c_str(), nullptr);
#else
    unsetenv(name.c_str());
#endif
}

} // namespace roamplot::test
