#pragma once
// Runs the built roamplot-cli on a program folder and collects what it did.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>

namespace roamplot::test {

struct CliRun {
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};

inline CliRun RunCli(const std::string& programFolder, const QStringList& arguments) {
    QProcess process;
    process.start(QString(PROGRAM_BIN_DIR) + "/roamplot-cli",
                  QStringList{"--program-folder", QString::fromStdString(programFolder)} +
                      arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace roamplot::test
