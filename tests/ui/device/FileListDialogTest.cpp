#include "DeviceFixture.h"

namespace roamplot::test {
namespace {

TEST_F(DeviceTransferTest, BothPdaGroupsOfferSendAndGet) {
    Start();
    PageDesignerTab& tab = designer->Tab();
    auto* group = tab.findChild<QGroupBox*>("gPDA");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), "PDA");
    EXPECT_EQ(tab.bSend->parentWidget(), group);
    KeyMapTab& keys = *Form().KeyMapPage();
    QStringList tips;
    for (QWidget* button : {tab.bSend, tab.bGet, keys.bSend, keys.bGet}) tips << button->toolTip();
    EXPECT_EQ(tips, (QStringList{"Send Parameters File to PDA", "Get Parameters File from PDA",
                                 "Send hardware and screen control button settings to PDA",
                                 "Get hardware and screen control button settings from PDA"}));
}

TEST_F(DeviceTransferTest, TheFileListTakesAClickedOrTypedNameAndIsCentredOnTheMainWindow) {
    Start();
    FileListDialog& list = Device().FileList();
    EXPECT_EQ(list.windowTitle(), "File List");
    EXPECT_EQ(list.eFileName->maxLength(), 256);
    EXPECT_EQ(list.findChild<QLabel*>()->text(), "File Name :");
    EXPECT_EQ(list.bCancel->text(), "Cancel");

    Form().move(200, 100);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
    list.ShowDeviceFiles({"a.par1", "b.par1"});
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    EXPECT_LE((list.frameGeometry().center() - Form().frameGeometry().center()).manhattanLength(),
              2);
    QTest::mouseClick(list.lFiles->viewport(), Qt::LeftButton, {},
                      list.lFiles->visualItemRect(list.lFiles->item(1)).center());
    EXPECT_EQ(list.eFileName->text(), "b.par1");
    EXPECT_EQ(list.ChosenFile(), "b.par1");
    QTest::keyClicks(list.eFileName, "x");
    EXPECT_EQ(list.ChosenFile(), "b.par1x");

    list.bCancel->click();
    EXPECT_FALSE(list.isVisible());
    EXPECT_TRUE(list.ChosenFile().isEmpty());
    EXPECT_TRUE(list.eFileName->text().isEmpty());
    EXPECT_EQ(list.lFiles->count(), 0);
}

} // namespace
} // namespace roamplot::test
