#include <QListView>

#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

// The items the open list shows, in order, headings marked with "-".
QStringList ShownItems(QComboBox& choice) {
    auto* list = qobject_cast<QListView*>(choice.view());
    QStringList shown;
    for (int row = 0; row < choice.count(); ++row)
        if (!list->isRowHidden(row)) shown << choice.itemText(row);
    return shown;
}

void Type(const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
}
void Press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

TEST(ParameterChoice, TypingNarrowsTheListKeepingGroupsAndEnterPicksTheHighlightedEntry) {
    DesignerFixture d;
    const int slot = d.AddBox({10, 10, 60, 30});
    Activate(*d.form);
    ParameterChoiceBox& choice = *d.Tab().cParameter;
    QTest::mouseClick(&choice, Qt::LeftButton);
    ASSERT_TRUE(choice.view()->isVisible());

    Type("alti");
    EXPECT_EQ(ShownItems(choice),
              (QStringList{"-Altitude", "Altitude", "Maximum Altitude", "Minimum Altitude",
                           "Altitude of Destination", "-Graphs", "Altitude Profile"}));
    EXPECT_EQ(choice.view()->currentIndex().row(), d.form->Catalogue().PositionOf(30))
        << "the first entry shown is highlighted";
    auto* line = choice.view()->parentWidget()->findChild<QLabel*>("lParameterSearch");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(std::tuple(line->isVisible(), line->text()), std::tuple(true, "Search: alti"));
    for (int n = 0; n < 4; ++n) Press(Qt::Key_Backspace);
    EXPECT_EQ(ShownItems(choice).size(), choice.count());
    EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(d.Box(slot).ParameterId, "0") << "typing chose nothing";

    Type("MUM ALT");
    EXPECT_EQ(ShownItems(choice),
              (QStringList{"-Altitude", "Maximum Altitude", "Minimum Altitude"}));
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    EXPECT_FALSE(choice.view()->isVisible());
    EXPECT_EQ(d.Box(slot).ParameterId, "032") << "the highlighted entry, as its catalogue entry";
    EXPECT_EQ(choice.currentIndex(), d.form->Catalogue().PositionOf(32));
    EXPECT_EQ(ShownItems(choice).size(), choice.count()) << "a closed list hides nothing";
}

TEST(ParameterChoice, TypingOnTheClosedChoiceOpensItNarrowedAndChangesNothingUntilPicked) {
    DesignerFixture d;
    const int slot = d.AddBox({10, 10, 60, 30});
    Choose(d, 1);
    Activate(*d.form);
    ParameterChoiceBox& choice = *d.Tab().cParameter;
    // Tabbed into, not clicked: the list stays closed.
    choice.setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), &choice);
    ASSERT_FALSE(choice.view()->isVisible());

    Type("dest");
    EXPECT_TRUE(choice.view()->isVisible());
    EXPECT_EQ(choice.Search(), "dest");
    EXPECT_EQ(d.Box(slot).ParameterId, "001") << "no jump to an entry starting with the letter";
    EXPECT_TRUE(ShownItems(choice).contains("Altitude of Destination"));
    EXPECT_FALSE(ShownItems(choice).contains("Speed"));

    Type("zzz");
    EXPECT_EQ(ShownItems(choice), QStringList());
    Press(Qt::Key_Return);
    EXPECT_EQ(d.Box(slot).ParameterId, "001") << "nothing shown, nothing picked";
    Press(Qt::Key_Escape);
    EXPECT_FALSE(choice.view()->isVisible());
    EXPECT_EQ(choice.Search(), "");
    EXPECT_EQ(d.Box(slot).ParameterId, "001");
    EXPECT_EQ(choice.currentIndex(), d.form->Catalogue().PositionOf(1));
}

} // namespace
