#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

#include "qt/DesignerFixture.h"
#include "qt/ShownTitle.h"
#include "ui/app/MainMenu.h"
#include "ui/designer/PropertyPanel.h"
#include "ui/keymap/KeyMapTab.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
QAction* Action(DesignerFixture& d, const char* name) {
    return d.form->Menu()->Action(name);
}
// The event loop's turn after a command, where its undo step is recorded.
void Settle() {
    QCoreApplication::processEvents();
}
} // namespace

TEST(Undo, EachCommandIsOneStepAndTheViewFollowsWhatChanged) {
    DesignerFixture d;
    QTest::mouseClick(d.Tab().bNew, Qt::LeftButton);
    Settle();
    const int slot = d.Designer().GetControl();
    const std::string untitled = d.Box(slot).TitleText;
    for (char typed : std::string("Spd")) {
        QTest::keyClick(d.Tab().cTitleText, typed);
        Settle();
    }
    EXPECT_EQ(Action(d, "aUndo")->text(), "&Undo Change Title");
    d.DragBox(slot, {6, 0});
    Settle();
    const BoxRect once = d.RectOf(slot);
    d.DragBox(slot, {6, 0});
    Settle();
    Action(d, "aDeleteBox")->trigger();
    Action(d, "aNextPage")->trigger();
    ASSERT_EQ(d.Layout().CurrentPage, 2);

    Action(d, "aUndo")->trigger();
    EXPECT_EQ(d.Layout().CurrentPage, 1) << "the undone step's page is shown";
    ASSERT_EQ(d.Layout().BoxCount(1), 1);
    EXPECT_EQ(d.Designer().GetControl(), slot);
    Action(d, "aUndo")->trigger();
    EXPECT_EQ(d.RectOf(slot), once) << "each drag is a step";
    Action(d, "aUndo")->trigger();
    EXPECT_EQ(Action(d, "aUndo")->text(), "&Undo Change Title");
    Action(d, "aUndo")->trigger();
    EXPECT_EQ(d.Box(slot).TitleText, untitled) << "the typing was one step";
    EXPECT_EQ(d.Tab().cTitleText->text().toStdString(), untitled);
    Action(d, "aUndo")->trigger();
    EXPECT_EQ(d.Layout().BoxCount(1), 0);
    EXPECT_FALSE(d.Layout().Modified) << "back where the session started";
    EXPECT_FALSE(ShownTitle(*d.form).endsWith("*"));
    EXPECT_FALSE(Action(d, "aUndo")->isEnabled());

    for (int i = 0; i < 4; ++i) Action(d, "aRedo")->trigger();
    EXPECT_EQ(d.Box(slot).TitleText, "Spd");
    EXPECT_EQ(Action(d, "aRedo")->text(), "&Redo Delete Box");
    Action(d, "aRedo")->trigger();
    EXPECT_EQ(d.Layout().BoxCount(1), 0);
    EXPECT_TRUE(d.Layout().Modified);
}

TEST(Undo, TheKeyTabUndoesItsOwnEditsOnly) {
    DesignerFixture d;
    d.AddBox({0, 0, 40, 20});
    Settle();
    d.form->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    KeyMapTab& keys = *d.form->KeyMapPage();
    keys.lHardware->setCurrentItem(keys.lHardware->topLevelItem(0));
    keys.cHardwareCommand->setCurrentIndex(3);
    EXPECT_EQ(Action(d, "aUndo")->text(), "&Undo Assign Key");
    EXPECT_TRUE(ShownTitle(*d.form).endsWith("*"));

    Action(d, "aUndo")->trigger();
    EXPECT_EQ(d.form->Keys().HardwareKeys[0], 0);
    EXPECT_FALSE(d.form->Keys().Changed);
    EXPECT_FALSE(ShownTitle(*d.form).endsWith("*"));
    EXPECT_EQ(d.Layout().BoxCount(1), 1);
    EXPECT_FALSE(Action(d, "aUndo")->isEnabled());

    d.form->Tabs()->setCurrentIndex(MainForm::PageDesignerTabIndex);
    EXPECT_EQ(Action(d, "aUndo")->text(), "&Undo New Box");
}
