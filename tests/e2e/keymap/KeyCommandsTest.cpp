#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>

#include "qt/CliRunner.h"

namespace {

class KeyCommandsTest : public CliTest {
  protected:
    KeyCommandsTest() { program.Write("commands.dat", TestDataBytes("keymap-commands.dat")); }

    QJsonObject Dump(const QString& path) {
        CliRun run = Run({"dump", path});
        EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        QJsonParseError error;
        QJsonDocument document = QJsonDocument::fromJson(run.Out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << run.Out.toStdString();
        return document.object();
    }
    // The output keeps "old" after each run that must fail.
    void ExpectRefused(const QStringList& arguments, const char* error) {
        const std::string out = work.Write("out.key2", "old");
        CliRun run = Run(arguments + QStringList{Q(out)});
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_TRUE(run.Err.contains(error)) << run.Err.toStdString();
        EXPECT_EQ(work.Read("out.key2"), "old");
    }
};

TEST_F(KeyCommandsTest, DumpPrintsEveryKeyAndButtonInOrder) {
    QJsonObject dump = Dump(Data("known-map.key2"));
    QJsonArray hardware = dump["HardwareKeys"].toArray();
    ASSERT_EQ(hardware.size(), 15);
    QJsonObject centre = hardware[4].toObject();
    EXPECT_EQ(std::tuple(centre["Key"].toString(), centre["Index"].toInt(),
                         centre["Number"].toInt(), centre["Name"].toString()),
              std::tuple("Centre", 2, 12, "Next Page"));
    EXPECT_EQ(std::tuple(hardware[5].toObject()["Key"].toString(),
                         hardware[14].toObject()["Key"].toString(),
                         hardware[14].toObject()["Number"].toInt()),
              std::tuple("Button 1", "Button 10", 5));

    QJsonArray screen = dump["ScreenButtons"].toArray();
    ASSERT_EQ(screen.size(), 36);
    QJsonObject button = screen[13].toObject();
    EXPECT_EQ(std::tuple(button["Page"].toInt(), button["Button"].toInt(), button["Index"].toInt(),
                         button["Number"].toInt(), button["Caption"].toString()),
              std::tuple(2, 5, 3, 31, "A caption far too long fo"));
    EXPECT_EQ(screen[35].toObject()["Caption"].toString(), "Next");
}

// The positional grammar is dumped in KeysRewritesWithTheFolderKeyCodes.
TEST_F(KeyCommandsTest, DumpGivesWindowsTextAsUnicode) {
    std::string accented = work.Write("accent.KEY2", "c1,1,1,5,Caf\xe9 \"quoted\" \\ here\r\n");
    QJsonObject dump = Dump(Q(accented));
    EXPECT_EQ(dump["ScreenButtons"].toArray()[0].toObject()["Caption"].toString(),
              QString::fromUtf8("Café \"quoted\" \\ here"));
}

// Which lines a damaged key file keeps is KeyFileReaderTest's.
TEST_F(KeyCommandsTest, UnreadableInputFailsWithoutWriting) {
    CliRun bad = Run({"dump", Data("bad-command.key2")});
    EXPECT_EQ(bad.ExitCode, 1);
    EXPECT_TRUE(bad.Err.contains("'abc' is not a valid integer value")) << bad.Err.toStdString();
    EXPECT_TRUE(bad.Out.isEmpty());
    ExpectRefused({"keys", Data("bad-command.key2")}, "'abc' is not a valid integer value");
    std::filesystem::create_directory(work.File("folder.key2"));
    ExpectRefused({"keys", Work("folder.key2")}, "it is a folder.");
    EXPECT_EQ(Run({"dump"}).ExitCode, 2);
    EXPECT_EQ(Run({"keys", Data("known-map.key2")}).ExitCode, 2);

    // A catalogue that exists but cannot be read used to turn every key into command 0.
    std::filesystem::remove(program.File("commands.dat"));
    std::filesystem::create_directory(program.File("commands.dat"));
    ExpectRefused({"keys", Data("known-map.key2")}, "commands.dat: it is a folder.");
}

TEST_F(KeyCommandsTest, KeysRewritesWithTheFolderKeyCodes) {
    CliRun plain = Run({"keys", Data("positional.key1"), Work("out.key2")});
    ASSERT_EQ(plain.ExitCode, 0) << plain.Err.toStdString();
    std::string written = work.Read("out.key2");
    EXPECT_NE(written.find("\r\nb1,3,195,12\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nc1,4,9,31,Mark here\r\n"), std::string::npos);
    EXPECT_EQ(Dump(Work("out.key2")), Dump(Data("positional.key1")));

    program.Write("RoamCE_Screen_Designer.ini", "[Button Defaults]\r\nButton 3=77\r\n");
    ASSERT_EQ(Run({"keys", Data("known-map.key2"), Work("out.key2")}).ExitCode, 0);
    written = work.Read("out.key2");
    EXPECT_NE(written.find("\r\nb1,3,77,12\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nb1,4,196,31\r\n"), std::string::npos);
}

} // namespace
