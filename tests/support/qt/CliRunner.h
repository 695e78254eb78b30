#pragma once
// Runs the built roamplot-cli on a program folder and collects what it did.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>

#include "plain/TempFolder.h"
#include "plain/TestFiles.h"
#include "render/PathText.h"

namespace roamplot::test {

struct CliRun {
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};

inline CliRun RunCli(const std::filesystem::path& programFolder, const QStringList& arguments) {
    QProcess process;
#ifdef _WIN32
    // The companion draws with Windows' own platform, as its users run it, not with the
    // window tests' offscreen one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("QT_QPA_FONTDIR");
    process.setProcessEnvironment(environment);
#endif
    process.start(QString(PROGRAM_BIN_DIR) + "/roamplot-cli",
                  QStringList{"--program-folder", QStringFromPath(programFolder)} + arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The CLI on a program folder with the shipped catalogues, and a folder for documents.
class CliTest : public ::testing::Test {
  protected:
    CliTest() { CopyShippedCatalogues(program); }
    CliRun Run(const QStringList& arguments) { return RunCli(program.Path(), arguments); }
    QString Work(const std::string& name) const { return Q(work.File(name)); }
    static QString Data(const std::string& name) { return Q(TestData(name)); }

    TempFolder program;
    TempFolder work;
};

} // namespace roamplot::test

using namespace roamplot;
using namespace roamplot::test;
