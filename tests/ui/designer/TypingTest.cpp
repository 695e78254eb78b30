#include "qt/Typing.h"
#include "qt/UiTest.h"
#include "ui/app/ConfigurationTab.h"
#include "ui/app/StatusLine.h"
#include "ui/widgets/TypingLimit.h"
#include <QClipboard>

namespace {

class TypingTest : public ::testing::Test {
  protected:
    TypingTest() { Activate(*d.form); }

    int BoxOf(int id) { return roamplot::test::BoxOf(d, id, {10, 10, 80, 40}); }
    // Replaces the field's text by typing, checking after each key that the focus stayed.
    void Retype(QWidget* field, const QString& text) {
        SCOPED_TRACE(field->objectName().toStdString());
        ClickInto(field);
        EraseField(field);
        for (QChar c : text) {
            Type(QString(c));
            ASSERT_TRUE(HasFocus(field)) << "after typing '" << QString(c).toStdString() << "'";
        }
        Settle();
    }
    const ParameterBox& Shown(int slot) { return d.Box(slot); }

    DesignerFixture d;
};

// With a text box selected.
class FieldRulesTest : public TypingTest {
  protected:
    FieldRulesTest() { slot = BoxOf(901); }
    QString Note() const { return d.form->Status()->currentMessage(); }

    int slot = 0;
};

} // namespace

// Typing as a user types: a click into a field, then one key after another to
// whatever has the focus. Every key must land in the field, the focus must
// stay there, and one run of typing must be one undo step.
TEST_F(TypingTest, TheTextOfATextBoxArrivesWholeAndSpaceAndDeleteStayInTheField) {
    const int slot = BoxOf(901);
    Retype(d.Tab().cTitleText, "Coast Loop");
    EXPECT_EQ(Shown(slot).TitleText, "Coast Loop");
    EXPECT_TRUE(d.prompter.Shown.isEmpty()) << d.prompter.Shown.join('\n').toStdString();

    Press(Qt::Key_Home);
    Press(Qt::Key_Delete);
    EXPECT_TRUE(HasFocus(d.Tab().cTitleText));
    ASSERT_TRUE(Shown(slot).InUse()) << "Delete in a field deleted the box";
    EXPECT_EQ(Shown(slot).TitleText, "oast Loop");
    Press(Qt::Key_End);
    Type(" Ride");
    EXPECT_EQ(Shown(slot).TitleText, "oast Loop Ride");
}

TEST_F(TypingTest, EveryTextAndNumberFieldOfEachKindOfBoxTakesWhatIsTyped) {
    PageDesignerTab& t = d.Tab();
    struct Field {
        QWidget* field;
        QString typed;
        std::function<std::string(const ParameterBox&)> stored;
    };
    auto number = [](int ParameterBox::*member) {
        return [member](const ParameterBox& b) { return std::to_string(b.*member); };
    };
    const Field title{t.cTitleText, "Ground Speed", [](auto& b) { return b.TitleText; }};
    const Field sample{t.cParTestText, "12.5", [](auto& b) { return b.TestText; }};
    const Field titleSize{t.cTitleFontSize, "14", number(&ParameterBox::TitleFontSize)};
    const Field textSize{t.cParFontSize, "22", number(&ParameterBox::TextFontSize)};
    const Field width{t.cBorderWidth, "12", number(&ParameterBox::BorderWidth)};
    const Field radius{t.cBorderRadius, "15", number(&ParameterBox::BorderRadius)};
    const struct {
        int id;
        std::vector<Field> fields;
    } kinds[] = {
        {1, {title, sample, titleSize, textSize, width, radius}},   // a value
        {300, {title, sample, titleSize, textSize, width, radius}}, // a value with units
        {151, {title, titleSize, textSize, width, radius}},         // a graph
        {901, {title, titleSize, width, radius}},                   // a text
        {902, {title, titleSize, width, radius}},                   // a background
        {1000, {title, titleSize}},                                 // a button
        {900, {width}},                                             // the map
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.id);
        const int slot = BoxOf(kind.id);
        for (const Field& f : kind.fields) {
            Retype(f.field, f.typed);
            EXPECT_EQ(f.stored(Shown(slot)), f.typed.toStdString())
                << f.field->objectName().toStdString();
        }
        EXPECT_TRUE(d.prompter.Shown.isEmpty()) << d.prompter.Shown.join('\n').toStdString();
    }
}

TEST_F(TypingTest, ThePageNameAndThePositionFieldsKeepTheFocus) {
    const int slot = BoxOf(1);
    Retype(d.Tab().cPageName, "North Ride");
    EXPECT_EQ(d.Layout().PageAt(1).PageName, "North Ride");

    AdjustPanel& adjust = *d.Tab().Adjust;
    Retype(adjust.BoxLeft, "37");
    Tick(d.form->Adjuster()->Timer2());
    Settle();
    EXPECT_TRUE(HasFocus(adjust.BoxLeft));
    EXPECT_EQ(Shown(slot).Left, 37);
    Retype(adjust.BoxHeight, "51");
    Tick(d.form->Adjuster()->Timer2());
    Settle();
    EXPECT_EQ(Shown(slot).Height, 51);
}

TEST_F(TypingTest, ARunOfTypingIsOneUndoStep) {
    const int slot = BoxOf(1);
    const std::string before = Shown(slot).TitleText;
    Retype(d.Tab().cTitleText, "Pace");
    ClickInto(d.Tab().cParTestText); // ends the run
    Settle();
    ASSERT_EQ(Shown(slot).TitleText, "Pace");
    d.MenuAction("aUndo")->trigger();
    Settle();
    EXPECT_EQ(Shown(slot).TitleText, before);
    ASSERT_TRUE(Shown(slot).InUse()) << "one undo went past the typing";
}

TEST_F(TypingTest, KeyCaptionsAndConfigurationFieldsTakeWhatIsTyped) {
    d.form->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    KeyMapTab& keys = *d.form->KeyMapPage();
    keys.InnerTabs->setCurrentIndex(1);
    Settle();
    QTreeWidgetItem* row = keys.lScreen->topLevelItem(0);
    QTest::mouseClick(keys.lScreen->viewport(), Qt::LeftButton, {},
                      keys.lScreen->visualItemRect(row).center());
    Retype(keys.eCaption, "Zoom In");
    EXPECT_EQ(d.form->Keys().ScreenButtons[0][0].Caption, "Zoom In");

    d.form->Tabs()->setCurrentIndex(MainForm::ConfigurationTabIndex);
    Settle();
    ConfigurationTab& c = *d.form->Configuration();
    const std::pair<QLineEdit*, QString> fields[] = {
        {c.eDeviceFolder, "\\Storage Card\\Roam"},
        {c.eAdjust, "5"},
        {c.eSnap, "8"},
    };
    for (const auto& [field, typed] : fields) {
        Retype(field, typed);
        EXPECT_EQ(field->text(), typed);
    }
}

// What a field does with what is typed or pasted into it, and the questions
// about unsaved changes that can save first.
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

// Tab visits the page designer as it is read: the page options, the box
// commands and the adjust panel under them, the box list, the parameter and
// its properties group by group, then the file and handheld buttons.
TEST(TabOrder, FollowsTheReadingOrderOfThePageDesigner) {
    DesignerFixture d;
    BoxOf(d, 1, {0, 0, 40, 20});
    Activate(*d.form);
    PageDesignerTab& t = d.Tab();
    t.cPageName->setFocus();
    QStringList visited{t.cPageName->objectName()};
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == t.cPageName) break;
        if (t.isAncestorOf(now)) visited << now->objectName();
    }
    EXPECT_EQ(visited.join(' '),
              "cPageName bPageUp bPageDown bPrevious bNext bClearPage bDeletePage bNew Delete1 "
              "bCopy bPaste BoxLeft BoxTop BoxWidth BoxHeight LbButton3 cParameterList bUP bDown "
              "cParameter cTitleText cTitleFontSize cTitleForeColor cTitleBackColor "
              "cTitleBackStyle cParFontSize cAutoFontSize cParTestText cParForeColor "
              "cParBackColor cParBackStyle cBorderWidth cBorderRadius cBorderColor cJustification "
              "bNewFile bLoad bSave bSend bGet bHelp");
}
