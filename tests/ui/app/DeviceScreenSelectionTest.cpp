#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "qt/UiTest.h"
#include "ui/app/ConfigurationTab.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
struct Designer : DesignerFixture {
    using DesignerFixture::DesignerFixture;
    ConfigurationTab* Config() { return form->Configuration(); }
    void ClickRow(int row) { Click(Config()->rDeviceScreen[row]); }
};
} // namespace

TEST(DeviceScreenSelection, SameSizeRowsDifferOnlyInTheirCode) {
    Designer d;
    d.ClickRow(1);
    EXPECT_EQ(d.form->Preview()->size(), QSize(330, 250));
    EXPECT_EQ(d.form->Layout().DeviceTypeCode, "PPC");
    d.ClickRow(3);
    EXPECT_EQ(d.form->Preview()->size(), QSize(330, 250));
    EXPECT_EQ(d.form->Layout().DeviceTypeCode, "HPC");
    EXPECT_EQ(d.Config()->eScreenWidth->text(), "320");
    EXPECT_FALSE(d.Config()->bRefresh->isEnabled());
    EXPECT_FALSE(d.Config()->eScreenHeight->isEnabled());
}

TEST(DeviceScreenSelection, StoredRowAndCustomSizeAreAppliedAtStartAndAFixedRowKeepsTheSize) {
    Designer d("[Settings]\nDevice Type=7\nCustom Device Width=400\nCustom Device Height=300\n");
    EXPECT_TRUE(d.Config()->rDeviceScreen[7]->isChecked());
    EXPECT_EQ(d.Config()->eScreenWidth->text(), "400");
    EXPECT_TRUE(d.Config()->bRefresh->isEnabled());
    EXPECT_EQ(d.form->Preview()->size(), QSize(410, 310));
    EXPECT_EQ(d.form->Layout().DeviceTypeCode, "Custom");
    // Closed on a fixed row, only the row is written.
    d.ClickRow(3);
    ASSERT_TRUE(d.form->close());
    const std::string ini = Ini(d);
    EXPECT_PRED2(Holds, ini, "Device Type=3");
    EXPECT_PRED2(Holds, ini, "Custom Device Width=400");
    EXPECT_PRED2(Holds, ini, "Custom Device Height=300");
}

TEST(DeviceScreenSelection, RefreshStoresTheCustomSizeAtOnce) {
    Designer d;
    d.ClickRow(7);
    ASSERT_TRUE(d.Config()->eScreenWidth->isEnabled());
    EXPECT_EQ(d.Config()->eScreenWidth->text(), "480");
    d.Config()->eScreenWidth->clear();
    QTest::keyClicks(d.Config()->eScreenWidth, "800");
    d.Config()->eScreenHeight->clear();
    QTest::keyClicks(d.Config()->eScreenHeight, "480");
    Click(d.Config()->bRefresh);
    const std::string ini = Ini(d);
    EXPECT_PRED2(Holds, ini, "Custom Device Width=800");
    EXPECT_PRED2(Holds, ini, "Custom Device Height=480");
    EXPECT_EQ(d.form->Preview()->size(), QSize(810, 490));
}

TEST(DeviceScreenSelection, RefreshWithTextThatIsNotANumberChangesNothingOnDisk) {
    Designer d;
    d.ClickRow(7);
    d.Config()->eScreenWidth->setText("500");
    d.Config()->eScreenHeight->setText("ABC");
    Click(d.Config()->bRefresh);
    EXPECT_EQ(d.prompter.Of("error"), QStringList{"'ABC' is not a valid integer value"});
    EXPECT_FALSE(Holds(Ini(d), "Custom Device")) << Ini(d);
    EXPECT_EQ(d.form->Preview()->size(), QSize(490, 250));
    EXPECT_EQ(d.form->Screen().CustomWidth, 500);
}

TEST(DeviceScreenSelection, AStoredRowOutsideTheScreensStartsOnTheFirstAndSaysSoOnce) {
    Designer d("[Settings]\nDevice Type=12\n");
    EXPECT_EQ(d.prompter.Of("message"),
              QStringList{"The stored device type 12 is not one of the screens; the first screen "
                          "is used."});
    EXPECT_TRUE(d.Config()->rDeviceScreen[0]->isChecked());
    EXPECT_EQ(d.form->Preview()->DeviceSize(), (ScreenSize{240, 320}));
    EXPECT_EQ(d.form->Layout().DeviceTypeCode, "PPC");
    Click(d.Tab().bNew);
    EXPECT_EQ(d.RectOf(1), (BoxRect{0, 251, 60, 30}));
    ASSERT_TRUE(d.form->close());
    EXPECT_PRED2(Holds, Ini(d), "Device Type=0");
    EXPECT_EQ(d.prompter.Of("message").size(), 1);
}

TEST(DeviceScreenSelection, LockedPreviewFollowsTheMainWindow) {
    Designer d;
    d.Config()->cLockWindows->setChecked(true);
    d.ClickRow(0);
    d.form->move(100, 40);
    EXPECT_EQ(d.form->Preview()->pos(), QPoint(0, d.form->frameGeometry().top()));
    d.form->move(600, 40);
    EXPECT_EQ(d.form->Preview()->pos(),
              QPoint(d.form->frameGeometry().left() - d.form->Preview()->frameGeometry().width(),
                     d.form->frameGeometry().top()));

    // Below the main window, as far as the 1000 pixels high desktop lets it.
    d.ClickRow(4);
    const QRect main = d.form->frameGeometry();
    const QPoint below = d.form->Preview()->pos();
    EXPECT_EQ(below.x(), main.left());
    EXPECT_LE(below.y(), main.top() + main.height());
    EXPECT_GT(below.y(), main.top());
    EXPECT_LE(below.y() + d.form->Preview()->height(), 1000);

    d.Config()->cLockWindows->setChecked(false);
    d.form->move(300, 60);
    EXPECT_EQ(d.form->Preview()->pos(), below);
}

TEST(DeviceScreenSelection, SizesThePreviewCannotShowAreRefused) {
    Designer d("[Settings]\nDevice Type=7\nCustom Device Width=99999\nCustom Device Height=240\n");
    EXPECT_EQ(d.form->Screen().CustomWidth, 480);
    for (auto [width, height] :
         {std::pair{"0", "300"}, {"800", "39"}, {"5000", "300"}, {"-4", "300"}}) {
        d.Config()->eScreenWidth->setText(width);
        d.Config()->eScreenHeight->setText(height);
        Click(d.Config()->bRefresh);
        EXPECT_EQ(d.prompter.Of("message").last(), UnusableCustomSizeMessage);
        EXPECT_EQ(d.form->Screen().CustomWidth, 480);
        EXPECT_EQ(d.form->Preview()->size(), QSize(490, 250));
    }
    EXPECT_FALSE(Holds(Ini(d), "Custom Device Width=0")) << Ini(d);
    ASSERT_TRUE(d.form->close());
    EXPECT_PRED2(Holds, Ini(d), "Custom Device Width=480");
}
