#include <QImage>

#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

// What is written is PageExportTest's in render; here the command, the zoom it takes and its
// messages.
TEST(PageExporting, WritesThePagesAtThePreviewsZoomIntoTheChosenFolder) {
    DesignerFixture d;
    d.prompter.Shown.clear();
    d.MenuAction("aExportPages")->trigger();
    EXPECT_EQ(d.prompter.Of("message"), QStringList{"No page holds boxes to export."});

    d.AddBox({0, 0, 40, 20});
    d.MenuAction("aDuplicatePage")->trigger();
    d.Preview().SetZoom(2);
    Settle();
    const fs::path folder = d.folder.MakeFolder("export");
    d.prompter.FileAnswers = {QStringFromPath(folder)};
    d.prompter.Shown.clear();
    d.MenuAction("aExportPages")->trigger();
    ASSERT_TRUE(d.prompter.Of("error").isEmpty()) << d.prompter.Shown.join("\n").toStdString();
    EXPECT_EQ(QImage(QStringFromPath(folder / "page-01-Page 1.png")).size(), QSize(480, 562));
    EXPECT_TRUE(fs::exists(folder / "page-02-Page 1.png"));
    EXPECT_FALSE(QImage(QStringFromPath(folder / "contact-sheet.png")).isNull());
    ASSERT_EQ(d.prompter.Of("timed").size(), 1);
    EXPECT_TRUE(d.prompter.Of("timed")[0].endsWith("2 pages and the contact sheet written to \"" +
                                                   Native(QStringFromPath(folder)) + "\"."));
    EXPECT_FALSE(d.form->findChild<QWidget*>("ExportProgress")) << "the progress bar is gone";

    // A file where the folder should be.
    d.folder.Write("taken", "x");
    d.prompter.FileAnswers = {Q(d.folder.File("taken"))};
    d.MenuAction("aExportPages")->trigger();
    ASSERT_EQ(d.prompter.Of("error").size(), 1);
    EXPECT_TRUE(d.prompter.Of("error")[0].startsWith("Cannot write to the folder"));
}
