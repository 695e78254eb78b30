#include "plain/TestFiles.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "core/io/FileIo.h"

namespace roamplot::test {

std::string TestData(std::string_view name) {
    return std::string(TEST_DATA_DIR) + "/" + std::string(name);
}

std::string TestDataBytes(std::string_view name) {
    return ReadFileBytes(TestData(name)).value_or("<missing fixture>");
}

std::string SampleLayout() {
    return std::string(SHIPPED_DATA_DIR) + "/Samples/Coast Loop.par1";
}

void PutU16(std::string& out, uint16_t value) {
    out.push_back(static_cast<char>(value & 255));
    out.push_back(static_cast<char>(value >> 8));
}

void PutU32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 255));
}

void SetU32(std::string& bytes, std::size_t at, uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 255);
}

Dib MustReadBmp(const std::string& bytes) {
    DibReadResult result = ReadDibFromBmp(bytes);
    EXPECT_TRUE(result.Picture) << result.Error;
    return result.Picture ? *result.Picture : Dib{};
}

std::string BmpError(const std::string& bytes) {
    DibReadResult result = ReadDibFromBmp(bytes);
    EXPECT_FALSE(result.Picture);
    return result.Error;
}

std::ptrdiff_t EntriesIn(const std::filesystem::path& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

#ifndef _WIN32
bool TrueAsOrdinaryUser(const std::function<bool()>& check) {
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) _exit(3);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
#endif

} // namespace roamplot::test
