#include <QFontMetrics>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "qt/UiTest.h"
#include "ui/app/EntryFields.h"
#include "ui/app/TimedMessage.h"

using namespace roamplot;
using namespace roamplot::test;

TEST(TimedMessage, ClosesItselfAfterItsDurationTwoSecondsWhenNoneIsGiven) {
    TimedMessage zero(TimedMessageKind::Information, 0, "Sent");
    EXPECT_EQ(zero.Timer().interval(), 2000);
    EXPECT_EQ(zero.windowTitle(), "Information");

    TimedMessage error(TimedMessageKind::Error, 500, "Could not connect");
    EXPECT_EQ(error.Timer().interval(), 500);
    EXPECT_GT(error.width(),
              error.TextLeft() + QFontMetrics(error.font()).horizontalAdvance("Could not connect"));
    error.show();
    EXPECT_TRUE(error.Timer().isActive());
    QSignalSpy finished(&error, &QDialog::finished);
    Tick(error.Timer());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(error.isVisible());
}

TEST(EntryFields, FiltersKeepOnlyWhatTheFieldAccepts) {
    QLineEdit position;
    UseSignedDigitsFilter(&position);
    QTest::keyClicks(&position, "-1a2+x");
    EXPECT_EQ(position.text(), "-12+");
    QLineEdit snap;
    UseUpperCaseFilter(&snap);
    QTest::keyClicks(&snap, "12px");
    EXPECT_EQ(snap.text(), "12PX");
}

TEST(EntryFields, EnterMovesToTheNextControlThatIsNotAPushButton) {
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    column->addWidget(first);
    column->addWidget(new QPushButton("Go", &window));
    column->addWidget(second);
    new EnterMovesFocus(&window);
    Activate(window);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_TRUE(second->hasFocus());
}
