// The command-line tool's outputs on targets that are not plain files, on a
// full disk, and for a layout whose one title is enormous.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>
#include <QSize>
#include <filesystem>

#include "plain/FileSizeLimit.h"
#include "qt/CliRunner.h"

namespace roamplot::test {
namespace {

namespace fs = std::filesystem;
using HostileOutputTest = CliTest;

TEST_F(HostileOutputTest, RenderReplacesThePictureOnlyOnceItIsWrittenWhole) {
    work.Write("page.png", "the old picture");
    CliRun full;
    {
        FileSizeLimit fullDisk(2000);
        full = Run({"render", Data("writer_pages.par1"), Work("page.png"), "--zoom", "3"});
    }
    EXPECT_EQ(full.ExitCode, 1);
    EXPECT_EQ(work.Read("page.png"), "the old picture");
    EXPECT_EQ(EntriesIn(work.Path()), 1);

    CliRun room = Run({"render", Data("writer_pages.par1"), Work("page.png"), "--zoom", "3"});
    EXPECT_EQ(room.ExitCode, 0) << room.Err.toStdString();
    EXPECT_EQ(QImage(Work("page.png")).size(), QSize(720, 843));
}

TEST_F(HostileOutputTest, OutputsThatAreNoRegularFilesAreRefused) {
    const std::string pipe = work.File("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    // With its read end open, the pipe would take a picture without blocking.
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    for (const QStringList& command : {QStringList{"render", Data("writer_pages.par1"), Q(pipe)},
                                       QStringList{"resave", Data("writer_pages.par1"), Q(pipe)},
                                       QStringList{"keys", Data("known-map.key2"), Q(pipe)}}) {
        CliRun run = Run(command);
        EXPECT_EQ(run.ExitCode, 1) << command.join(' ').toStdString();
        EXPECT_TRUE(run.Err.contains("It is not a regular file.")) << run.Err.toStdString();
        EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
    }
    close(reader);
}

TEST_F(HostileOutputTest, AnEnormousTitleIsKeptButCutWhereItIsDrawn) {
    const std::string title(50u << 20, 'T');
    work.Write("long.par1", "RoamplotCE Parameter File\r\n;\r\nDevice Type,PPC\r\n"
                            "s1,240,320,240,281\r\nb1,1,P\r\na1,1,005,txt,0,0,100,40," +
                                title + "\r\n");
    CliRun resave = Run({"resave", Work("long.par1"), Work("again.par1")});
    EXPECT_EQ(resave.ExitCode, 0) << resave.Err.toStdString();
    EXPECT_NE(work.Read("again.par1").find("," + title + ","), std::string::npos);
    CliRun render = Run({"render", Work("long.par1"), Work("long.png")});
    EXPECT_EQ(render.ExitCode, 0) << render.Err.toStdString();
}

} // namespace
} // namespace roamplot::test
#endif
