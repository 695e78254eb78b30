#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

// Tab visits the page designer as it is read: the page options, the box
// commands and the adjust panel under them, the box list, the parameter and
// its properties group by group, then the file and handheld buttons.
TEST(TabOrder, FollowsTheReadingOrderOfThePageDesigner) {
    DesignerFixture d;
    const int slot = d.AddBox({0, 0, 40, 20});
    Choose(d, 1);
    d.Designer().SelectBox(slot);
    Activate(*d.form);
    PageDesignerTab& t = d.Tab();
    t.cPageName->setFocus();
    QStringList visited{t.cPageName->objectName()};
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == t.cPageName) break;
        if (t.isAncestorOf(now)) visited << now->objectName();
    }
    EXPECT_EQ(visited.join(' '),
              "cPageName bPageUp bPageDown bPrevious bNext bClearPage bDeletePage bNew Delete1 "
              "bCopy bPaste BoxLeft BoxTop BoxWidth BoxHeight LbButton3 cParameterList bUP bDown "
              "cParameter cTitleText cTitleFontSize cTitleForeColor cTitleBackColor "
              "cTitleBackStyle cParFontSize cAutoFontSize cParTestText cParForeColor "
              "cParBackColor cParBackStyle cBorderWidth cBorderRadius cBorderColor cJustification "
              "bNewFile bLoad bSave bSend bGet bHelp");
}
