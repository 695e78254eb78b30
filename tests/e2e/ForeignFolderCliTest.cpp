// roamplot-cli with its program folder, the documents and the handheld's folder
// named in three scripts.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "qt/CliRunner.h"

namespace roamplot::test {
namespace {

namespace fs = std::filesystem;

struct CliResult {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

class ForeignFolderCli : public ::testing::TestWithParam<fs::path> {
  protected:
    ForeignFolderCli() {
        CopyShippedCatalogues(program);
        fs::create_directories(mount / "Roamplot 2" / "Symbols");
        // The handheld's folder comes from the settings, stored as UTF-8.
        EXPECT_EQ(WriteFileAtomically(program / "RoamCE_Screen_Designer.ini",
                                      "[Settings]\r\nDevice Mount Folder=" + PathToUtf8(mount) +
                                          "\r\n[Button Defaults]\r\nButton 1=77\r\n"),
                  "");
    }

    CliResult Cli(const QStringList& arguments) {
        const CliRun run = RunCli(program, arguments);
        return {run.ExitCode, run.Out.toStdString(), run.Err.toStdString()};
    }
    // A document named after the folder.
    fs::path Document(const char* extension) const {
        fs::path file = documents / GetParam();
        file += extension;
        return file;
    }
    static QString Q(const fs::path& path) { return QStringFromPath(path); }

    TempFolder temp;
    const fs::path program = temp.MakeFolder(fs::path("program") / GetParam());
    const fs::path documents = temp.MakeFolder(fs::path("documents") / GetParam());
    const fs::path mount = temp.MakeFolder(fs::path("card") / GetParam());
};

TEST_P(ForeignFolderCli, KeyFilesAreReadAndWritten) {
    const CliResult keys =
        Cli({"keys", QString::fromStdString(TestData("known-map.key2")), Q(Document(".key2"))});
    ASSERT_EQ(keys.ExitCode, 0) << keys.Err;
    EXPECT_NE(ReadFileBytes(Document(".key2")).value_or("").find("b1,1,77,"), std::string::npos);
    const CliResult dump = Cli({"dump", Q(Document(".key2"))});
    EXPECT_EQ(dump.ExitCode, 0) << dump.Err;
    EXPECT_NE(dump.Out.find("\"ScreenButtons\""), std::string::npos);

    const CliResult missing = Cli({"dump", Q(documents / "none.key2")});
    EXPECT_EQ(missing.ExitCode, 1);
    // The message names the file as it is called, in its own script.
    EXPECT_NE(missing.Err.find("\"" + PathToUtf8(documents / "none.key2") + "\""),
              std::string::npos)
        << missing.Err;
}

TEST_P(ForeignFolderCli, ParameterFilesAreResavedDumpedRenderedAndChecked) {
    const fs::path sample = documents / "Coast Loop.par1";
    fs::copy_file(SampleLayout(), sample);
    // The shipped sample loads cleanly and resaves unchanged. Thumbnails hold rendered text,
    // so the layouts are compared rather than the bytes.
    const CliResult clean = Cli({"check", Q(sample)});
    EXPECT_EQ(std::tuple(clean.ExitCode, clean.Out), std::tuple(0, "")) << clean.Out;
    const CliResult resave = Cli({"resave", Q(sample), Q(Document(".par1"))});
    ASSERT_EQ(resave.ExitCode, 0) << resave.Err;
    const CliResult dump = Cli({"dump", Q(Document(".par1"))}), original = Cli({"dump", Q(sample)});
    EXPECT_EQ(std::tuple(dump.ExitCode, original.ExitCode), std::tuple(0, 0)) << dump.Err;
    EXPECT_EQ(dump.Out, original.Out);
    EXPECT_NE(dump.Out.find("\"PageName\""), std::string::npos);
    const QJsonDocument resaved = QJsonDocument::fromJson(QByteArray::fromStdString(dump.Out));
    EXPECT_GT(resaved["Pages"].toArray()[2].toObject()["Boxes"].toArray().size(), 4);
    const CliResult render = Cli({"render", Q(Document(".par1")), Q(Document(".png"))});
    EXPECT_EQ(render.ExitCode, 0) << render.Err;
    EXPECT_TRUE(FileExists(Document(".png")));
}

TEST_P(ForeignFolderCli, TheHandheldFolderTakesAndGivesFiles) {
    fs::copy_file(SampleLayout(), Document(".par1"));
    const CliResult sent = Cli({"send", Q(Document(".par1")), "Loop.par1"});
    ASSERT_EQ(sent.ExitCode, 0) << sent.Err;
    EXPECT_EQ(sent.Out, "Save to PDA Successful\n");
    // What goes to the handheld is the file saved for it beside the program.
    EXPECT_EQ(ReadFileBytes(mount / "Roamplot 2" / "Loop.par1").value_or("none"),
              ReadFileBytes(program / "temp.$$$"));
    const CliResult keys = Cli({"send", Q(TestData("known-map.key2")), "Known.key2"});
    ASSERT_EQ(keys.ExitCode, 0) << keys.Err;
    EXPECT_NE(ReadFileBytes(mount / "Roamplot 2" / "Known.key2").value_or("").find("\r\n"),
              std::string::npos);
    // A name for the handheld is Windows-1252 text: one it cannot hold is refused.
    const CliResult named = Cli({"send", Q(Document(".par1")), Q(Document(".par1").filename())});
    if (PathFitsText(GetParam())) {
        ASSERT_EQ(named.ExitCode, 0) << named.Err;
        EXPECT_TRUE(FileExists(mount / "Roamplot 2" / Document(".par1").filename()));
    } else {
        EXPECT_EQ(named.ExitCode, 2);
    }

    // Hidden files and files of other kinds are not listed; names are lower-cased and sorted.
    for (const char* other : {".hidden.par1", "notes.txt"})
        ASSERT_EQ(WriteFileAtomically(mount / "Roamplot 2" / other, "x"), "");
    const CliResult listed = Cli({"device-list"});
    EXPECT_EQ(listed.ExitCode, 0) << listed.Err;
    EXPECT_EQ(QString::fromStdString(listed.Out),
              (PathFitsText(GetParam()) ? Q(Document(".par1").filename()).toLower() + "\n" : "") +
                  "known.key2\nloop.par1\n");

    const CliResult got = Cli({"get", "LOOP.PAR1", Q(Document("-back.par1"))});
    ASSERT_EQ(got.ExitCode, 0) << got.Err;
    EXPECT_EQ(ReadFileBytes(Document("-back.par1")),
              ReadFileBytes(mount / "Roamplot 2" / "Loop.par1"));
}

INSTANTIATE_TEST_SUITE_P(Scripts, ForeignFolderCli, ScriptFolders(), ScriptName);

} // namespace
} // namespace roamplot::test
