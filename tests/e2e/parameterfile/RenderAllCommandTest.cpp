#include <gtest/gtest.h>

#include <QImage>

#include "qt/CliRunner.h"

namespace roamplot::test {
namespace {

using RenderAllCommandTest = CliTest;

TEST_F(RenderAllCommandTest, WritesEveryPageAndTheContactSheet) {
    CliRun run = Run({"render", Data("writer_symbols.par1"), Work("pages"), "--all", "--zoom", "2",
                      "--sheet", Work("sheet.png")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out.toStdString(), "2 pages written\n");
    // The file's 320 x 240 screen less the toolbar rows, twice.
    EXPECT_EQ(QImage(Work("pages/page-01-Page 1.png")).size(), QSize(640, 402));
    EXPECT_EQ(QImage(Work("pages/page-02-Page 4.png")).size(), QSize(640, 402));
    const QImage sheet(Work("sheet.png"));
    EXPECT_GE(sheet.width(), 2 * 320);
    EXPECT_GT(sheet.height(), 201);

    CliRun plain = Run({"render", Data("writer_symbols.par1"), Work("plain"), "--all"});
    ASSERT_EQ(plain.ExitCode, 0) << plain.Err.toStdString();
    EXPECT_EQ(QImage(Work("plain/page-01-Page 1.png")).size(), QSize(320, 201));
    EXPECT_FALSE(std::filesystem::exists(work.File("plain/contact-sheet.png")));
}

TEST_F(RenderAllCommandTest, ReportsAFolderThatCannotBeWritten) {
    work.Write("taken", "x");
    CliRun run = Run({"render", Data("writer_symbols.par1"), Work("taken"), "--all"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("Cannot write to the folder")) << run.Err.toStdString();
    EXPECT_EQ(Run({"render", Data("writer_symbols.par1"), Work("x.png"), "--sheet", Work("s.png")})
                  .ExitCode,
              2)
        << "a sheet only with --all";
}

} // namespace
} // namespace roamplot::test
