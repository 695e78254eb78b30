// What a field does with what is typed or pasted into it, and the questions
// about unsaved changes that can save first.
#include <QClipboard>

#include "qt/Typing.h"
#include "qt/UiTest.h"
#include "ui/app/StatusLine.h"
#include "ui/widgets/TypingLimit.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
class FieldRulesTest : public ::testing::Test {
  protected:
    FieldRulesTest() {
        Activate(*d.form);
        slot = d.AddBox({10, 10, 80, 40});
        Choose(d, 901);
        d.Designer().SelectBox(slot);
        Settle();
    }
    QString Note() const { return d.form->Status()->currentMessage(); }

    DesignerFixture d;
    int slot = 0;
};
} // namespace

TEST_F(FieldRulesTest, ACommaIsNeitherTypedNorPastedIntoTextsThatGoIntoTheFile) {
    QLineEdit* title = d.Tab().cTitleText;
    ClickInto(title);
    EraseField(title);
    Type("Ride, North");
    EXPECT_EQ(d.Box(slot).TitleText, "Ride North");
    EXPECT_EQ(Note(), FieldTextRules::CommaNote);

    d.form->Status()->clearMessage();
    QGuiApplication::clipboard()->setText(",a,b,");
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d.Box(slot).TitleText, "Ride Northab");
    EXPECT_EQ(Note(), FieldTextRules::CommaNote);

    // The page name and a key caption go into the files too.
    ClickInto(d.Tab().cPageName);
    Type(",");
    EXPECT_EQ(d.Layout().PageAt(1).PageName.find(','), std::string::npos);

    // The configuration's folder is no text of those files: it keeps its comma.
    d.form->Tabs()->setCurrentIndex(MainForm::ConfigurationTabIndex);
    Settle();
    QLineEdit* folder = d.form->Configuration()->eDeviceFolder;
    ClickInto(folder);
    Type(",");
    EXPECT_TRUE(folder->text().endsWith(','));
}

TEST_F(FieldRulesTest, AHugePasteIsCutToTheTypingLimit) {
    QLineEdit* title = d.Tab().cTitleText;
    ClickInto(title);
    EraseField(title);
    QGuiApplication::clipboard()->setText(QString(100000, 'x'));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d.Box(slot).TitleText, std::string(25, 'x'));
    EXPECT_TRUE(HasFocus(title));
}

TEST_F(FieldRulesTest, CtrlZInAFieldWithNothingOfItsOwnToUndoUndoesTheLayout) {
    Pick(d.Tab().cTitleBackStyle, 2);
    Settle();
    ASSERT_EQ(d.Box(slot).TitleBackStyle, 2);
    ClickInto(d.Tab().cTitleText);
    Press(Qt::Key_Z, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(d.Box(slot).TitleBackStyle, 0);
    EXPECT_TRUE(HasFocus(d.Tab().cTitleText));

    // With typing of its own, the field undoes that first.
    Type("Q");
    Settle();
    Press(Qt::Key_Z, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(d.Box(slot).TitleText, "Text");
    EXPECT_TRUE(d.Box(slot).InUse());
}

TEST_F(FieldRulesTest, SaveInTheQuestionSavesFirstAndStopsWhenTheSaveIsCancelled) {
    ASSERT_TRUE(d.Layout().Modified);
    d.prompter.UnsavedAnswers = {UnsavedChoice::Save};
    d.prompter.FileAnswers = {}; // the name is not given: nothing goes on
    Click(d.Tab().bNewFile);
    EXPECT_TRUE(d.Box(slot).InUse()) << "a cancelled save keeps the layout";

    const QString file = QString::fromStdString(d.folder.File("kept.par1"));
    d.prompter.UnsavedAnswers = {UnsavedChoice::Save};
    d.prompter.FileAnswers = {file};
    Click(d.Tab().bNewFile);
    EXPECT_TRUE(fs::exists(d.folder.File("kept.par1")));
    EXPECT_FALSE(d.Box(slot).InUse()) << "saved, then the new layout";

    Click(d.Tab().bNew);
    d.prompter.UnsavedAnswers = {UnsavedChoice::Cancel};
    d.form->close();
    EXPECT_TRUE(d.form->isVisible()) << "Cancel keeps the designer open";
}
