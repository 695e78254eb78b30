// Typing as a user types: a click into a field, then one key after another to
// whatever has the focus. Every key must land in the field, the focus must
// stay there, and one run of typing must be one undo step.
#include "qt/Typing.h"
#include "qt/UiTest.h"
#include "ui/app/ConfigurationTab.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

class TypingTest : public ::testing::Test {
  protected:
    TypingTest() { Activate(*d.form); }

    int BoxOf(int id) {
        const int slot = d.AddBox({10, 10, 80, 40});
        Choose(d, id);
        d.Designer().SelectBox(slot);
        Settle();
        return slot;
    }
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

} // namespace

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
