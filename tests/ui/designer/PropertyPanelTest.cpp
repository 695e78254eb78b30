#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include "core/model/DibFile.h"
#include "qt/DesignerFixture.h"
#include "ui/widgets/ColourButton.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
void Choose(DesignerFixture& d, int id) {
    QComboBox* choice = d.Tab().cParameter;
    choice->setCurrentIndex(d.form->Catalogue().PositionOf(id));
    emit choice->activated(choice->currentIndex());
}

// Picks a box in the list of boxes, as the user does.
void Select(DesignerFixture& d, int slot) {
    d.Tab().cParameterList->setCurrentRow(slot - 1);
    d.Designer().SelectBox(slot);
}

// A new box given the parameter, selected.
int BoxOf(DesignerFixture& d, int id) {
    int slot = d.AddBox({10, 10, 60, 30});
    Choose(d, id);
    Select(d, slot);
    return slot;
}

bool Shown(DesignerFixture& d, QWidget* control) {
    bool shown = control->isVisibleTo(d.form.get());
    // A control and its label always come and go together.
    if (QLabel* label = d.Tab().LabelOf(control)) {
        EXPECT_EQ(label->isVisibleTo(d.form.get()), shown) << control->objectName().toStdString();
    }
    return shown;
}

QString Label(DesignerFixture& d, QWidget* control) {
    return d.Tab().LabelOf(control)->text();
}

void Pick(QComboBox* choice, int item) {
    choice->setCurrentIndex(item);
    emit choice->activated(item);
}

std::string SmallBitmap() {
    Dib dib;
    dib.Header.Width = 2;
    dib.Header.Height = 2;
    dib.Pixels.assign(Dib::RowStrideFor(2, 24) * 2, 0x40);
    return DibToBmp(dib);
}
} // namespace

TEST(PropertyPanel, ValueBoxesShowTheirGroupsAndMapsOnlyTheirBorder) {
    DesignerFixture d;
    PageDesignerTab& t = d.Tab();
    BoxOf(d, 1); // sp
    for (QWidget* w : std::initializer_list<QWidget*>{
             t.cTitleText, t.cTitleFontSize, t.cTitleForeColor, t.TitleSeparator, t.cParFontSize,
             t.cAutoFontSize, t.cParTestText, t.cParBackStyle, t.cBorderRadius, t.cBorderColor,
             t.cJustification})
        EXPECT_TRUE(Shown(d, w)) << w->objectName().toStdString();
    for (QWidget* w : std::initializer_list<QWidget*>{t.cUnits, t.cDisplayUnits, t.cDecimals,
                                                      t.cButtonStyle, t.cButtonSymbolStyle,
                                                      t.cAddButtonSymbol, t.cSymbolFilename})
        EXPECT_FALSE(Shown(d, w)) << w->objectName().toStdString();
    BoxOf(d, 20); // the distances home and to the turns show the units switch
    EXPECT_TRUE(Shown(d, t.cDisplayUnits));
    EXPECT_FALSE(Shown(d, t.cUnits));

    BoxOf(d, 173);
    EXPECT_TRUE(Shown(d, t.cTitleText));
    EXPECT_TRUE(Shown(d, t.cParForeColor));
    EXPECT_TRUE(Shown(d, t.cBorderWidth));
    for (QWidget* w : std::initializer_list<QWidget*>{t.cParFontSize, t.cAutoFontSize,
                                                      t.cParTestText, t.cJustification})
        EXPECT_FALSE(Shown(d, w)) << w->objectName().toStdString();

    BoxOf(d, 900);
    EXPECT_TRUE(Shown(d, t.cBorderWidth));
    EXPECT_TRUE(Shown(d, t.cBorderColor));
    EXPECT_FALSE(Shown(d, t.cBorderRadius));
    EXPECT_FALSE(Shown(d, t.cTitleText));
}

TEST(PropertyPanel, UnitsControlsFollowTheBoxsUnits) {
    DesignerFixture d;
    PageDesignerTab& t = d.Tab();
    int slot = BoxOf(d, 300);
    EXPECT_EQ(d.Box(slot).Units, "true");
    EXPECT_TRUE(Shown(d, t.cUnits));
    EXPECT_TRUE(Shown(d, t.cDisplayUnits));
    EXPECT_TRUE(Shown(d, t.cDecimals));
    d.Box(slot).Units = "";
    Select(d, slot);
    EXPECT_FALSE(Shown(d, t.cUnits));
    EXPECT_FALSE(Shown(d, t.cDisplayUnits));
    EXPECT_FALSE(Shown(d, t.cDecimals));

    slot = BoxOf(d, 253);
    d.Box(slot).Units = "";
    Select(d, slot);
    EXPECT_TRUE(Shown(d, t.cDisplayUnits));
    EXPECT_FALSE(Shown(d, t.cUnits));

    // Picking another unit writes the box.
    slot = BoxOf(d, 151);
    Pick(t.cUnits, 2);
    EXPECT_EQ(d.Box(slot).Units, "knots");
}

TEST(PropertyPanel, UnitsTheListLacksAreShownAsTheBoxHoldsThem) {
    DesignerFixture d;
    int slot = BoxOf(d, 151);
    d.Box(slot).Units = "furlongs"; // from a file of another catalogue
    Select(d, slot);
    ASSERT_TRUE(Shown(d, d.Tab().cUnits));
    EXPECT_EQ(d.Tab().cUnits->currentText(), "furlongs");
    EXPECT_EQ(d.Tab().cUnits->count(), 4);
    Pick(d.Tab().cUnits, 1);
    EXPECT_EQ(d.Box(slot).Units, "mph");
    Select(d, slot);
    EXPECT_EQ(d.Tab().cUnits->count(), 3);
}

TEST(PropertyPanel, TextsTheLayoutHoldsAreShownWholeAndOnlyTypingIsLimited) {
    DesignerFixture d;
    PageDesignerTab& t = d.Tab();
    int slot = BoxOf(d, 1);
    const std::string title(30, 'T');
    const std::string test(20, '9');
    d.Box(slot).TitleText = title;
    d.Box(slot).TestText = test;
    Select(d, slot);
    EXPECT_EQ(t.cTitleText->text().toStdString(), title);
    EXPECT_EQ(t.cParTestText->text().toStdString(), test);

    t.cTitleText->end(false);
    QTest::keyClick(t.cTitleText, Qt::Key_Backspace);
    EXPECT_EQ(d.Box(slot).TitleText, std::string(29, 'T'));
    QTest::keyClicks(t.cTitleText, "xy"); // longer than it was: refused
    EXPECT_EQ(t.cTitleText->text().toStdString(), std::string(29, 'T'));
    EXPECT_EQ(d.Box(slot).TitleText, std::string(29, 'T'));
    t.cParTestText->end(false);
    QTest::keyClick(t.cParTestText, Qt::Key_Backspace);
    EXPECT_EQ(d.Box(slot).TestText, std::string(19, '9'));

    // Typed from scratch, a title takes 25 characters and a test text 16.
    t.cTitleText->selectAll();
    QTest::keyClicks(t.cTitleText, QString(30, 'a'));
    EXPECT_EQ(d.Box(slot).TitleText, std::string(25, 'a'));
    t.cParTestText->selectAll();
    QTest::keyClicks(t.cParTestText, QString(20, '1'));
    EXPECT_EQ(d.Box(slot).TestText, std::string(16, '1'));

    // A page name from a file is kept whole too.
    d.Layout().PageAt(1).PageName = std::string(60, 'P');
    d.Designer().ShowPage(1);
    EXPECT_EQ(t.cPageName->text().size(), 60);
    t.cPageName->end(false);
    QTest::keyClick(t.cPageName, Qt::Key_Backspace);
    EXPECT_EQ(d.Layout().PageAt(1).PageName, std::string(59, 'P'));
}

TEST(PropertyPanel, BackgroundTextAndButtonPanelsRelabelAndMoveTheirControls) {
    DesignerFixture d;
    PageDesignerTab& t = d.Tab();
    int background = BoxOf(d, 902);
    EXPECT_EQ(Label(d, t.cParBackColor), "Background Color");
    EXPECT_EQ(Label(d, t.cParBackStyle), "Background Style");
    EXPECT_TRUE(Shown(d, t.cParBackColor));
    EXPECT_TRUE(Shown(d, t.cAddButtonSymbol));
    EXPECT_TRUE(Shown(d, t.cBorderRadius));
    EXPECT_FALSE(Shown(d, t.TitleSeparator));
    EXPECT_FALSE(Shown(d, t.cParForeColor));
    EXPECT_FALSE(Shown(d, t.cButtonStyle));
    // Colour and style right under the title controls, past the hidden separator.
    EXPECT_EQ(t.RowOf(t.cParBackColor), t.RowOf(t.cTitleBackStyle) + 2);
    EXPECT_EQ(t.RowOf(t.cParBackStyle), t.RowOf(t.cParBackColor) + 1);
    EXPECT_TRUE(Shown(d, t.cButtonSymbolStyle));
    EXPECT_TRUE(Shown(d, t.cSymbolFilename));
    QStringList items;
    for (int i = 0; i < t.cButtonSymbolStyle->count(); ++i)
        items << t.cButtonSymbolStyle->itemText(i);
    EXPECT_EQ(items, (QStringList{"None", "Center", "Stretch", "Tile"}));
    int backgroundRow = t.RowOf(t.cParBackColor);

    BoxOf(d, 1);
    EXPECT_EQ(Label(d, t.cParBackColor), "Text Back Color");
    EXPECT_EQ(Label(d, t.cParBackStyle), "Text Background");
    EXPECT_GT(t.RowOf(t.cParBackColor), t.RowOf(t.cParForeColor));
    EXPECT_NE(t.RowOf(t.cParBackColor), backgroundRow);
    EXPECT_EQ(t.cButtonSymbolStyle->count(), 0);

    BoxOf(d, 901);
    EXPECT_EQ(Label(d, t.cTitleText), "Text to Display");
    EXPECT_EQ(Label(d, t.cTitleFontSize), "Font Size");
    EXPECT_EQ(Label(d, t.cTitleForeColor), "Text Fore Color");
    EXPECT_EQ(Label(d, t.cTitleBackColor), "Text Back Color");
    EXPECT_TRUE(Shown(d, t.cBorderColor));
    EXPECT_FALSE(Shown(d, t.cAddButtonSymbol));

    int button = BoxOf(d, 1000);
    EXPECT_EQ(Label(d, t.cTitleText), "Title Text");
    EXPECT_EQ(Label(d, t.cTitleBackColor), "Button Color");
    EXPECT_EQ(Label(d, t.cTitleBackStyle), "Background");
    EXPECT_TRUE(Shown(d, t.cButtonStyle));
    EXPECT_TRUE(Shown(d, t.cSymbolFilename));
    EXPECT_FALSE(Shown(d, t.cBorderWidth));
    EXPECT_EQ(t.cButtonSymbolStyle->count(), 5);
    EXPECT_EQ(t.cButtonSymbolStyle->itemText(4), "Symbol Right");
    Pick(t.cButtonSymbolStyle, 3);
    EXPECT_EQ(d.Box(button).SymbolPlacement, 3);
    EXPECT_EQ(d.Box(background).SymbolPlacement, 0);
}

TEST(PropertyPanel, ChoicesAndColoursWriteTheSelectedBox) {
    DesignerFixture d;
    PageDesignerTab& t = d.Tab();
    int slot = BoxOf(d, 1000);
    d.Layout().Modified = false;
    Pick(t.cButtonStyle, 3);
    EXPECT_EQ(d.Box(slot).ButtonStyle, 3);
    EXPECT_EQ(d.Box(slot).BorderRadius, 6);
    EXPECT_EQ(d.Box(slot).BorderColor, Grey);
    EXPECT_EQ(t.cBorderRadius->value(), 6);
    EXPECT_TRUE(d.Layout().Modified);
    Pick(t.cTitleBackStyle, 2);
    EXPECT_EQ(d.Box(slot).TitleBackStyle, 2);

    slot = BoxOf(d, 1);
    Pick(t.cJustification, 2);
    EXPECT_EQ(d.Box(slot).Justification, "R");
    Pick(t.cParBackStyle, 1);
    EXPECT_EQ(d.Box(slot).TextBackStyle, 1);
    t.cBorderWidth->setValue(4);
    EXPECT_EQ(d.Box(slot).BorderWidth, 4);
    t.cTitleFontSize->setValue(11);
    EXPECT_EQ(d.Box(slot).TitleFontSize, 11);

    const Colour chosen = MakeColour(12, 34, 56);
    t.cParForeColor->SetChooser([&](Colour, QWidget*) { return std::optional<Colour>(chosen); });
    QTest::mouseClick(t.cParForeColor, Qt::LeftButton);
    EXPECT_EQ(d.Box(slot).TextForeColor, chosen);
    t.cBorderColor->SetChooser([](Colour, QWidget*) { return std::optional<Colour>(); });
    QTest::mouseClick(t.cBorderColor, Qt::LeftButton); // cancelled
    EXPECT_EQ(d.Box(slot).BorderColor, Black);

    // Another box shows its own values: the panel follows the selection.
    int other = BoxOf(d, 2);
    EXPECT_EQ(t.cParForeColor->Value(), Black);
    EXPECT_EQ(t.cJustification->currentIndex(), 0);
    Select(d, slot);
    EXPECT_EQ(t.cParForeColor->Value(), chosen);
    EXPECT_EQ(t.cJustification->currentIndex(), 2);
    EXPECT_EQ(d.Box(other).TextForeColor, Black);
}

TEST(PropertyPanel, FillingThePanelIsNoEdit) {
    DesignerFixture d;
    int first = BoxOf(d, 1);
    d.Box(first).TextFontSize = 0;
    int second = BoxOf(d, 2);
    d.Box(second).TextFontSize = 12;
    d.Box(second).Decimals = "2";
    d.Layout().Modified = false;
    Select(d, first);
    EXPECT_TRUE(d.Tab().cAutoFontSize->isChecked());
    Select(d, second);
    EXPECT_EQ(d.Tab().cParFontSize->value(), 12);
    EXPECT_FALSE(d.Tab().cAutoFontSize->isChecked());
    EXPECT_EQ(d.Tab().cDecimals->currentText(), "2");
    EXPECT_EQ(d.Box(second).TextFontSize, 12);
    EXPECT_EQ(d.Box(first).TextFontSize, 0);
    EXPECT_FALSE(d.Layout().Modified);
}

TEST(PropertyPanel, AutoFontSizeSwitchesBetweenZeroAndAReadableSize) {
    DesignerFixture d;
    PageDesignerTab& t = d.Tab();
    int slot = BoxOf(d, 151);
    d.Box(slot).TextFontSize = 0;
    Select(d, slot);
    t.cAutoFontSize->click();
    EXPECT_EQ(d.Box(slot).TextFontSize, 6);
    t.cAutoFontSize->click();
    EXPECT_EQ(d.Box(slot).TextFontSize, 0);
    EXPECT_EQ(t.cParFontSize->value(), 0);

    slot = BoxOf(d, 20);
    EXPECT_TRUE(t.cAutoFontSize->isChecked());
    t.cAutoFontSize->click();
    EXPECT_EQ(d.Box(slot).TextFontSize, 8);
    t.cParFontSize->setValue(0);
    EXPECT_TRUE(t.cAutoFontSize->isChecked());
    t.cParFontSize->stepUp(); // leaving automatic sizing by a step
    EXPECT_EQ(d.Box(slot).TextFontSize, 8);
    EXPECT_FALSE(t.cAutoFontSize->isChecked());
    t.cParFontSize->setValue(15);
    EXPECT_EQ(d.Box(slot).TextFontSize, 15);
}

TEST(PropertyPanel, DecimalsReshapeTheTestText) {
    DesignerFixture d;
    PageDesignerTab& t = d.Tab();
    int slot = BoxOf(d, 1);
    t.cParTestText->clear();
    QTest::keyClicks(t.cParTestText, "45.6");
    EXPECT_EQ(d.Box(slot).TestText, "45.6");
    Pick(t.cDecimals, t.cDecimals->findText("3"));
    EXPECT_EQ(d.Box(slot).Decimals, "3");
    EXPECT_EQ(d.Box(slot).TestText, "45.000");
    EXPECT_EQ(t.cParTestText->text(), "45.000");
    Pick(t.cDecimals, 0);
    EXPECT_EQ(d.Box(slot).Decimals, "Auto");
    EXPECT_EQ(d.Box(slot).TestText, "45");
}

TEST(PropertyPanel, AddSymbolLoadsTheBitmapAndRefusesAnUnreadableFile) {
    DesignerFixture d;
    PageDesignerTab& t = d.Tab();
    int slot = BoxOf(d, 1000);
    std::string picture = d.folder.Write("arrow.bmp", SmallBitmap());
    d.prompter.FileAnswers.push_back(QString::fromStdString(picture));
    d.Layout().Modified = false;
    QTest::mouseClick(t.cAddButtonSymbol, Qt::LeftButton);
    ASSERT_EQ(d.prompter.FileRequests.size(), 1);
    EXPECT_EQ(d.prompter.FileRequests[0].Filter, "Symbol File (*.bmp)");
    EXPECT_TRUE(d.prompter.FileRequests[0].InitialFile.startsWith(
        QString::fromStdString(d.folder.Path()) + "/Symbols"));
    ASSERT_TRUE(d.Box(slot).Symbol.has_value());
    EXPECT_EQ(d.Box(slot).Symbol->Width(), 2);
    EXPECT_EQ(d.Box(slot).SymbolFile, picture);
    EXPECT_EQ(d.Box(slot).SymbolPlacement, 1); // "None" gives way to "Symbol Top"
    EXPECT_EQ(t.cSymbolFilename->text(), "arrow.bmp");
    EXPECT_TRUE(d.Layout().Modified);

    std::string broken = d.folder.Write("broken.bmp", "BM not a bitmap");
    d.prompter.FileAnswers.push_back(QString::fromStdString(broken));
    d.Layout().Modified = false;
    QTest::mouseClick(t.cAddButtonSymbol, Qt::LeftButton);
    EXPECT_EQ(d.prompter.FileRequests[1].InitialFile,
              QString::fromStdString(d.folder.Path()) + "/arrow.bmp");
    ASSERT_EQ(d.prompter.Of("error").size(), 1);
    EXPECT_EQ(d.prompter.Of("error")[0].toStdString(), ReadDibFromBmpFile(broken).Error);
    EXPECT_EQ(d.Box(slot).SymbolFile, picture);
    EXPECT_EQ(d.Box(slot).Symbol->Width(), 2);
    EXPECT_FALSE(d.Layout().Modified);

    QTest::mouseClick(t.cAddButtonSymbol, Qt::LeftButton); // cancelled
    EXPECT_EQ(d.Box(slot).SymbolFile, picture);
}

TEST(PropertyPanel, ABoxWithAnIdThatIsNoNumberIsReportedAndThePanelStaysLive) {
    DesignerFixture d;
    int bad = BoxOf(d, 1);
    int good = BoxOf(d, 2);
    d.Box(bad).ParameterId = "abc";
    d.Tab().cParameterList->setCurrentRow(bad - 1); // as the arrow keys do
    EXPECT_EQ(d.prompter.Of("error"), QStringList{"'abc' is not a valid integer value"});
    EXPECT_FALSE(d.form->PanelLoading);
    Select(d, good);
    Pick(d.Tab().cJustification, 1);
    EXPECT_EQ(d.Box(good).Justification, "L");
}
