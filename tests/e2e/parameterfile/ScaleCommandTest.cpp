#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "qt/CliRunner.h"

namespace roamplot::test {
namespace {

using ScaleCommandTest = CliTest;

// Left, top, width and height of a box of the dump.
std::vector<int> RectOf(const QJsonObject& dump, int page, int box) {
    const QJsonObject b =
        dump["Pages"].toArray()[page - 1].toObject()["Boxes"].toArray()[box].toObject();
    return {b["Left"].toInt(), b["Top"].toInt(), b["Width"].toInt(), b["Height"].toInt()};
}

TEST_F(ScaleCommandTest, WritesTheLayoutScaledToTheNamedScreen) {
    CliRun run =
        Run({"scale", Data("writer_pages.par1"), Work("wide.par1"), "--screen", "800x480"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const std::string written = work.Read("wide.par1");
    EXPECT_NE(written.find("\r\nDevice Type,Custom\r\ns1,800,480,800,441\r\n"), std::string::npos);

    CliRun dump = Run({"dump", Work("wide.par1")});
    ASSERT_EQ(dump.ExitCode, 0) << dump.Err.toStdString();
    const QJsonObject layout = QJsonDocument::fromJson(dump.Out).object();
    EXPECT_EQ(layout["ScreenWidth"].toInt(), 800);
    EXPECT_EQ(RectOf(layout, 1, 0), (std::vector<int>{0, 0, 800, 314})) << "the map";
    EXPECT_EQ(RectOf(layout, 1, 2), (std::vector<int>{0, 314, 400, 63}));
    EXPECT_EQ(RectOf(layout, 1, 3), (std::vector<int>{400, 314, 400, 63})) << "still touching";
    const QJsonObject text =
        layout["Pages"].toArray()[0].toObject()["Boxes"].toArray()[1].toObject();
    EXPECT_EQ(text["TitleFontSize"].toInt(), 14) << "9 points by 441 / 281";

    // A row of the table, and back: the same size again within a pixel.
    ASSERT_EQ(Run({"scale", Work("wide.par1"), Work("back.par1"), "--screen", "0"}).ExitCode, 0);
    const QJsonObject back = QJsonDocument::fromJson(Run({"dump", Work("back.par1")}).Out).object();
    EXPECT_EQ(back["DeviceScreen"].toInt(), 0);
    EXPECT_EQ(RectOf(back, 1, 2), (std::vector<int>{0, 200, 120, 40}));
}

TEST_F(ScaleCommandTest, RefusesATooSmallScreenAndKeepsTheOutputUnwritten) {
    CliRun small = Run({"scale", Data("writer_pages.par1"), Work("out.par1"), "--screen", "40x40"});
    EXPECT_EQ(small.ExitCode, 2);
    EXPECT_TRUE(small.Err.contains("50 to 4096")) << small.Err.toStdString();
    EXPECT_FALSE(std::filesystem::exists(work.File("out.par1")));
    EXPECT_EQ(Run({"scale", Data("writer_pages.par1"), Work("out.par1")}).ExitCode, 2);
    EXPECT_EQ(Run({"scale", Work("absent.par1"), Work("out.par1"), "--screen", "1"}).ExitCode, 2);
}

} // namespace
} // namespace roamplot::test
