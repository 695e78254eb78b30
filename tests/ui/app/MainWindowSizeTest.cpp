#include <QScrollBar>

#include "qt/UiTest.h"
#include "ui/widgets/FittedContent.h"
#include "ui/widgets/ScreenPlacement.h"

namespace {
// A laptop screen of 1366 x 768 less a task bar.
const WindowRect Laptop{0, 0, 1366, 728};

QSize FrameSize(MainForm& form) {
    QApplication::processEvents();
    return form.frameGeometry().size();
}
} // namespace

TEST(MainWindowSize, OneSizeForEveryKindOfBoxThatFitsALaptopScreen) {
    DesignerFixture d;
    d.form->FitIntoArea(Laptop);
    const QSize empty = FrameSize(*d.form);
    EXPECT_LE(empty.width(), Laptop.Width);
    EXPECT_LE(empty.height() + TitleBarAllowance, Laptop.Height);
    auto* content = d.form->findChild<FittedContent*>();
    ASSERT_NE(content, nullptr);
    EXPECT_FALSE(content->verticalScrollBar()->isVisible());
    EXPECT_FALSE(content->horizontalScrollBar()->isVisible());

    const int slot = d.AddBox({10, 10, 60, 30});
    d.Designer().SelectBox(slot);
    EXPECT_EQ(FrameSize(*d.form), empty) << "a new box";
    // A map, a text, a background, a button, and values with every set of groups.
    for (int id : {900, 901, 902, 1000, 1, 20, 150, 163, 168, 173, 300}) {
        Choose(d, id);
        d.Designer().SelectBox(slot);
        EXPECT_EQ(FrameSize(*d.form), empty) << "box " << id;
    }
}

TEST(MainWindowSize, ASmallerAreaScrollsTheContentAndKeepsEveryControlReachable) {
    DesignerFixture d;
    const WindowRect small{0, 0, 900, 560};
    d.form->FitIntoArea(small);
    QApplication::processEvents();
    const QRect frame = d.form->frameGeometry();
    EXPECT_TRUE(QRect(small.Left, small.Top, small.Width, small.Height).contains(frame));
    auto* content = d.form->findChild<FittedContent*>();
    ASSERT_NE(content, nullptr);
    EXPECT_TRUE(content->verticalScrollBar()->isVisible());
    EXPECT_TRUE(content->horizontalScrollBar()->isVisible());
    // The farthest corner's control scrolls into sight, whole.
    QPushButton* help = d.Tab().bHelp;
    content->ensureWidgetVisible(help);
    const QRect shown(help->mapTo(content->viewport(), QPoint(0, 0)), help->size());
    EXPECT_TRUE(content->viewport()->rect().contains(shown));
}
