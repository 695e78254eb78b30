// The design commands as the user reaches them: the menu entry, the dialog and the
// messages. What each command does to the layout is the editor's, the exporter's and
// the picture converter's, and their undo steps are the undo table's.
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "core/designer/LayoutScaling.h"
#include "core/model/DibFile.h"
#include "qt/Typing.h"
#include "qt/UiTest.h"
#include "ui/designer/ImportPagesDialog.h"
#include "ui/designer/ScaleScreenDialog.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

// The next "Scale Layout To Screen" dialog as a user answers it: a click on a
// screen's option, for the custom screen the size typed into its fields, a
// click on "Scale".
void AnswerScale(DesignerFixture& d, int row, const QString& width = {},
                 const QString& height = {}) {
    d.prompter.DialogAnswers.push_back([row, width, height](QDialog& dialog) {
        auto& scale = dynamic_cast<ScaleScreenDialog&>(dialog);
        Activate(scale);
        QTest::mouseClick(scale.rTargetScreen[static_cast<std::size_t>(row)], Qt::LeftButton, {},
                          {4, 4});
        for (auto [field, text] :
             {std::pair{scale.eTargetWidth, width}, {scale.eTargetHeight, height}}) {
            if (text.isEmpty()) continue;
            ClickInto(field);
            EraseField(field);
            Type(text);
        }
        Click(scale.bScale);
    });
}

void AddPages(DesignerFixture& d, int duplicates) {
    for (int i = 0; i < duplicates; ++i) d.MenuAction("aDuplicatePage")->trigger();
}

} // namespace

TEST(ScaleLayout, TheTypedScreenIsAskedAboutScaledToAndShown) {
    DesignerFixture d;
    d.AddBox({120, 0, 120, 100});
    Settle();
    AnswerScale(d, CustomDeviceRow, "800", "480");
    d.prompter.Shown.clear();
    d.MenuAction("aScaleLayoutToScreen")->trigger();
    Settle();
    EXPECT_EQ(d.prompter.Of("confirm"),
              QStringList{"Scale every box of every page from 240 x 320 to 800 x 480? Symbols "
                          "and background pictures keep their size."});
    EXPECT_TRUE(d.form->Configuration()->rDeviceScreen[CustomDeviceRow]->isChecked());
    EXPECT_EQ(d.form->Configuration()->ScreenWidthText(), "800");
    EXPECT_EQ(d.RectOf(1), (BoxRect{400, 0, 400, 157}));
    EXPECT_EQ(d.Preview().DrawArea()->width(), 800 * d.Preview().Zoom());
    EXPECT_TRUE(d.prompter.Of("message").isEmpty()) << d.prompter.Shown.join("\n").toStdString();
}

TEST(ScaleLayout, ARefusedSizeOrACancelChangesNothing) {
    DesignerFixture d;
    d.AddBox({10, 10, 60, 30});
    Settle();
    AnswerScale(d, CustomDeviceRow, "40", "480"); // refused: stays open, then closed
    d.MenuAction("aScaleLayoutToScreen")->trigger();
    EXPECT_EQ(d.prompter.Of("message"), QStringList{UnscalableScreenMessage});
    d.prompter.ConfirmAnswers = {false};
    AnswerScale(d, 5);
    d.MenuAction("aScaleLayoutToScreen")->trigger();
    Settle();
    EXPECT_EQ(d.form->Screen().Row, 0);
    EXPECT_EQ(d.RectOf(1), (BoxRect{10, 10, 60, 30}));
    EXPECT_EQ(d.MenuAction("aUndo")->text(), "&Undo New Box") << "no step recorded";
}

TEST(PasteStyleCommand, CtrlShiftVGivesTheSelectedBoxTheCopiedLookAndWithoutACopySaysSo) {
    DesignerFixture d;
    const int source = d.AddBox({0, 0, 60, 30});
    const int target = d.AddBox({0, 40, 80, 30});
    Settle();
    d.prompter.Shown.clear();
    d.MenuAction("aPasteStyle")->trigger();
    EXPECT_EQ(d.prompter.Of("message"), QStringList{"Copy a box first, then paste its style."});

    Select(d, source);
    d.Tab().cBorderWidth->setValue(5);
    Settle();
    d.MenuAction("aCopy")->trigger();
    Select(d, target);
    Activate(*d.form);
    ClickInto(d.Tab().cParameterList);
    Press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    Settle();
    EXPECT_EQ(d.Box(target).BorderWidth, 5);
    EXPECT_EQ(d.Tab().cBorderWidth->value(), 5) << "the panel shows the pasted look";
    EXPECT_EQ(d.Layout().BoxCount(1), 2) << "no box pasted";
}

TEST(PageCopying, DuplicatePageShowsTheCopyAndSaysWhenNoPageIsLeft) {
    DesignerFixture d;
    d.AddBox({0, 0, 40, 20});
    d.AddBox({40, 0, 40, 20});
    Settle();
    d.MenuAction("aDuplicatePage")->trigger();
    Settle();
    EXPECT_EQ(d.Tab().lCurrentPage->text(), "2");
    EXPECT_EQ(d.Tab().cParameterList->count(), 2);

    AddPages(d, 18);
    EXPECT_EQ(d.form->Configuration()->cNumPages->value(), 20) << "every page can be browsed";
    EXPECT_TRUE(d.prompter.Of("message").isEmpty());
    d.MenuAction("aDuplicatePage")->trigger();
    EXPECT_EQ(d.prompter.Of("message"), QStringList{"There are no more pages available."});
}

TEST(PageCopying, ImportShowsThePagesWithThumbnailsAndInsertsTheTickedOnes) {
    DesignerFixture d;
    d.AddBox({0, 0, 40, 20});
    Settle();
    QStringList listed;
    d.prompter.FileAnswers = {Q(TestData("writer_symbols.par1"))};
    d.prompter.DialogAnswers.push_back([&listed](QDialog& dialog) {
        auto& import = dynamic_cast<ImportPagesDialog&>(dialog);
        Activate(import);
        for (int row = 0; row < import.lPages->count(); ++row) {
            listed << import.lPages->item(row)->text();
            EXPECT_FALSE(import.lPages->item(row)->icon().isNull());
        }
        // The first page's tick taken off with the keyboard, as a user would.
        QListWidgetItem* first = import.lPages->item(0);
        QTest::mouseClick(import.lPages->viewport(), Qt::LeftButton, {},
                          import.lPages->visualItemRect(first).center());
        QTest::keyClick(import.lPages, Qt::Key_Space);
        QTest::mouseClick(import.bImport, Qt::LeftButton);
    });
    d.MenuAction("aImportPages")->trigger();
    Settle();
    EXPECT_EQ(listed, (QStringList{"1  Page 1", "2  Page 4"}));
    EXPECT_EQ(d.Tab().lCurrentPage->text(), "2");
    EXPECT_EQ(d.Layout().PageAt(2).PageName, "Page 4");
    EXPECT_EQ(d.Layout().BoxCount(3), 0) << "the unticked page stays out";
}

TEST(PageCopying, ImportTellsWhatTheReaderFoundAndWhenRoomRunsOut) {
    DesignerFixture d;
    d.prompter.FileAnswers = {Q(d.folder.File("absent.par1"))};
    d.MenuAction("aImportPages")->trigger();
    ASSERT_EQ(d.prompter.Of("error").size(), 1);
    EXPECT_TRUE(d.prompter.Of("error")[0].contains("absent.par1"));

    d.AddBox({0, 0, 40, 20});
    AddPages(d, 18);
    d.MenuAction("aPreviousPage")->trigger();
    d.prompter.FileAnswers = {Q(TestData("writer_symbols.par1"))};
    d.prompter.DialogAnswers.push_back(
        [](QDialog& dialog) { dynamic_cast<ImportPagesDialog&>(dialog).bImport->click(); });
    d.prompter.Shown.clear();
    d.MenuAction("aImportPages")->trigger();
    EXPECT_EQ(d.prompter.Of("message"), QStringList{"Only 1 page can be added."});
    EXPECT_EQ(d.Layout().PageAt(19).PageName, "Page 1");
}

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

TEST(PictureChoice, APngIsSavedAsABitmapInTheSymbolsFolderAfterTheQuestions) {
    DesignerFixture d;
    const int slot = d.AddBox({0, 0, 60, 30});
    Choose(d, 1000);
    Settle();
    QImage picture(100, 20, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 0, 0));
    const std::string png = d.folder.Write("flag.png", "");
    ASSERT_TRUE(picture.save(Q(png), "PNG"));
    d.prompter.FileAnswers = {Q(png)};
    d.prompter.Shown.clear();
    Click(d.Tab().cAddButtonSymbol);
    Settle();
    const fs::path bmp = fs::path(d.folder.Path()) / "Symbols" / "flag.bmp";
    EXPECT_EQ(d.prompter.Of("yesno"),
              QStringList{"The picture is 100 x 20 pixels, larger than its box of 60 x 30. Scale "
                          "it to fit the box?"});
    EXPECT_EQ(d.prompter.Of("confirm"),
              QStringList{"The handheld reads only bitmaps: the picture is converted to a 24-bit "
                          "bitmap and saved as \"" +
                          Native(QStringFromPath(bmp)) + "\"."});
    const DibReadResult written = ReadDibFromBmpFile(bmp);
    ASSERT_TRUE(written.Picture) << written.Error;
    EXPECT_EQ(written.Picture->Width(), 60) << "scaled as answered";
    EXPECT_EQ(d.Box(slot).SymbolFile, bmp);
    EXPECT_EQ(*d.Box(slot).Symbol, *written.Picture);

    // Chosen again: the bitmap there is not replaced without asking; No keeps it.
    d.prompter.FileAnswers = {Q(png)};
    d.prompter.ConfirmAnswers = {false, true, false}; // no scaling, OK, do not replace
    d.prompter.Shown.clear();
    Click(d.Tab().cAddButtonSymbol);
    EXPECT_EQ(d.prompter.Of("yesno").last(),
              "\"" + Native(QStringFromPath(bmp)) + "\" exists. Replace it?");
    EXPECT_EQ(ReadDibFromBmpFile(bmp).Picture->Width(), 60);

    // A damaged picture is named, and the box keeps its symbol.
    d.prompter.FileAnswers = {Q(d.folder.Write("broken.png", "\x89PNG\r\n\x1a\nbroken"))};
    d.prompter.Shown.clear();
    Click(d.Tab().cAddButtonSymbol);
    ASSERT_EQ(d.prompter.Of("error").size(), 1);
    EXPECT_TRUE(d.prompter.Of("error")[0].contains("broken.png"));
    EXPECT_EQ(*d.Box(slot).Symbol, *written.Picture);
}
