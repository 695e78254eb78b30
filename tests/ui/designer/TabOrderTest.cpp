#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include "qt/DesignerFixture.h"
#include "ui/designer/AdjustPanel.h"
#include "ui/widgets/ColourButton.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
std::string Names(const std::vector<QWidget*>& widgets) {
    std::string names;
    for (QWidget* w : widgets) names += w->objectName().toStdString() + " ";
    return names;
}
} // namespace

// Tab visits the page designer as it is read: the page options, the box
// commands and the adjust panel under them, the box list, the parameter and
// its properties group by group, then the file and handheld buttons.
TEST(TabOrder, FollowsTheReadingOrderOfThePageDesigner) {
    DesignerFixture d;
    const int slot = d.AddBox({0, 0, 40, 20});
    QComboBox* choice = d.Tab().cParameter;
    choice->setCurrentIndex(d.form->Catalogue().PositionOf(1));
    emit choice->activated(choice->currentIndex());
    d.Designer().SelectBox(slot);
    d.form->show();
    QApplication::setActiveWindow(d.form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.form.get()));
    PageDesignerTab& t = d.Tab();
    AdjustPanel& a = *t.Adjust;
    QLayout* file = t.FileGroup()->layout();
    const std::vector<QWidget*> expected = {t.cPageName,
                                            t.bPageUp,
                                            t.bPageDown,
                                            t.bPrevious,
                                            t.bNext,
                                            t.bClearPage,
                                            t.bDeletePage,
                                            t.bNew,
                                            t.Delete1,
                                            t.bCopy,
                                            t.bPaste,
                                            a.BoxLeft,
                                            a.BoxTop,
                                            a.BoxWidth,
                                            a.BoxHeight,
                                            a.LbButton3,
                                            t.cParameterList,
                                            t.bUP,
                                            t.bDown,
                                            t.cParameter,
                                            t.cTitleText,
                                            t.cTitleFontSize,
                                            t.cTitleForeColor,
                                            t.cTitleBackColor,
                                            t.cTitleBackStyle,
                                            t.cParFontSize,
                                            t.cAutoFontSize,
                                            t.cParTestText,
                                            t.cParForeColor,
                                            t.cParBackColor,
                                            t.cParBackStyle,
                                            t.cBorderWidth,
                                            t.cBorderRadius,
                                            t.cBorderColor,
                                            t.cJustification,
                                            file->itemAt(0)->widget(),
                                            file->itemAt(1)->widget(),
                                            file->itemAt(2)->widget(),
                                            t.bSend,
                                            t.bGet,
                                            t.bHelp};
    t.cPageName->setFocus();
    std::vector<QWidget*> visited{t.cPageName};
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == t.cPageName) break;
        if (t.isAncestorOf(now)) visited.push_back(now);
    }
    EXPECT_EQ(Names(visited), Names(expected));
}
