#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

#include "core/app/ListSummary.h"
#include "core/io/FileIo.h"
#include "core/keymap/CommandCatalogue.h"
#include "core/keymap/KeyFileReader.h"
#include "core/model/DibFile.h"
#include "plain/TempFolder.h"
#include "plain/TestFiles.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

// A file of the given size that takes no room on the disk.
std::string SparseFile(const TempFolder& folder, const char* name, std::uintmax_t size,
                       std::string_view start = {}) {
    std::string path = folder.Write(name, start);
    std::filesystem::resize_file(path, size);
    return path;
}

} // namespace

TEST(ReadFileBytes, ReadsOnlyRegularFilesUpToTheLimit) {
    TempFolder folder;
    EXPECT_EQ(ReadFileBytes(folder.Write("plain.par1", "a1\r\n")), "a1\r\n");
    EXPECT_EQ(UnreadableReason(folder.File("plain.par1")), "");

    // A folder used to read as an empty file, and a key file named like one as an empty map.
    CommandCatalogue catalogue;
    for (const char* name : {"folder.key1", "folder.key2"}) {
        std::filesystem::create_directory(folder.File(name));
        EXPECT_FALSE(ReadFileBytes(folder.File(name)));
        EXPECT_EQ(UnreadableReason(folder.File(name)), "it is a folder.");
        KeyMap map;
        EXPECT_EQ(ReadKeyFile(folder.File(name), catalogue, map).Error,
                  "Cannot open file \"" + folder.File(name) + "\": it is a folder.");
    }

#ifndef _WIN32 // pipes and devices in the file system are POSIX's
    // A pipe used to block the reader for ever.
    ASSERT_EQ(mkfifo(folder.File("pipe.par1").c_str(), 0600), 0);
    EXPECT_FALSE(ReadFileBytes(folder.File("pipe.par1")));
    EXPECT_FALSE(ReadFileStart(folder.File("pipe.par1"), 54));
    EXPECT_EQ(UnreadableReason(folder.File("pipe.par1")), "it is not a regular file.");

    // A device used to grow until memory ran out.
    EXPECT_FALSE(ReadFileBytes("/dev/zero"));
    EXPECT_EQ(UnreadableReason("/dev/zero"), "it is not a regular file.");
#endif

    const std::string large = SparseFile(folder, "large.ini", MostFileBytes + 1);
    EXPECT_FALSE(ReadFileBytes(large));
    EXPECT_EQ(UnreadableReason(large), "it is larger than 128 MiB.");
    EXPECT_EQ(ReadFileStart(large, 4), std::string(4, '\0'));
    EXPECT_EQ(UnreadableReason(folder.File("absent")), "it does not exist.");
}

TEST(ReadDibFromBmpFile, ChecksTheHeadersBeforeReadingTheFile) {
    TempFolder folder;
    // Larger than any file we read whole: the header check alone refuses it.
    const std::string text = SparseFile(folder, "notes.bmp", MostFileBytes + 1, "Dear diary");
    EXPECT_EQ(ReadDibFromBmpFile(text).Error,
              "\"notes.bmp\" cannot be used as a picture: it is not a Windows bitmap file.");

    std::string header = "BM" + std::string(52, '\0');
    const std::pair<std::size_t, uint32_t> fields[] = {{10, 54},    {14, 40}, {18, 32768},
                                                       {22, 32768}, {26, 1},  {28, 24}};
    for (auto [at, value] : fields) SetU32(header, at, value);
    const std::string huge = SparseFile(folder, "huge.bmp", MostFileBytes + 1, header);
    EXPECT_EQ(ReadDibFromBmpFile(huge).Error,
              "\"huge.bmp\" cannot be used as a picture: the bitmap is too large (32768 x 32768, "
              "at most 4096 x 4096).");
}

TEST(SummariseLines, KeepsShortListsAndCountsTheRestOfLongOnes) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 100000; ++i) lines.push_back("missing" + std::to_string(i) + ".bmp");
    std::vector<std::string> summary = SummariseLines(lines);
    ASSERT_EQ(summary.size(), SummaryLines + 1);
    EXPECT_EQ(summary.front(), "missing1.bmp");
    EXPECT_EQ(summary[SummaryLines - 1], "missing10.bmp");
    EXPECT_EQ(summary.back(), "... and 99990 more");
    lines.resize(SummaryLines);
    EXPECT_EQ(SummariseLines(lines), lines);
}
