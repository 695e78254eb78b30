// roamplot-cli with its program folder, the documents and the handheld's folder
// named in three scripts. The file rules in such folders are ForeignFolderNames'.

#include <filesystem>

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "qt/CliRunner.h"

namespace {

namespace fs = std::filesystem;

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

    CliRun Cli(const QStringList& arguments) { return RunCli(program, arguments); }
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

TEST_P(ForeignFolderCli, FilesAreRewrittenSentAndFetchedAndAMissingOneIsNamedInItsScript) {
    const CliRun keys =
        Cli({"keys", QString::fromStdString(TestData("known-map.key2")), Q(Document(".key2"))});
    ASSERT_EQ(keys.ExitCode, 0) << keys.Err.toStdString();
    EXPECT_NE(ReadFileBytes(Document(".key2")).value_or("").find("b1,1,77,"), std::string::npos);
    const CliRun missing = Cli({"dump", Q(documents / "none.key2")});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(missing.Err).contains("\"" + Q(documents / "none.key2") + "\""))
        << missing.Err.toStdString();

    // Thumbnails hold rendered text, so the layouts are compared rather than the bytes.
    const fs::path sample = documents / "Coast Loop.par1";
    fs::copy_file(SampleLayout(), sample);
    // The shipped sample has nothing to report.
    const CliRun clean = Cli({"check", Q(sample)});
    EXPECT_EQ(std::tuple(clean.ExitCode, clean.Out.toStdString()), std::tuple(0, ""))
        << clean.Out.toStdString();
    const CliRun resave = Cli({"resave", Q(sample), Q(Document(".par1"))});
    ASSERT_EQ(resave.ExitCode, 0) << resave.Err.toStdString();
    const CliRun dump = Cli({"dump", Q(Document(".par1"))}), original = Cli({"dump", Q(sample)});
    EXPECT_EQ(std::tuple(dump.ExitCode, original.ExitCode), std::tuple(0, 0))
        << dump.Err.toStdString();
    EXPECT_EQ(dump.Out, original.Out);

    const CliRun sent = Cli({"send", Q(Document(".par1")), "Loop.par1"});
    ASSERT_EQ(sent.ExitCode, 0) << sent.Err.toStdString();
    EXPECT_EQ(ReadFileBytes(mount / "Roamplot 2" / "Loop.par1").value_or("none"),
              ReadFileBytes(program / "temp.$$$"));
    // A name for the handheld is Windows-1252 text: one it cannot hold is refused.
    const CliRun named = Cli({"send", Q(Document(".par1")), Q(Document(".par1").filename())});
    EXPECT_EQ(named.ExitCode, PathFitsText(GetParam()) ? 0 : 2) << named.Err.toStdString();
    const CliRun got = Cli({"get", "LOOP.PAR1", Q(Document("-back.par1"))});
    ASSERT_EQ(got.ExitCode, 0) << got.Err.toStdString();
    EXPECT_EQ(ReadFileBytes(Document("-back.par1")),
              ReadFileBytes(mount / "Roamplot 2" / "Loop.par1"));
}

INSTANTIATE_TEST_SUITE_P(Scripts, ForeignFolderCli, ScriptFolders(), ScriptName);

} // namespace
