// Test programs that need Qt run under an offscreen application.
#include <QApplication>
#include <QFont>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // One 1600 x 1000 desktop, so that window placement is tested on a known screen.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM",
                "offscreen:configfile=" TEST_DATA_DIR "/offscreen-1600x1000.json");
    // Recovery copies of this process's designers stay apart from the user's and
    // from other test processes'; a child started by a test keeps its parent's.
    QTemporaryDir recovery;
    if (qEnvironmentVariableIsEmpty("ROAMPLOT_RECOVERY_FOLDER"))
        qputenv("ROAMPLOT_RECOVERY_FOLDER", recovery.path().toUtf8());
#ifdef TEST_FONT_DIR
    // Qt's offscreen platform on Windows reads fonts from one folder only: the Linux
    // suite's fonts, so that text measures the same.
    qputenv("QT_QPA_FONTDIR", TEST_FONT_DIR);
#endif
    QApplication app(argc, argv);
#ifdef TEST_FONT_DIR
    QFont::insertSubstitution("Arial", "Liberation Sans"); // as fontconfig does on Linux
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
