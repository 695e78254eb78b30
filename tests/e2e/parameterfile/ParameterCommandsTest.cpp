#include <gtest/gtest.h>

#include "qt/CliRunner.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <filesystem>

#include "core/io/FileIo.h"
#include "plain/TempFolder.h"

using namespace roamplot;

namespace {

using roamplot::test::CliRun;
using roamplot::test::RunCli;

class ParameterCommandsTest : public ::testing::Test {
  protected:
    ParameterCommandsTest() { test::CopyShippedCatalogues(programFolder); }

    CliRun Run(const QStringList& arguments) { return RunCli(programFolder.Path(), arguments); }

    static QString Fixture(const char* name) { return QString(TEST_DATA_DIR) + "/" + name; }
    QString Work(const char* name) const { return QString::fromStdString(work.File(name)); }

    // The file's lines up to the first thumbnail record.
    static std::string WithoutThumbnails(const std::string& bytes) {
        return bytes.substr(0, bytes.find("\r\ng2,"));
    }

    test::TempFolder programFolder;
    test::TempFolder work;
};

} // namespace

TEST_F(ParameterCommandsTest, DumpPrintsTheLoadedLayout) {
    CliRun run = Run({"dump", Fixture("writer_symbols.par1")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    QJsonParseError error;
    QJsonObject dump = QJsonDocument::fromJson(run.Out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.Out.toStdString();
    EXPECT_EQ(dump["DeviceTypeCode"].toString(), "HPC");
    EXPECT_EQ(dump["DeviceScreen"].toInt(), 1);
    EXPECT_EQ(dump["ScreenWidth"].toInt(), 320);
    EXPECT_EQ(dump["ScreenHeight"].toInt(), 240);
    EXPECT_EQ(dump["NumberOfPages"].toInt(), 5);
    QJsonArray pages = dump["Pages"].toArray();
    ASSERT_EQ(pages.size(), 20);
    QJsonObject second = pages[1].toObject();
    EXPECT_EQ(second["Page"].toInt(), 2);
    EXPECT_EQ(second["PageName"].toString(), "Page 4");
    QJsonArray boxes = second["Boxes"].toArray();
    ASSERT_EQ(boxes.size(), 3);
    QJsonObject back = boxes[0].toObject();
    EXPECT_EQ(back["Slot"].toInt(), 1);
    EXPECT_EQ(back["Kind"].toString(), "bb");
    EXPECT_EQ(back["TitleBackColor"].toString(), "(000/000/128)");
    EXPECT_EQ(back["SymbolFile"].toString(), "C:\\Symbols\\arrow.bmp");
    EXPECT_EQ(back["Symbol"].toObject()["Width"].toInt(), 4);
    EXPECT_EQ(back["Symbol"].toObject()["BitCount"].toInt(), 24);
    EXPECT_EQ(back.keys().size(), 31); // the slot and every field of a box
    EXPECT_TRUE(boxes[1].toObject()["Symbol"].isNull());
    EXPECT_TRUE(pages[2].toObject()["Boxes"].toArray().isEmpty());
}

TEST_F(ParameterCommandsTest, ResaveWritesTheLoadedLayoutWithRenderedThumbnails) {
    CliRun run = Run({"resave", Fixture("writer_pages.par1"), Work("once.par1")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const std::string once = work.Read("once.par1");
    const std::string original = ReadFileBytes(Fixture("writer_pages.par1").toStdString()).value();
    // What the file cannot keep: the name after its comma, the placement of a
    // background without a picture, the place of the page after an empty one.
    std::string expected = WithoutThumbnails(original);
    for (auto [from, to] : {std::pair{"b1,1,Main, left", "b1,1,Main"},
                            {"(200/100/050),1,2,0000", "(200/100/050),1,0,0000"},
                            {"b1,3,Page 3", "b1,2,Page 3"}})
        expected.replace(expected.find(from), std::string(from).size(), to);
    EXPECT_EQ(WithoutThumbnails(once), expected);
    // 240 x 281 scaled to 20 pixels high is 17 x 20.
    EXPECT_NE(once.find("\r\ng2,1,1060\r\n"), std::string::npos);
    EXPECT_NE(once.find("\r\ng2,2,1060\r\n"), std::string::npos);

    ASSERT_EQ(Run({"resave", Work("once.par1"), Work("twice.par1")}).ExitCode, 0);
    EXPECT_EQ(work.Read("twice.par1"), once);

    CliRun refused = Run({"resave", Fixture("writer_pages.par1"), Work("absent/out.par1")});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_NE(refused.Err.indexOf("absent/out.par1"), -1) << refused.Err.toStdString();
}

TEST_F(ParameterCommandsTest, RenderDrawsTheChosenPageAtTheChosenZoom) {
    CliRun first = Run({"render", Fixture("writer_pages.par1"), Work("one.png")});
    ASSERT_EQ(first.ExitCode, 0) << first.Err.toStdString();
    QImage one(Work("one.png"));
    EXPECT_EQ(one.size(), QSize(240, 281));

    CliRun empty = Run(
        {"render", Fixture("writer_pages.par1"), Work("two.png"), "--page", "3", "--zoom", "3"});
    ASSERT_EQ(empty.ExitCode, 0) << empty.Err.toStdString();
    QImage two(Work("two.png"));
    EXPECT_EQ(two.size(), QSize(720, 843));
    QImage white(720, 843, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_TRUE(two.convertToFormat(QImage::Format_RGB32) == white); // page 3 holds no box
    EXPECT_NE(one.pixel(120, 100), qRgb(255, 255, 255)); // the map covers the top of page 1

    EXPECT_EQ(Run({"render", Fixture("writer_pages.par1"), Work("x.png"), "--page", "21"}).ExitCode,
              2);
}

TEST_F(ParameterCommandsTest, CheckListsWhatTheLoadCouldNotKeep) {
    CliRun clean = Run({"check", Fixture("writer_pages.par1")});
    EXPECT_EQ(clean.ExitCode, 0);
    EXPECT_EQ(clean.Out, "");

    CliRun findings = Run({"check", Fixture("check_findings.par1")});
    EXPECT_EQ(findings.ExitCode, 1);
    EXPECT_EQ(findings.Out.toStdString(),
              "line 5: box record before any page record dropped\n"
              "line 7: box 1 of page 1 clamped to the drawing area\n"
              "line 9: reading of the layout ended: '2x5' is not a valid integer value\n"
              "symbol file not found: C:\\Symbols\\missing.bmp\n");

    EXPECT_EQ(Run({"check", Work("absent.par1")}).ExitCode, 2);
    EXPECT_EQ(Run({"dump", Work("absent.par1")}).ExitCode, 2);
}

TEST_F(ParameterCommandsTest, TheShippedSampleLayoutLoadsCleanlyAndResavesUnchanged) {
    const QString sample = QString(SHIPPED_DATA_DIR) + "/Samples/Coast Loop.par1";
    CliRun check = Run({"check", sample});
    EXPECT_EQ(check.ExitCode, 0) << check.Out.toStdString();
    EXPECT_TRUE(check.Out.trimmed().isEmpty()) << check.Out.toStdString();
    // Thumbnails hold rendered text, so the layouts are compared rather than the bytes.
    CliRun resave = Run({"resave", sample, Work("again.par1")});
    ASSERT_EQ(resave.ExitCode, 0) << resave.Err.toStdString();
    CliRun original = Run({"dump", sample});
    CliRun again = Run({"dump", Work("again.par1")});
    EXPECT_EQ(original.ExitCode, 0);
    EXPECT_EQ(again.Out, original.Out);
    const QJsonArray pages = QJsonDocument::fromJson(original.Out)["Pages"].toArray();
    EXPECT_GT(pages[2].toObject()["Boxes"].toArray().size(), 4);
}

TEST_F(ParameterCommandsTest, AnUnreadableCatalogueOrAFileThatIsNoFileFails) {
    std::filesystem::create_directory(work.File("folder.par1"));
    CliRun folder = Run({"dump", Work("folder.par1")});
    EXPECT_NE(folder.ExitCode, 0);
    EXPECT_TRUE(folder.Err.contains("it is a folder.")) << folder.Err.toStdString();
    EXPECT_TRUE(folder.Out.isEmpty());

    // Samples and units come from the catalogue: without it a dump would be wrong, not empty.
    std::filesystem::remove(programFolder.File("Parameters.dat"));
    std::filesystem::create_directory(programFolder.File("Parameters.dat"));
    CliRun noCatalogue = Run({"dump", Fixture("writer_pages.par1")});
    EXPECT_NE(noCatalogue.ExitCode, 0);
    EXPECT_TRUE(noCatalogue.Err.contains("Parameters.dat: it is a folder."))
        << noCatalogue.Err.toStdString();
    EXPECT_TRUE(noCatalogue.Out.isEmpty());
    const QString out = Work("out.par1");
    EXPECT_NE(Run({"resave", Fixture("writer_pages.par1"), out}).ExitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(out.toStdString()));
}
