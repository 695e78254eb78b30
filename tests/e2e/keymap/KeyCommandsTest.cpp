#include <gtest/gtest.h>

#include "qt/CliRunner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <filesystem>

#include "core/io/FileIo.h"
#include "plain/TempFolder.h"

using namespace roamplot;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

using roamplot::test::CliRun;
using roamplot::test::RunCli;

class KeyCommandsTest : public ::testing::Test {
  protected:
    KeyCommandsTest() {
        programFolder.Write(
            "commands.dat",
            ReadFileBytes(std::string(TEST_DATA_DIR) + "/keymap-commands.dat").value());
    }

    CliRun Run(const QStringList& arguments) { return RunCli(programFolder.Path(), arguments); }

    QJsonObject Dump(const std::string& path) {
        CliRun run = Run({"dump", QString::fromStdString(path)});
        EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        QJsonParseError error;
        QJsonDocument document = QJsonDocument::fromJson(run.Out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << run.Out.toStdString();
        return document.object();
    }

    static std::string Fixture(const char* name) { return std::string(TEST_DATA_DIR) + "/" + name; }

    test::TempFolder programFolder;
    test::TempFolder work;
};

} // namespace

TEST_F(KeyCommandsTest, DumpPrintsEveryKeyAndButtonInOrder) {
    QJsonObject dump = Dump(Fixture("known-map.key2"));
    QJsonArray hardware = dump["HardwareKeys"].toArray();
    ASSERT_EQ(hardware.size(), 15);
    QJsonObject centre = hardware[4].toObject();
    EXPECT_EQ(centre["Key"].toString(), "Centre");
    EXPECT_EQ(centre["Index"].toInt(), 2);
    EXPECT_EQ(centre["Number"].toInt(), 12);
    EXPECT_EQ(centre["Name"].toString(), "Next Page");
    EXPECT_EQ(hardware[5].toObject()["Key"].toString(), "Button 1");
    EXPECT_EQ(hardware[14].toObject()["Key"].toString(), "Button 10");
    EXPECT_EQ(hardware[14].toObject()["Number"].toInt(), 5);

    QJsonArray screen = dump["ScreenButtons"].toArray();
    ASSERT_EQ(screen.size(), 36);
    QJsonObject button = screen[13].toObject();
    EXPECT_EQ(button["Page"].toInt(), 2);
    EXPECT_EQ(button["Button"].toInt(), 5);
    EXPECT_EQ(button["Index"].toInt(), 3);
    EXPECT_EQ(button["Number"].toInt(), 31);
    EXPECT_EQ(button["Caption"].toString(), "A caption far too long fo");
    EXPECT_EQ(screen[35].toObject()["Caption"].toString(), "Next");
}

TEST_F(KeyCommandsTest, DumpReadsThePositionalGrammarAndWindowsText) {
    QJsonObject positional = Dump(Fixture("positional.key1"));
    EXPECT_EQ(positional["ScreenButtons"].toArray()[1].toObject()["Caption"].toString(), "Next");

    std::string accented = work.Write("accent.KEY2", "c1,1,1,5,Caf\xe9 \"quoted\" \\ here\r\n");
    QJsonObject dump = Dump(accented);
    EXPECT_EQ(dump["ScreenButtons"].toArray()[0].toObject()["Caption"].toString(),
              QString::fromUtf8("Café \"quoted\" \\ here"));
}

TEST_F(KeyCommandsTest, UnreadableInputIsReportedAndNothingIsWritten) {
    CliRun bad = Run({"dump", QString::fromStdString(Fixture("bad-command.key2"))});
    EXPECT_EQ(bad.ExitCode, 1);
    EXPECT_TRUE(bad.Err.contains("'abc' is not a valid integer value")) << bad.Err.toStdString();
    EXPECT_TRUE(bad.Out.isEmpty());
    std::string out = work.Write("out.key2", "old");
    EXPECT_EQ(Run({"keys", QString::fromStdString(Fixture("bad-command.key2")), Q(out)}).ExitCode,
              1);
    EXPECT_EQ(work.Read("out.key2"), "old");

    CliRun missing = Run({"dump", QString::fromStdString(work.File("none.key2"))});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Err.contains("none.key2"));

    std::filesystem::remove(programFolder.File("commands.dat"));
    CliRun noCatalogue = Run({"dump", QString::fromStdString(Fixture("known-map.key2"))});
    EXPECT_EQ(noCatalogue.ExitCode, 1);
    EXPECT_TRUE(noCatalogue.Err.contains("commands.dat"));

    EXPECT_NE(Run({"dump", "layout.txt"}).ExitCode, 0);
    EXPECT_EQ(Run({"dump"}).ExitCode, 2);
    EXPECT_EQ(Run({"keys", QString::fromStdString(Fixture("known-map.key2"))}).ExitCode, 2);
}

TEST_F(KeyCommandsTest, FilesThatAreNoFilesAndUnreadableCataloguesFailWithoutWriting) {
    std::string out = work.Write("out.key2", "old");
    std::filesystem::create_directory(work.File("folder.key2"));
    CliRun folder = Run({"keys", Q(work.File("folder.key2")), Q(out)});
    EXPECT_EQ(folder.ExitCode, 1);
    EXPECT_TRUE(folder.Err.contains("it is a folder.")) << folder.Err.toStdString();
    EXPECT_EQ(work.Read("out.key2"), "old");

    // A catalogue that exists but cannot be read used to turn every key into command 0.
    std::filesystem::remove(programFolder.File("commands.dat"));
    std::filesystem::create_directory(programFolder.File("commands.dat"));
    CliRun noCatalogue = Run({"keys", Q(Fixture("known-map.key2")), Q(out)});
    EXPECT_EQ(noCatalogue.ExitCode, 1);
    EXPECT_TRUE(noCatalogue.Err.contains("commands.dat: it is a folder."))
        << noCatalogue.Err.toStdString();
    EXPECT_EQ(work.Read("out.key2"), "old");
}

TEST_F(KeyCommandsTest, KeysRewritesWithTheFolderKeyCodes) {
    std::string out = work.File("out.key2");
    CliRun plain = Run(
        {"keys", QString::fromStdString(Fixture("positional.key1")), QString::fromStdString(out)});
    ASSERT_EQ(plain.ExitCode, 0) << plain.Err.toStdString();
    std::string written = work.Read("out.key2");
    EXPECT_NE(written.find("\r\nb1,3,195,12\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nc1,4,9,31,Mark here\r\n"), std::string::npos);
    EXPECT_EQ(Dump(out), Dump(Fixture("positional.key1")));

    programFolder.Write("RoamCE_Screen_Designer.ini", "[Button Defaults]\r\nButton 3=77\r\n");
    ASSERT_EQ(Run({"keys", QString::fromStdString(Fixture("known-map.key2")),
                   QString::fromStdString(out)})
                  .ExitCode,
              0);
    written = work.Read("out.key2");
    EXPECT_NE(written.find("\r\nb1,3,77,12\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nb1,4,196,31\r\n"), std::string::npos);
}
