#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "qt/UiTest.h"
#include "ui/app/ConfigurationTab.h"

// The rows' sizes and codes, the stored settings and the bounds of a custom size are the core's;
// here the rows and the refresh reach them and the preview follows.
namespace {
struct Designer : DesignerFixture {
    using DesignerFixture::DesignerFixture;
    ConfigurationTab* Config() { return form->Configuration(); }
    void ClickRow(int row) { Click(Config()->rDeviceScreen[row]); }
};
} // namespace

TEST(DeviceScreenSelection, ARowSetsThePreviewAndTheCodeAndOnlyTheCustomRowTakesASize) {
    Designer d(FloatingPreview());
    d.ClickRow(3);
    EXPECT_EQ(d.form->Preview()->size(), QSize(330, 250));
    EXPECT_EQ(d.form->Layout().DeviceTypeCode, "HPC");
    EXPECT_EQ(d.Config()->eScreenWidth->text(), "320");
    EXPECT_FALSE(d.Config()->bRefresh->isEnabled());
    EXPECT_FALSE(d.Config()->eScreenHeight->isEnabled());

    d.ClickRow(7);
    ASSERT_TRUE(d.Config()->eScreenWidth->isEnabled());
    EXPECT_EQ(d.form->Layout().DeviceTypeCode, "Custom");
    d.Config()->eScreenWidth->clear();
    QTest::keyClicks(d.Config()->eScreenWidth, "800");
    d.Config()->eScreenHeight->clear();
    QTest::keyClicks(d.Config()->eScreenHeight, "480");
    Click(d.Config()->bRefresh);
    // Stored at once, not only at the close.
    EXPECT_PRED2(Holds, Ini(d), "Custom Device Width=800");
    EXPECT_PRED2(Holds, Ini(d), "Custom Device Height=480");
    EXPECT_EQ(d.form->Preview()->size(), QSize(810, 490));
}

TEST(DeviceScreenSelection, AStoredCustomRowIsShownAtStart) {
    Designer d(FloatingPreview(
        "[Settings]\nDevice Type=7\nCustom Device Width=400\nCustom Device Height=300\n"));
    EXPECT_TRUE(d.Config()->rDeviceScreen[7]->isChecked());
    EXPECT_EQ(d.Config()->eScreenWidth->text(), "400");
    EXPECT_TRUE(d.Config()->bRefresh->isEnabled());
    EXPECT_EQ(d.form->Preview()->size(), QSize(410, 310));
}

TEST(DeviceScreenSelection, ARefreshThatIsNoNumberOrUnusableChangesNothing) {
    Designer d(FloatingPreview());
    d.ClickRow(7);
    d.Config()->eScreenWidth->setText("500");
    d.Config()->eScreenHeight->setText("ABC");
    Click(d.Config()->bRefresh);
    EXPECT_EQ(d.prompter.Of("error"), QStringList{"'ABC' is not a valid integer value"});
    EXPECT_FALSE(Holds(Ini(d), "Custom Device")) << Ini(d);
    EXPECT_EQ(d.form->Preview()->size(), QSize(490, 250));
    EXPECT_EQ(d.form->Screen().CustomWidth, 500) << "the width lands before the height fails";

    d.Config()->eScreenWidth->setText("800");
    d.Config()->eScreenHeight->setText("39");
    Click(d.Config()->bRefresh);
    EXPECT_EQ(d.prompter.Of("message"), QStringList{UnusableCustomSizeMessage});
    EXPECT_EQ(d.form->Screen().CustomWidth, 500);
    EXPECT_EQ(d.form->Preview()->size(), QSize(490, 250));
    EXPECT_FALSE(Holds(Ini(d), "Custom Device")) << Ini(d);
}

TEST(DeviceScreenSelection, AStoredRowOutsideTheScreensIsToldOnceAndTheFirstIsChecked) {
    Designer d("[Settings]\nDevice Type=12\n");
    EXPECT_EQ(d.prompter.Of("message"),
              QStringList{"The stored device type 12 is not one of the screens; the first screen "
                          "is used."});
    EXPECT_TRUE(d.Config()->rDeviceScreen[0]->isChecked());
    EXPECT_EQ(d.form->Preview()->DeviceSize(), (ScreenSize{240, 320}));
}

TEST(DeviceScreenSelection, ALockedPreviewFollowsTheMainWindowAndAnUnlockedOneStays) {
    Designer d(FloatingPreview());
    d.Config()->cLockWindows->setChecked(true);
    d.ClickRow(0);
    d.form->move(600, 40);
    const QPoint beside = d.form->Preview()->pos();
    EXPECT_EQ(beside,
              QPoint(d.form->frameGeometry().left() - d.form->Preview()->frameGeometry().width(),
                     d.form->frameGeometry().top()));
    d.Config()->cLockWindows->setChecked(false);
    d.form->move(300, 60);
    EXPECT_EQ(d.form->Preview()->pos(), beside);
}
