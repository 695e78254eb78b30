#include "qt/Typing.h"
#include "qt/UiTest.h"
#include <QListView>

namespace {

// Changes a box of the page shown as a file could hold it.
void Change(DesignerFixture& d, int slot, const std::function<void(ParameterBox&)>& change) {
    d.SetUp([&](ScreenLayout& l) { change(l.Box(l.CurrentPage, slot)); });
}

// Which of the named controls show; a control and its label always come and go together.
QString Seen(DesignerFixture& d, const QString& names) {
    QStringList seen;
    for (const QString& name : names.split(' ', Qt::SkipEmptyParts)) {
        QWidget* control = d.Tab().findChild<QWidget*>(name);
        if (!control) return "no control " + name;
        const bool shown = control->isVisibleTo(d.form.get());
        if (QLabel* label = d.Tab().LabelOf(control)) {
            EXPECT_EQ(label->isVisibleTo(d.form.get()), shown) << name.toStdString();
        }
        if (shown) seen << name;
    }
    return seen.join(' ');
}

QStringList Labels(DesignerFixture& d, std::initializer_list<QWidget*> controls) {
    QStringList texts;
    for (QWidget* control : controls) texts << d.Tab().LabelOf(control)->text();
    return texts;
}

// The items the open list shows, in order, headings marked with "-".
QStringList ShownItems(QComboBox& choice) {
    auto* list = qobject_cast<QListView*>(choice.view());
    QStringList shown;
    for (int row = 0; row < choice.count(); ++row)
        if (!list->isRowHidden(row)) shown << choice.itemText(row);
    return shown;
}

TEST(ParameterChoice, TypingNarrowsTheListKeepingGroupsAndEnterPicksTheHighlightedEntry) {
    DesignerFixture d;
    const int slot = d.AddBox({10, 10, 60, 30});
    Activate(*d.form);
    ParameterChoiceBox& choice = *d.Tab().cParameter;
    QTest::mouseClick(&choice, Qt::LeftButton);
    ASSERT_TRUE(choice.view()->isVisible());

    Type("alti");
    EXPECT_EQ(ShownItems(choice),
              (QStringList{"-Altitude", "Altitude", "Maximum Altitude", "Minimum Altitude",
                           "Altitude of Destination", "-Graphs", "Altitude Profile"}));
    EXPECT_EQ(choice.view()->currentIndex().row(), d.form->Catalogue().PositionOf(30))
        << "the first entry shown is highlighted";
    auto* line = choice.view()->parentWidget()->findChild<QLabel*>("lParameterSearch");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(std::tuple(line->isVisible(), line->text()), std::tuple(true, "Search: alti"));
    for (int n = 0; n < 4; ++n) Press(Qt::Key_Backspace);
    EXPECT_EQ(ShownItems(choice).size(), choice.count());
    EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(d.Box(slot).ParameterId, "0") << "typing chose nothing";

    Type("MUM ALT");
    EXPECT_EQ(ShownItems(choice),
              (QStringList{"-Altitude", "Maximum Altitude", "Minimum Altitude"}));
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    EXPECT_FALSE(choice.view()->isVisible());
    EXPECT_EQ(d.Box(slot).ParameterId, "032") << "the highlighted entry, as its catalogue entry";
    EXPECT_EQ(choice.currentIndex(), d.form->Catalogue().PositionOf(32));
    EXPECT_EQ(ShownItems(choice).size(), choice.count()) << "a closed list hides nothing";
}

TEST(ParameterChoice, TypingOnTheClosedChoiceOpensItNarrowedAndChangesNothingUntilPicked) {
    DesignerFixture d;
    const int slot = d.AddBox({10, 10, 60, 30});
    Choose(d, 1);
    Activate(*d.form);
    ParameterChoiceBox& choice = *d.Tab().cParameter;
    // Tabbed into, not clicked: the list stays closed.
    choice.setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), &choice);
    ASSERT_FALSE(choice.view()->isVisible());

    Type("dest");
    EXPECT_TRUE(choice.view()->isVisible());
    EXPECT_EQ(choice.Search(), "dest");
    EXPECT_EQ(d.Box(slot).ParameterId, "001") << "no jump to an entry starting with the letter";
    EXPECT_TRUE(ShownItems(choice).contains("Altitude of Destination"));
    EXPECT_FALSE(ShownItems(choice).contains("Speed"));

    Type("zzz");
    EXPECT_EQ(ShownItems(choice), QStringList());
    Press(Qt::Key_Return);
    EXPECT_EQ(d.Box(slot).ParameterId, "001") << "nothing shown, nothing picked";
    Press(Qt::Key_Escape);
    EXPECT_FALSE(choice.view()->isVisible());
    EXPECT_EQ(choice.Search(), "");
    EXPECT_EQ(d.Box(slot).ParameterId, "001");
    EXPECT_EQ(choice.currentIndex(), d.form->Catalogue().PositionOf(1));
}

} // namespace

TEST(PropertyPanel, EachKindOfBoxShowsTheControlsOfItsGroups) {
    struct Case {
        int id;
        const char* units; // replaces the catalogue's units when given
        QString shown, hidden;
    };
    const Case cases[] = {
        {1, nullptr,
         "cTitleText cTitleFontSize cTitleForeColor TitleSeparator cParFontSize cAutoFontSize "
         "cParTestText cParBackStyle cBorderRadius cBorderColor cJustification",
         "cUnits cDisplayUnits cDecimals cButtonStyle cButtonSymbolStyle cAddButtonSymbol "
         "cSymbolFilename"},
        // The distances home and to the turns show the units switch.
        {20, nullptr, "cDisplayUnits", "cUnits"},
        {173, nullptr, "cTitleText cParForeColor cBorderWidth",
         "cParFontSize cAutoFontSize cParTestText cJustification"},
        {900, nullptr, "cBorderWidth cBorderColor", "cBorderRadius cTitleText"},
        {300, nullptr, "cUnits cDisplayUnits cDecimals", ""},
        {300, "", "", "cUnits cDisplayUnits cDecimals"},
        {253, "", "cDisplayUnits", "cUnits"},
        {902, nullptr,
         "cParBackColor cParBackStyle cBorderRadius cButtonSymbolStyle cAddButtonSymbol "
         "cSymbolFilename",
         "TitleSeparator cParForeColor cButtonStyle"},
        {901, nullptr, "cBorderColor", "cAddButtonSymbol"},
        {1000, nullptr, "cButtonStyle cSymbolFilename", "cBorderWidth"},
    };
    DesignerFixture d;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const int slot = BoxOf(d, c.id);
        if (c.units) {
            Change(d, slot, [&](ParameterBox& b) { b.Units = c.units; });
            Select(d, slot);
        }
        EXPECT_EQ(Seen(d, c.shown + " " + c.hidden), c.shown);
        if (c.id == 300 && !c.units) {
            EXPECT_EQ(d.Box(slot).Units, "true");
        }
    }
}

TEST(PropertyPanel, UnitsTheListLacksAreShownAsTheBoxHoldsThem) {
    DesignerFixture d;
    int slot = BoxOf(d, 151);
    Change(d, slot,
           [&](ParameterBox& b) { b.Units = "furlongs"; }); // from a file of another catalogue
    Select(d, slot);
    ASSERT_EQ(Seen(d, "cUnits"), "cUnits");
    EXPECT_EQ(d.Tab().cUnits->currentText(), "furlongs");
    EXPECT_EQ(d.Tab().cUnits->count(), 4);
    Pick(d.Tab().cUnits, 1);
    EXPECT_EQ(d.Box(slot).Units, "mph");
    Select(d, slot);
    EXPECT_EQ(d.Tab().cUnits->count(), 3);
    Pick(d.Tab().cUnits, 2);
    EXPECT_EQ(d.Box(slot).Units, "knots");
}

TEST(PropertyPanel, TextsTheLayoutHoldsAreShownWholeAndOnlyTypingIsLimited) {
    DesignerFixture d;
    PageDesignerTab& t = d.Tab();
    int slot = BoxOf(d, 1);
    Change(d, slot, [&](ParameterBox& b) { b.TitleText = std::string(30, 'T'); });
    Change(d, slot, [&](ParameterBox& b) { b.TestText = std::string(20, '9'); });
    Select(d, slot);
    EXPECT_EQ(t.cTitleText->text(), QString(30, 'T'));
    EXPECT_EQ(t.cParTestText->text(), QString(20, '9'));

    t.cTitleText->end(false);
    QTest::keyClick(t.cTitleText, Qt::Key_Backspace);
    EXPECT_EQ(d.Box(slot).TitleText, std::string(29, 'T'));
    QTest::keyClicks(t.cTitleText, "xy"); // longer than it was: refused
    EXPECT_EQ(t.cTitleText->text(), QString(29, 'T'));
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
    d.SetUp([](ScreenLayout& l) { l.PageAt(1).PageName = std::string(60, 'P'); });
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
    EXPECT_EQ(Labels(d, {t.cParBackColor, t.cParBackStyle}),
              (QStringList{"Background Color", "Background Style"}));
    // Colour and style right under the title controls, past the hidden separator.
    EXPECT_EQ(t.RowOf(t.cParBackColor), t.RowOf(t.cTitleBackStyle) + 2);
    EXPECT_EQ(t.RowOf(t.cParBackStyle), t.RowOf(t.cParBackColor) + 1);
    QStringList items;
    for (int i = 0; i < t.cButtonSymbolStyle->count(); ++i)
        items << t.cButtonSymbolStyle->itemText(i);
    EXPECT_EQ(items, (QStringList{"None", "Center", "Stretch", "Tile"}));
    int backgroundRow = t.RowOf(t.cParBackColor);

    BoxOf(d, 1);
    EXPECT_EQ(Labels(d, {t.cParBackColor, t.cParBackStyle}),
              (QStringList{"Text Back Color", "Text Background"}));
    EXPECT_GT(t.RowOf(t.cParBackColor), t.RowOf(t.cParForeColor));
    EXPECT_NE(t.RowOf(t.cParBackColor), backgroundRow);
    EXPECT_EQ(t.cButtonSymbolStyle->count(), 0);

    BoxOf(d, 901);
    EXPECT_EQ(Labels(d, {t.cTitleText, t.cTitleFontSize, t.cTitleForeColor, t.cTitleBackColor}),
              (QStringList{"Text to Display", "Font Size", "Text Fore Color", "Text Back Color"}));

    int button = BoxOf(d, 1000);
    EXPECT_EQ(Labels(d, {t.cTitleText, t.cTitleBackColor, t.cTitleBackStyle}),
              (QStringList{"Title Text", "Button Color", "Background"}));
    EXPECT_EQ(t.cButtonSymbolStyle->count(), 5);
    EXPECT_EQ(t.cButtonSymbolStyle->itemText(4), "Symbol Right");
    Pick(t.cButtonSymbolStyle, 3);
    EXPECT_EQ(d.Box(button).SymbolPlacement, 3);
    EXPECT_EQ(d.Box(background).SymbolPlacement, 0);
}

// What each edit writes, with its companions, is the editor's; here each kind of control
// reaches its edit and the panel follows the selection.
TEST(PropertyPanel, ChoicesAndColoursWriteTheSelectedBox) {
    DesignerFixture d;
    PageDesignerTab& t = d.Tab();
    int slot = BoxOf(d, 1000);
    d.SetUp([](ScreenLayout& l) { l.Modified = false; });
    Pick(t.cButtonStyle, 3);
    EXPECT_EQ(d.Box(slot).ButtonStyle, 3);
    EXPECT_EQ(t.cBorderRadius->value(), 6) << "the panel shows the frame the style brings";
    EXPECT_TRUE(d.Layout().Modified);

    slot = BoxOf(d, 1);
    Pick(t.cJustification, 2);
    EXPECT_EQ(d.Box(slot).Justification, "R");
    t.cBorderWidth->setValue(4);
    EXPECT_EQ(d.Box(slot).BorderWidth, 4);
    t.cParTestText->clear();
    QTest::keyClicks(t.cParTestText, "45.6");
    Pick(t.cDecimals, t.cDecimals->findText("3"));
    EXPECT_EQ(d.Box(slot).Decimals, "3");
    EXPECT_EQ(t.cParTestText->text(), "45.000") << "the field shows the reshaped sample";

    const Colour chosen = MakeColour(12, 34, 56);
    t.cParForeColor->SetChooser([&](Colour, QWidget*) { return std::optional<Colour>(chosen); });
    Click(t.cParForeColor);
    EXPECT_EQ(d.Box(slot).TextForeColor, chosen);
    t.cBorderColor->SetChooser([](Colour, QWidget*) { return std::optional<Colour>(); });
    Click(t.cBorderColor); // cancelled
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

TEST(PropertyPanel, FillingThePanelIsNoEditAndAutoFontSizeSwitchesBetweenZeroAndAReadableSize) {
    DesignerFixture d;
    int first = BoxOf(d, 1);
    Change(d, first, [&](ParameterBox& b) { b.TextFontSize = 0; });
    int second = BoxOf(d, 2);
    Change(d, second, [&](ParameterBox& b) { b.TextFontSize = 12; });
    Change(d, second, [&](ParameterBox& b) { b.Decimals = "2"; });
    d.SetUp([](ScreenLayout& l) { l.Modified = false; });
    Select(d, first);
    EXPECT_TRUE(d.Tab().cAutoFontSize->isChecked());
    Select(d, second);
    EXPECT_EQ(d.Tab().cParFontSize->value(), 12);
    EXPECT_FALSE(d.Tab().cAutoFontSize->isChecked());
    EXPECT_EQ(d.Tab().cDecimals->currentText(), "2");
    EXPECT_EQ(d.Box(second).TextFontSize, 12);
    EXPECT_EQ(d.Box(first).TextFontSize, 0);
    EXPECT_FALSE(d.Layout().Modified);

    PageDesignerTab& t = d.Tab();
    int slot = BoxOf(d, 151);
    Change(d, slot, [&](ParameterBox& b) { b.TextFontSize = 0; });
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

TEST(PropertyPanel, AddSymbolLoadsTheBitmapAndRefusesAnUnreadableFile) {
    DesignerFixture d;
    PageDesignerTab& t = d.Tab();
    int slot = BoxOf(d, 1000);
    std::string picture = d.folder.Write("arrow.bmp", TestDataBytes("im-picture.bmp"));
    d.prompter.FileAnswers.push_back(Q(picture));
    d.SetUp([](ScreenLayout& l) { l.Modified = false; });
    Click(t.cAddButtonSymbol);
    ASSERT_EQ(d.prompter.FileRequests.size(), 1);
    EXPECT_EQ(d.prompter.FileRequests[0].Filter,
              "Pictures (*.bmp *.png *.jpg *.jpeg *.gif);;Symbol File (*.bmp)");
    EXPECT_TRUE(d.prompter.FileRequests[0].InitialFile.startsWith(Q(d.folder.Path()) + "/Symbols"));
    ASSERT_TRUE(d.Box(slot).Symbol.has_value());
    EXPECT_EQ(*d.Box(slot).Symbol, MustReadBmp(TestDataBytes("im-picture.bmp")));
    EXPECT_EQ(d.Box(slot).SymbolFile, picture);
    EXPECT_EQ(d.Box(slot).SymbolPlacement, 1); // "None" gives way to "Symbol Top"
    EXPECT_EQ(t.cSymbolFilename->text(), "arrow.bmp");
    EXPECT_TRUE(d.Layout().Modified);

    std::string broken = d.folder.Write("broken.bmp", "BM not a bitmap");
    d.prompter.FileAnswers.push_back(Q(broken));
    d.SetUp([](ScreenLayout& l) { l.Modified = false; });
    Click(t.cAddButtonSymbol);
    EXPECT_EQ(Native(d.prompter.FileRequests[1].InitialFile),
              Native(Q(d.folder.Path()) + "/arrow.bmp"));
    EXPECT_EQ(d.prompter.Of("error"), QStringList{Q(ReadDibFromBmpFile(broken).Error)});
    EXPECT_EQ(d.Box(slot).SymbolFile, picture);
    EXPECT_EQ(*d.Box(slot).Symbol, MustReadBmp(TestDataBytes("im-picture.bmp")));
    EXPECT_FALSE(d.Layout().Modified);

    Click(t.cAddButtonSymbol); // cancelled
    EXPECT_EQ(d.Box(slot).SymbolFile, picture);
}

TEST(PropertyPanel, ABoxWithAnIdThatIsNoNumberIsReportedAndThePanelStaysLive) {
    DesignerFixture d;
    int good = BoxOf(d, 2);
    int bad = BoxOf(d, 1);
    Change(d, bad, [&](ParameterBox& b) { b.ParameterId = "abc"; });
    d.Tab().cParameterList->setCurrentRow(bad - 1); // as the arrow keys do
    EXPECT_EQ(d.prompter.Of("error"), QStringList{"'abc' is not a valid integer value"});
    EXPECT_FALSE(d.form->PanelLoading());
    Select(d, good);
    Pick(d.Tab().cJustification, 1);
    EXPECT_EQ(d.Box(good).Justification, "L");
}
