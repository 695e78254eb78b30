#include <QListWidget>

#include "qt/UiTest.h"
#include "ui/designer/ImportPagesDialog.h"

using namespace roamplot;
using namespace roamplot::test;

// Where the pages go is PageInsertionTest's in core; here the commands, the dialog and the
// messages.
TEST(PageCopying, DuplicatePageShowsTheCopyAndSaysWhenNoPageIsLeft) {
    DesignerFixture d;
    d.AddBox({0, 0, 40, 20});
    d.AddBox({40, 0, 40, 20});
    Settle();
    d.MenuAction("aDuplicatePage")->trigger();
    Settle();
    EXPECT_EQ(d.Layout().CurrentPage, 2);
    EXPECT_EQ(d.Tab().lCurrentPage->text(), "2");
    EXPECT_EQ(d.Tab().cParameterList->count(), 2);
    EXPECT_EQ(d.RectOf(2), (BoxRect{40, 0, 40, 20}));
    EXPECT_EQ(d.MenuAction("aUndo")->text(), "&Undo Duplicate Page");

    for (int i = 0; i < 18; ++i) d.MenuAction("aDuplicatePage")->trigger();
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
    EXPECT_EQ(d.Layout().CurrentPage, 2);
    EXPECT_EQ(d.Layout().PageAt(2).PageName, "Page 4");
    EXPECT_EQ(d.Layout().BoxCount(2), 3);
    EXPECT_TRUE(d.Layout().Box(2, 1).Symbol) << "with its symbol";
    EXPECT_EQ(d.form->Screen().Row, 0) << "the file's screen is not taken";
    EXPECT_EQ(d.Layout().BoxCount(1), 1) << "the current page stays";
    EXPECT_EQ(d.Layout().BoxCount(3), 0) << "the unticked page stays out";
    EXPECT_EQ(d.MenuAction("aUndo")->text(), "&Undo Import Pages");
    d.MenuAction("aUndo")->trigger();
    EXPECT_EQ(d.Layout().BoxCount(2), 0);
}

TEST(PageCopying, ImportTellsWhatTheReaderFoundAndWhenRoomRunsOut) {
    DesignerFixture d;
    d.prompter.FileAnswers = {Q(d.folder.File("absent.par1"))};
    d.MenuAction("aImportPages")->trigger();
    ASSERT_EQ(d.prompter.Of("error").size(), 1);
    EXPECT_TRUE(d.prompter.Of("error")[0].contains("absent.par1"));

    d.AddBox({0, 0, 40, 20});
    for (int i = 0; i < 18; ++i) d.MenuAction("aDuplicatePage")->trigger();
    d.MenuAction("aPreviousPage")->trigger();
    d.prompter.FileAnswers = {Q(TestData("writer_symbols.par1"))};
    d.prompter.DialogAnswers.push_back(
        [](QDialog& dialog) { dynamic_cast<ImportPagesDialog&>(dialog).bImport->click(); });
    d.prompter.Shown.clear();
    d.MenuAction("aImportPages")->trigger();
    EXPECT_EQ(d.prompter.Of("message"), QStringList{"Only 1 page can be added."});
    EXPECT_EQ(d.Layout().PageAt(19).PageName, "Page 1");
    EXPECT_EQ(d.Layout().BoxCount(20), 1);
}
