#include "qt/CliRunner.h"
#include "render/BoxFonts.h"
#include <QFontMetrics>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSize>
#include <filesystem>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "plain/FileSizeLimit.h"
#endif

namespace {

namespace fs = std::filesystem;
using ParameterCommandsTest = CliTest;

// A box text's width as the drawing measures it.
int BoldWidth(const char* text, int points) {
    return TextWidth(QFontMetrics(BoxFont(points, true)), QString(text));
}

// The file's lines up to the first thumbnail record.
std::string WithoutThumbnails(const std::string& bytes) {
    return bytes.substr(0, bytes.find("\r\ng2,"));
}

TEST_F(ParameterCommandsTest, DumpPrintsTheLoadedLayout) {
    CliRun run = Run({"dump", Data("writer_symbols.par1")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    QJsonParseError error;
    QJsonObject dump = QJsonDocument::fromJson(run.Out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.Out.toStdString();
    EXPECT_EQ(std::tuple(dump["DeviceTypeCode"].toString(), dump["DeviceScreen"].toInt(),
                         dump["ScreenWidth"].toInt(), dump["ScreenHeight"].toInt(),
                         dump["NumberOfPages"].toInt()),
              std::tuple("HPC", 1, 320, 240, 5));
    QJsonArray pages = dump["Pages"].toArray();
    ASSERT_EQ(pages.size(), 20);
    QJsonObject second = pages[1].toObject();
    EXPECT_EQ(std::tuple(second["Page"].toInt(), second["PageName"].toString()),
              std::tuple(2, "Page 4"));
    QJsonArray boxes = second["Boxes"].toArray();
    ASSERT_EQ(boxes.size(), 3);
    QJsonObject back = boxes[0].toObject();
    // The slot and every field of a box.
    EXPECT_EQ(std::tuple(back["Slot"].toInt(), back["Kind"].toString(),
                         back["TitleBackColor"].toString(), back["SymbolFile"].toString(),
                         back["Symbol"].toObject()["Width"].toInt(),
                         back["Symbol"].toObject()["BitCount"].toInt(), back.keys().size()),
              std::tuple(1, "bb", "(000/000/128)", "C:\\Symbols\\arrow.bmp", 4, 24, 31));
    EXPECT_TRUE(boxes[1].toObject()["Symbol"].isNull());
    EXPECT_TRUE(pages[2].toObject()["Boxes"].toArray().isEmpty());
}

TEST_F(ParameterCommandsTest, ResaveWritesTheLoadedLayoutWithRenderedThumbnails) {
    CliRun run = Run({"resave", Data("writer_pages.par1"), Work("once.par1")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const std::string once = work.Read("once.par1");
    const std::string original = TestDataBytes("writer_pages.par1");
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

    CliRun refused = Run({"resave", Data("writer_pages.par1"), Work("absent/out.par1")});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_NE(refused.Err.indexOf("absent/out.par1"), -1) << refused.Err.toStdString();
}

TEST_F(ParameterCommandsTest, RenderDrawsTheChosenPageAtTheChosenZoom) {
    CliRun first = Run({"render", Data("writer_pages.par1"), Work("one.png")});
    ASSERT_EQ(first.ExitCode, 0) << first.Err.toStdString();
    QImage one(Work("one.png"));
    EXPECT_EQ(one.size(), QSize(240, 281));

    CliRun empty =
        Run({"render", Data("writer_pages.par1"), Work("two.png"), "--page", "3", "--zoom", "3"});
    ASSERT_EQ(empty.ExitCode, 0) << empty.Err.toStdString();
    QImage two(Work("two.png"));
    EXPECT_EQ(two.size(), QSize(720, 843));
    QImage white(720, 843, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_TRUE(two.convertToFormat(QImage::Format_RGB32) == white); // page 3 holds no box
    EXPECT_NE(one.pixel(120, 100), qRgb(255, 255, 255)); // the map covers the top of page 1

    EXPECT_EQ(Run({"render", Data("writer_pages.par1"), Work("x.png"), "--page", "21"}).ExitCode,
              2);
}

// Every page and the contact sheet are PageExport's; here the options reach them.
TEST_F(ParameterCommandsTest, RenderAllWritesEveryPageAndTheSheetOnlyWhenAsked) {
    CliRun run = Run({"render", Data("writer_symbols.par1"), Work("pages"), "--all", "--zoom", "2",
                      "--sheet", Work("sheet.png")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out.toStdString(), "2 pages written\n");
    // The file's 320 x 240 screen less the toolbar rows, twice.
    EXPECT_EQ(QImage(Work("pages/page-02-Page 4.png")).size(), QSize(640, 402));
    EXPECT_FALSE(QImage(Work("sheet.png")).isNull());

    CliRun plain = Run({"render", Data("writer_symbols.par1"), Work("plain"), "--all"});
    ASSERT_EQ(plain.ExitCode, 0) << plain.Err.toStdString();
    EXPECT_EQ(QImage(Work("plain/page-01-Page 1.png")).size(), QSize(320, 201));
    EXPECT_FALSE(fs::exists(work.File("plain/contact-sheet.png")));

    work.Write("taken", "x");
    CliRun taken = Run({"render", Data("writer_symbols.par1"), Work("taken"), "--all"});
    EXPECT_EQ(taken.ExitCode, 1);
    EXPECT_TRUE(taken.Err.contains("Cannot write to the folder")) << taken.Err.toStdString();
    EXPECT_EQ(Run({"render", Data("writer_symbols.par1"), Work("x.png"), "--sheet", Work("s.png")})
                  .ExitCode,
              2)
        << "a sheet only with --all";
}

// How boxes and fonts scale is LayoutScaling's; here the screen options reach it.
TEST_F(ParameterCommandsTest, ScaleWritesTheLayoutForTheNamedScreenAndRefusesATooSmallOne) {
    CliRun run =
        Run({"scale", Data("writer_pages.par1"), Work("wide.par1"), "--screen", "800x480"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_NE(work.Read("wide.par1").find("\r\nDevice Type,Custom\r\ns1,800,480,800,441\r\n"),
              std::string::npos);
    // A row of the table, and back to the first size.
    ASSERT_EQ(Run({"scale", Work("wide.par1"), Work("back.par1"), "--screen", "0"}).ExitCode, 0);
    const QJsonObject back = QJsonDocument::fromJson(Run({"dump", Work("back.par1")}).Out).object();
    EXPECT_EQ(back["DeviceScreen"].toInt(), 0);
    const QJsonObject box = back["Pages"].toArray()[0].toObject()["Boxes"].toArray()[2].toObject();
    EXPECT_EQ(std::tuple(box["Left"].toInt(), box["Top"].toInt(), box["Width"].toInt(),
                         box["Height"].toInt()),
              std::tuple(0, 200, 120, 40))
        << "the same size again within a pixel";

    CliRun small = Run({"scale", Data("writer_pages.par1"), Work("out.par1"), "--screen", "40x40"});
    EXPECT_EQ(small.ExitCode, 2);
    EXPECT_TRUE(small.Err.contains("50 to 4096")) << small.Err.toStdString();
    EXPECT_FALSE(fs::exists(work.File("out.par1")));
    EXPECT_EQ(Run({"scale", Data("writer_pages.par1"), Work("out.par1")}).ExitCode, 2);
    EXPECT_EQ(Run({"scale", Work("absent.par1"), Work("out.par1"), "--screen", "1"}).ExitCode, 2);
}

TEST_F(ParameterCommandsTest, CheckListsWhatTheLoadCouldNotKeep) {
    CliRun findings = Run({"check", Data("check_findings.par1")});
    EXPECT_EQ(findings.ExitCode, 1);
    EXPECT_EQ(findings.Out.toStdString(),
              "line 5: box record before any page record dropped\n"
              "line 7: box 1 of page 1 clamped to the drawing area\n"
              "line 9: reading of the layout ended: '2x5' is not a valid integer value\n"
              "symbol file not found: C:\\Symbols\\missing.bmp\n");

    EXPECT_EQ(Run({"check", Work("absent.par1")}).ExitCode, 2);
}

// What makes a finding is the TextFindings and BoxesOutside tests'.
TEST_F(ParameterCommandsTest, CheckListsWhatThePreviewMarksPageByPage) {
    // A value at size 16 in a 40-pixel box, a title at size 9 in a 60-pixel
    // box, a box in the toolbar rows, a box that fits, a text box's text at
    // size 10 in a 40-pixel box: each with a border of 1.
    CliRun run = Run({"check", Data("check_text_findings.par1")});
    EXPECT_EQ(run.ExitCode, 1) << run.Err.toStdString();
    const QString expected =
        QString("page 1, box 1: value text %1 px wide in a 38 px area\n"
                "page 1, box 2: title text %2 px wide in a 58 px area\n"
                "page 1, box 3: lies partly outside the 240 x 281 drawing area of the 240 x 320 "
                "screen\n"
                "page 2, box 1: title text %3 px wide in a 38 px area\n")
            .arg(BoldWidth("1245", 16)) // the sample with no decimals
            .arg(BoldWidth("Speed Over Ground", 9))
            .arg(BoldWidth("Waypoint Name", 10));
    EXPECT_EQ(QString(run.Out), expected);
}

TEST_F(ParameterCommandsTest, AnUnreadableCatalogueOrAFileThatIsNoFileFails) {
    std::filesystem::create_directory(work.File("folder.par1"));
    CliRun folder = Run({"dump", Work("folder.par1")});
    EXPECT_NE(folder.ExitCode, 0);
    EXPECT_TRUE(folder.Err.contains("it is a folder.")) << folder.Err.toStdString();
    EXPECT_TRUE(folder.Out.isEmpty());

    // Samples and units come from the catalogue: without it a dump would be wrong, not empty.
    std::filesystem::remove(program.File("Parameters.dat"));
    std::filesystem::create_directory(program.File("Parameters.dat"));
    CliRun noCatalogue = Run({"dump", Data("writer_pages.par1")});
    EXPECT_NE(noCatalogue.ExitCode, 0);
    EXPECT_TRUE(noCatalogue.Err.contains("Parameters.dat: it is a folder."))
        << noCatalogue.Err.toStdString();
    EXPECT_TRUE(noCatalogue.Out.isEmpty());
    const QString out = Work("out.par1");
    EXPECT_NE(Run({"resave", Data("writer_pages.par1"), out}).ExitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(out.toStdString()));
}

} // namespace

// The command-line tool's outputs on targets that are not plain files, on a
// full disk, and for a layout whose one title is enormous.
#ifndef _WIN32
namespace {

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
#endif
