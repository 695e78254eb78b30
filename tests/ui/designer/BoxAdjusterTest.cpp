#include "qt/UiTest.h"

namespace {
AdjustPanel& Panel(DesignerFixture& d) {
    return *d.Tab().Adjust;
}
BoxAdjuster& Adjuster(DesignerFixture& d) {
    return *d.form->Adjuster();
}
void SetStep(DesignerFixture& d, const QString& step) {
    d.form->Configuration()->eAdjust->setText(step);
}
} // namespace

TEST(NudgeButtons, AHeldButtonStepsOnEveryTickAndAQuickClickNotAtAll) {
    DesignerFixture d;
    int slot = d.AddBox({50, 60, 20, 10});
    QPushButton* right = Panel(d).AdjustRight;
    QTest::mouseClick(right, Qt::LeftButton);
    EXPECT_EQ(d.RectOf(slot), (BoxRect{50, 60, 20, 10}));
    EXPECT_FALSE(Adjuster(d).Timer1().isActive());

    QTest::mousePress(right, Qt::LeftButton);
    EXPECT_TRUE(Adjuster(d).Timer1().isActive());
    EXPECT_EQ(Adjuster(d).Timer1().interval(), 100);
    EXPECT_EQ(d.RectOf(slot).Left, 50) << "nothing happens on the press itself";
    for (int i = 0; i < 10; ++i) Tick(Adjuster(d).Timer1());
    QTest::mouseRelease(right, Qt::LeftButton);
    EXPECT_FALSE(Adjuster(d).Timer1().isActive());
    EXPECT_EQ(d.RectOf(slot), (BoxRect{60, 60, 20, 10}));
    EXPECT_EQ(d.Control(slot)->geometry(), QRect(60, 60, 20, 10));
    EXPECT_EQ(Panel(d).BoxLeft->text(), "60");
    EXPECT_EQ(Panel(d).lPosition->text(), "60,60");

    // The step is read afresh on every tick; resizing keeps to the held edge.
    SetStep(d, "5");
    QTest::mousePress(Panel(d).bbe, Qt::LeftButton);
    Tick(Adjuster(d).Timer1());
    QTest::mouseRelease(Panel(d).bbe, Qt::LeftButton);
    EXPECT_EQ(d.RectOf(slot), (BoxRect{60, 60, 20, 15}));
    EXPECT_EQ(Panel(d).BoxHeight->text(), "15");
    EXPECT_TRUE(d.Layout().Modified);
}

TEST(NudgeButtons, FailuresAreToldOncePerPressAndStopTheRepeat) {
    DesignerFixture d;
    QTest::mousePress(Panel(d).bte, Qt::LeftButton);
    Tick(Adjuster(d).Timer1());
    EXPECT_FALSE(Adjuster(d).Timer1().isActive());
    QTest::mouseRelease(Panel(d).bte, Qt::LeftButton);
    EXPECT_EQ(d.prompter.Shown, QStringList{"message: No Window Box selected"});

    int slot = d.AddBox({50, 60, 20, 10});
    SetStep(d, "abc");
    QTest::mousePress(Panel(d).AdjustDown, Qt::LeftButton);
    Tick(Adjuster(d).Timer1());
    EXPECT_FALSE(Adjuster(d).Timer1().isActive());
    QTest::mouseRelease(Panel(d).AdjustDown, Qt::LeftButton);
    EXPECT_EQ(d.prompter.Of("error"), QStringList{"'ABC' is not a valid integer value"});
    EXPECT_EQ(d.RectOf(slot), (BoxRect{50, 60, 20, 10}));
}

TEST(NudgeButtons, ArrowKeysInThePreviewStepTheSelectedBox) {
    DesignerFixture d;
    int slot = d.AddBox({50, 60, 20, 10});
    QWidget* preview = ClickIntoPreview(d);
    EXPECT_EQ(preview, &d.Preview());
    QTest::keyClick(preview, Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(d.RectOf(slot), (BoxRect{49, 60, 20, 11}));
    EXPECT_EQ(d.Control(slot)->geometry(), QRect(49, 60, 20, 11));
}

TEST(PositionFields, ShowTheSelectedBoxAndTypedValuesApplyOneSecondAfterTheFirstKeystroke) {
    DesignerFixture d;
    int slot = d.AddBox({10, 20, 200, 40});
    d.AddBox({50, 60, 70, 80});
    d.SetUp([](ScreenLayout& l) { l.Modified = false; });
    QTest::mouseClick(d.Control(slot), Qt::LeftButton, {}, {2, 2});
    QStringList shown;
    for (QLineEdit* field : Panel(d).BoundsFields()) shown << field->text();
    EXPECT_EQ(shown, (QStringList{"10", "20", "200", "40"}));
    EXPECT_EQ(Panel(d).lSize->text(), "200,40");
    EXPECT_FALSE(Adjuster(d).Timer2().isActive()) << "showing a box is no edit";
    EXPECT_FALSE(d.Layout().Modified);

    Panel(d).BoxLeft->clear();
    QTest::keyClicks(Panel(d).BoxLeft, "10x0");
    EXPECT_EQ(Panel(d).BoxLeft->text(), "100") << "only digits, + and - are typed";
    EXPECT_TRUE(d.Layout().Modified);
    ASSERT_TRUE(Adjuster(d).Timer2().isActive());
    EXPECT_EQ(Adjuster(d).Timer2().interval(), 1000);
    EXPECT_TRUE(Adjuster(d).Timer2().isSingleShot());
    EXPECT_EQ(d.RectOf(slot).Left, 10);

    Tick(Adjuster(d).Timer2());
    EXPECT_FALSE(Adjuster(d).Timer2().isActive());
    // 200 wide on a 240 wide screen: moved back inside, not shrunk.
    EXPECT_EQ(d.RectOf(slot), (BoxRect{40, 20, 200, 40}));
    EXPECT_EQ(d.Control(slot)->geometry(), QRect(40, 20, 200, 40));
    EXPECT_EQ(Panel(d).BoxLeft->text(), "40");
}

TEST(PositionFields, ATickWithoutABoxSaysSoAndAnEmptyOrBadFieldLeavesTheWholeBoxAsItWas) {
    DesignerFixture d;
    QTest::keyClicks(Panel(d).BoxLeft, "5");
    Tick(Adjuster(d).Timer2());
    EXPECT_EQ(d.prompter.Shown, QStringList{"message: No Window Box selected"});
    d.prompter.Shown.clear();
    int slot = d.AddBox({10, 20, 30, 40});
    Panel(d).BoxTop->clear();
    QTest::keyClicks(Panel(d).BoxLeft, "5");
    Tick(Adjuster(d).Timer2());
    EXPECT_EQ(d.RectOf(slot), (BoxRect{10, 20, 30, 40}));
    EXPECT_TRUE(d.prompter.Shown.isEmpty());

    QTest::keyClicks(Panel(d).BoxTop, "7");
    QTest::keyClicks(Panel(d).BoxWidth, "-");
    Tick(Adjuster(d).Timer2());
    EXPECT_EQ(d.prompter.Of("error"), QStringList{"'30-' is not a valid integer value"});
    EXPECT_EQ(d.RectOf(slot), (BoxRect{10, 20, 30, 40}));
    EXPECT_EQ(d.Control(slot)->geometry(), QRect(10, 20, 30, 40));
}
