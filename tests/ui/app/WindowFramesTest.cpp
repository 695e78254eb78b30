// The main window's frame and the windows' places: docked, every control and the
// drawing area seen on the screens users have; floating, each window where it was left.
#include <QAbstractScrollArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

#include "qt/UiTest.h"
#include "ui/widgets/FittedContent.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
// A laptop of 1366 x 768 and a desktop of 1600 x 1000, each less a task bar.
const WindowRect Laptop{0, 0, 1366, 728};
const WindowRect Desktop{0, 0, 1600, 960};
constexpr int Row240x320 = 0;
constexpr int Row480x272 = 5;

QRect Seen(const QWidget& widget, QWidget& in) {
    return QRect(widget.mapTo(&in, QPoint(0, 0)), widget.size());
}

// Inside a list or a choice, what is seen is that widget's own business.
bool InsideScrolledView(QWidget* widget, QWidget* tab) {
    for (QWidget* up = widget->parentWidget(); up && up != tab; up = up->parentWidget())
        if (qobject_cast<QAbstractScrollArea*>(up)) return true;
    return false;
}

void ExpectEveryControlSeen(MainForm& form, const WindowRect& area) {
    QApplication::processEvents();
    const QRect frame = form.frameGeometry();
    EXPECT_TRUE(QRect(area.Left, area.Top, area.Width, area.Height).contains(frame))
        << "window " << frame.width() << " x " << frame.height();
    auto* content = form.findChild<FittedContent*>();
    ASSERT_NE(content, nullptr);
    QWidget* viewport = content->viewport();
    EXPECT_FALSE(content->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(content->verticalScrollBar()->isVisible());
    QWidget* tab = form.Tabs()->currentWidget();
    for (QWidget* control : tab->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&form) || InsideScrolledView(control, tab)) continue;
        EXPECT_TRUE(viewport->rect().contains(Seen(*control, *viewport)))
            << "tab " << form.Tabs()->currentIndex() << ": " << control->metaObject()->className()
            << " " << control->objectName().toStdString();
    }
}

void ExpectDrawingAreaWhole(PreviewWindow& preview) {
    QWidget* viewport = preview.ScrollArea()->viewport();
    EXPECT_TRUE(viewport->rect().contains(Seen(*preview.DrawArea(), *viewport)))
        << "seen " << viewport->width() << " x " << viewport->height();
}

void ChooseRow(DesignerFixture& d, int row) {
    d.form->cDeviceScreenClick(row);
    QApplication::processEvents();
}
} // namespace

TEST(DockedPreview, EveryControlAndTheWholeDrawingAreaAreSeenOnALaptopAndADesktop) {
    DesignerFixture d("[Settings]\r\nCustom Device Width=800\r\nCustom Device Height=480\r\n");
    Activate(*d.form);
    const int slot = d.AddBox({10, 10, 60, 30});
    for (const WindowRect& area : {Laptop, Desktop})
        for (int row : {Row240x320, Row480x272}) {
            SCOPED_TRACE(std::to_string(area.Width) + " row " + std::to_string(row));
            ChooseRow(d, row);
            d.form->FitIntoArea(area);
            QApplication::processEvents();
            const QSize frame = d.form->frameGeometry().size();
            // A map, a text, a background, a button, and values with every set of groups.
            for (int id : {900, 901, 902, 1000, 1, 20, 150, 163, 168, 173, 300}) {
                SCOPED_TRACE(id);
                Choose(d, id);
                d.Designer().SelectBox(slot);
                ExpectEveryControlSeen(*d.form, area);
                EXPECT_EQ(d.form->frameGeometry().size(), frame) << "one size for every box";
            }
            ExpectDrawingAreaWhole(d.Preview());
            for (int tab : {MainForm::KeyTabIndex, MainForm::ConfigurationTabIndex}) {
                d.form->Tabs()->setCurrentIndex(tab);
                ExpectEveryControlSeen(*d.form, area);
            }
            d.form->Tabs()->setCurrentIndex(MainForm::PageDesignerTabIndex);
        }
    // A screen of 800 x 480 scrolls in the preview; the controls stay whole.
    ChooseRow(d, CustomDeviceRow);
    d.form->FitIntoArea(Laptop);
    Choose(d, 1);
    d.Designer().SelectBox(slot);
    ExpectEveryControlSeen(*d.form, Laptop);
    const QScrollArea& scroll = *d.Preview().ScrollArea();
    EXPECT_TRUE(scroll.horizontalScrollBar()->isVisible());
    // The bar lies right under the page, and no second bar scrolls its height.
    EXPECT_FALSE(scroll.verticalScrollBar()->isVisible());
    EXPECT_LE(scroll.height(), scroll.widget()->height() + 2 * scroll.frameWidth() +
                                   scroll.horizontalScrollBar()->height());
}

TEST(DockedPreview, ALargerScreenGrowsTheWindowAndTheControlsStayWhole) {
    DesignerFixture d("[Settings]\r\nCustom Device Width=800\r\nCustom Device Height=480\r\n");
    Activate(*d.form);
    d.form->FitIntoArea(Desktop);
    const int before = d.form->width();
    ChooseRow(d, CustomDeviceRow);
    EXPECT_GT(d.form->width(), before);
    ExpectEveryControlSeen(*d.form, {0, 0, 1600, 1000});
    ChooseRow(d, Row240x320);
    EXPECT_GT(d.form->width(), before) << "a smaller screen leaves the size the user has";
}

TEST(DockedPreview, AScaledDesktopMayScrollTheControlsButNotTheDrawingArea) {
    DesignerFixture d;
    Activate(*d.form);
    ChooseRow(d, Row480x272);
    // 1600 x 1000 at a scale of 1.5, less a task bar.
    d.form->FitIntoArea({0, 0, 1066, 640});
    QApplication::processEvents();
    EXPECT_TRUE(QRect(0, 0, 1066, 640).contains(d.form->frameGeometry()));
    ExpectDrawingAreaWhole(d.Preview());
    // Where the controls scroll, the farthest corner's control scrolls into sight, whole.
    auto* content = d.form->findChild<FittedContent*>();
    ASSERT_NE(content, nullptr);
    QPushButton* help = d.Tab().bHelp;
    content->ensureWidgetVisible(help);
    EXPECT_TRUE(content->viewport()->rect().contains(Seen(*help, *content->viewport())));
}

TEST(DockedPreview, DockedAtFirstFloatingAndDockingAgainKeepThePlacesAndTheChoiceLasts) {
    DesignerFixture d("[Device]\r\nLeft=300\r\nTop=200\r\n");
    // Docked at the first start, where "Lock Windows" has nothing to do.
    EXPECT_TRUE(d.form->PreviewDocked());
    EXPECT_EQ(d.Preview().window(), d.form.get());
    EXPECT_TRUE(d.MenuAction("aDockPreview")->isChecked());
    EXPECT_FALSE(d.form->Configuration()->cLockWindows->isEnabled());
    EXPECT_FALSE(d.form->Palette()->isWindow());
    Activate(*d.form);
    d.MenuAction("aDockPreview")->trigger();
    ASSERT_FALSE(d.form->PreviewDocked());
    EXPECT_TRUE(d.Preview().isWindow());
    EXPECT_EQ(d.Preview().pos(), QPoint(300, 200));
    EXPECT_TRUE(d.form->Configuration()->cLockWindows->isEnabled());
    // The palette floats above the floating preview.
    EXPECT_EQ(d.form->Palette()->parentWidget(), &d.Preview());
    d.Preview().move(350, 250);
    d.MenuAction("aDockPreview")->trigger();
    ASSERT_TRUE(d.form->PreviewDocked());
    d.MenuAction("aDockPreview")->trigger();
    EXPECT_EQ(d.Preview().pos(), QPoint(350, 250));

    ASSERT_TRUE(d.form->close());
    EXPECT_TRUE(Holds(Ini(d), "Dock Preview=0"));
    d.form = StartDesigner(Q(d.folder.Path()), d.prompter);
    EXPECT_FALSE(d.form->PreviewDocked());
    EXPECT_FALSE(d.MenuAction("aDockPreview")->isChecked());
}

TEST(DockedPreview, TheWindowKeepsItsSizeAndResizingComposesNoPage) {
    DesignerFixture d;
    Activate(*d.form);
    d.AddBox({10, 10, 60, 30});
    d.form->resize(1100, 640);
    QApplication::processEvents();
    const int composed = d.Preview().CompositionCount();
    for (int step = 1; step <= 10; ++step) {
        d.form->resize(1100 - 20 * step, 640 - 10 * step);
        QApplication::processEvents();
    }
    EXPECT_EQ(d.Preview().CompositionCount(), composed);
    const QSize kept = d.form->size();
    ASSERT_TRUE(d.form->close());
    d.form = StartDesigner(Q(d.folder.Path()), d.prompter);
    d.form->FitIntoArea(Desktop);
    EXPECT_EQ(d.form->size(), kept);
}

TEST(DockedPreview, StoredSizesThatDoNotFitAndALargeZoomComeBackInsideTheWindow) {
    for (const char* size : {"Width=-40\r\nHeight=99999\r\n", "Width=5000\r\nHeight=3000\r\n"}) {
        SCOPED_TRACE(size);
        DesignerFixture d(std::string("[Settings]\r\nDevice Type=5\r\nPreview Zoom=4\r\n"
                                      "[Mainform]\r\n") +
                          size);
        Activate(*d.form);
        d.form->FitIntoArea(Laptop);
        QApplication::processEvents();
        EXPECT_TRUE(QRect(0, 0, Laptop.Width, Laptop.Height).contains(d.form->frameGeometry()));
        EXPECT_TRUE(d.Preview().ScrollArea()->horizontalScrollBar()->isVisible());
    }
}

TEST(WindowPlacement, FiveClosesAndStartsKeepEveryWindowWhereItWas) {
    DesignerFixture d(FloatingPreview());
    const QPoint main(300, 100), preview(20, 420), palette(1300, 600);
    for (int round = 0; round <= 5; ++round) {
        SCOPED_TRACE(round);
        if (round > 0) d.form = StartDesigner(Q(d.folder.Path()), d.prompter);
        ASSERT_NE(d.form, nullptr);
        d.form->Palette()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(d.form.get()));
        if (round == 0) {
            d.form->move(main);
            d.Preview().move(preview);
            d.form->Palette()->move(palette);
        }
        EXPECT_EQ(d.form->pos(), main);
        EXPECT_EQ(d.Preview().pos(), preview);
        EXPECT_EQ(d.form->Palette()->pos(), palette);
        ASSERT_TRUE(d.form->close());
    }
}

TEST(WindowPlacement, StoredPlacesOffTheDesktopComeBackOntoIt) {
    DesignerFixture d(FloatingPreview() +
                      "[MainForm]\r\nLeft=1500\r\nTop=990\r\n[Device]\r\nLeft=1590\r\nTop=995\r\n"
                      "[Align Palette]\r\nLeft=1599\r\nTop=999\r\n");
    for (QWidget* window :
         {static_cast<QWidget*>(d.form.get()), static_cast<QWidget*>(&d.Preview()),
          static_cast<QWidget*>(d.form->Palette())}) {
        window->show();
        const QRect titleBar(window->frameGeometry().topLeft(),
                             QSize(window->frameGeometry().width(), 30));
        EXPECT_TRUE(QRect(0, 0, 1600, 1000).contains(titleBar))
            << window->metaObject()->className() << " at " << window->x() << "," << window->y();
    }
}

// The palette stays above the floating preview, the preview above the main window.
TEST(WindowPlacement, ThePreviewAndThePaletteStayAboveTheMainWindow) {
    DesignerFixture d(FloatingPreview());
    d.form->Palette()->show();
    const std::pair<QWidget*, QWidget*> above[] = {{&d.Preview(), d.form.get()},
                                                   {d.form->Palette(), &d.Preview()}};
    for (const auto& [tool, owner] : above) {
        ASSERT_NE(tool->windowHandle(), nullptr);
        EXPECT_EQ(tool->windowHandle()->transientParent(), owner->windowHandle())
            << tool->metaObject()->className();
    }
}
