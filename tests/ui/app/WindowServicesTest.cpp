#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "ui/app/EntryFields.h"
#include "ui/app/TimedMessage.h"

using namespace roamplot;

TEST(TimedMessage, ClosesItselfAfterItsDuration) {
    TimedMessage zero(TimedMessageKind::Information, 0, "Sent");
    EXPECT_EQ(zero.Timer().interval(), 2000);
    EXPECT_TRUE(zero.Timer().isSingleShot());
    EXPECT_EQ(zero.windowTitle(), "Information");

    TimedMessage error(TimedMessageKind::Error, 500, "Could not connect");
    EXPECT_EQ(error.Timer().interval(), 500);
    EXPECT_EQ(error.windowTitle(), "Error");
    EXPECT_EQ(TimedMessageCaption(TimedMessageKind::Warning), "Warning");
    EXPECT_EQ(error.width(), error.TextLeft() +
                                 QFontMetrics(error.font()).horizontalAdvance("Could not connect") +
                                 15);

    error.show();
    EXPECT_TRUE(error.Timer().isActive());
    QSignalSpy finished(&error, &QDialog::finished);
    QMetaObject::invokeMethod(&error.Timer(), "timeout");
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
    auto* button = new QPushButton("Go", &window);
    auto* second = new QLineEdit(&window);
    column->addWidget(first);
    column->addWidget(button);
    column->addWidget(second);
    new EnterMovesFocus(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_TRUE(second->hasFocus());
}
