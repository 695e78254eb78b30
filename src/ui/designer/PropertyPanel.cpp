#include "ui/designer/PropertyPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <tuple>

#include "ui/widgets/ColourButton.h"
#include "ui/widgets/TypingLimit.h"

namespace roamplot {

namespace {
// The left half holds the title and the text groups; a background box has no
// text, so its colour and style take the first text rows, right under its
// title, and the font controls they displace go to the rows those left.
enum LeftRow {
    TitleTextRow,
    TitleFontSizeRow,
    TitleForeColorRow,
    TitleBackColorRow,
    TitleBackStyleRow,
    SeparatorRow,
    ParFontSizeRow,
    AutoFontSizeRow,
    TestTextRow,
    ParForeColorRow,
    ParBackColorRow,
    ParBackStyleRow
};
// The right half holds the border, the value format and the symbol groups.
enum RightRow {
    BorderWidthRow,
    BorderRadiusRow,
    BorderColorRow,
    UnitsRow,
    ShowUnitsRow,
    DecimalsRow,
    JustifyRow,
    ButtonStyleRow,
    SymbolRow,
    AddSymbolRow,
    SymbolFileRow
};
constexpr int RowCount = std::max<int>(ParBackStyleRow, SymbolFileRow) + 1;
constexpr int LeftColumn = 0;
constexpr int RightColumn = 2;

const QStringList BackStyles{"Normal", "Gradient", "Transparent", "Translucent"};

template <class Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(name);
    return control;
}

QComboBox* Choice(QWidget* owner, const char* name, const QStringList& items) {
    auto* choice = Named(new QComboBox(owner), name);
    choice->addItems(items);
    // As wide as the column, whatever the lists of units or symbols hold.
    choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    choice->setMinimumContentsLength(10);
    return choice;
}

QSpinBox* SpinEdit(QWidget* owner, const char* name, int maximum) {
    auto* spin = Named(new QSpinBox(owner), name);
    spin->setRange(0, maximum);
    return spin;
}
} // namespace

PropertyPanel::PropertyPanel(QWidget* owner) : grid_(new QGridLayout) {
    cTitleText = Named(new QLineEdit(owner), "cTitleText");
    LimitFileText(*cTitleText, 25);
    cTitleFontSize = SpinEdit(owner, "cTitleFontSize", 999);
    cTitleForeColor = Named(new ColourButton(owner), "cTitleForeColor");
    cTitleBackColor = Named(new ColourButton(owner), "cTitleBackColor");
    cTitleBackStyle = Choice(owner, "cTitleBackStyle", BackStyles);
    TitleSeparator = Named(new QFrame(owner), "TitleSeparator");
    TitleSeparator->setFrameShape(QFrame::HLine);
    TitleSeparator->setFrameShadow(QFrame::Sunken);
    cParFontSize = SpinEdit(owner, "cParFontSize", 999);
    cAutoFontSize = Named(new QCheckBox(QObject::tr("Auto Font Size"), owner), "cAutoFontSize");
    cParTestText = Named(new QLineEdit(owner), "cParTestText");
    LimitFileText(*cParTestText, 16);
    cParForeColor = Named(new ColourButton(owner), "cParForeColor");
    cParBackColor = Named(new ColourButton(owner), "cParBackColor");
    cParBackStyle = Choice(owner, "cParBackStyle", BackStyles);
    cBorderWidth = SpinEdit(owner, "cBorderWidth", 100);
    cBorderRadius = SpinEdit(owner, "cBorderRadius", 100);
    cBorderColor = Named(new ColourButton(owner), "cBorderColor");
    cUnits = Choice(owner, "cUnits", {});
    cDisplayUnits = Named(new QCheckBox(QObject::tr("Show Units"), owner), "cDisplayUnits");
    cDecimals = Choice(owner, "cDecimals", {"Auto", "0", "1", "2", "3", "4", "5"});
    cJustification = Choice(owner, "cJustification", {"Centre", "Left", "Right"});
    cButtonStyle = Choice(owner, "cButtonStyle", {"Raised", "Flat", "No Border", "Round"});
    cButtonSymbolStyle = Choice(owner, "cButtonSymbolStyle", {});
    cAddButtonSymbol = Named(new QPushButton(QObject::tr("Add Symbol"), owner), "cAddButtonSymbol");
    cAddButtonSymbol->setToolTip(
        QObject::tr("Load a bitmap file as the symbol or picture of the box"));
    cSymbolFilename = Named(new QLabel(owner), "cSymbolFilename");

    const std::pair<QWidget*, const char*> labelled[] = {
        {cTitleText, "Title Text"},
        {cTitleFontSize, "Title Font Size"},
        {cTitleForeColor, "Title Fore Color"},
        {cTitleBackColor, "Title Back Color"},
        {cTitleBackStyle, "Title Background"},
        {cParFontSize, "Text Font Size"},
        {cParTestText, "Test Text"},
        {cParForeColor, "Text Fore Color"},
        {cParBackColor, "Text Back Color"},
        {cParBackStyle, "Text Background"},
        {cBorderWidth, "Border Width"},
        {cBorderRadius, "Border Radius"},
        {cBorderColor, "Border Color"},
        {cUnits, "Units"},
        {cDecimals, "# Dec."},
        {cJustification, "Justify Text"},
        {cButtonStyle, "Button Style"},
        {cButtonSymbolStyle, "Symbol"},
    };
    for (const auto& [control, text] : labelled) {
        auto* label = new QLabel(QObject::tr(text), owner);
        label->setBuddy(control);
        labels_.insert(control, label);
    }

    Put(cTitleText, TitleTextRow, LeftColumn);
    Put(cTitleFontSize, TitleFontSizeRow, LeftColumn);
    Put(cTitleForeColor, TitleForeColorRow, LeftColumn);
    Put(cTitleBackColor, TitleBackColorRow, LeftColumn);
    Put(cTitleBackStyle, TitleBackStyleRow, LeftColumn);
    grid_->addWidget(TitleSeparator, SeparatorRow, LeftColumn, 1, 2);
    Put(cParTestText, TestTextRow, LeftColumn);
    Put(cParForeColor, ParForeColorRow, LeftColumn);
    PlaceTextControls(false);

    Put(cBorderWidth, BorderWidthRow, RightColumn);
    Put(cBorderRadius, BorderRadiusRow, RightColumn);
    Put(cBorderColor, BorderColorRow, RightColumn);
    Put(cUnits, UnitsRow, RightColumn);
    Put(cDisplayUnits, ShowUnitsRow, RightColumn);
    Put(cDecimals, DecimalsRow, RightColumn);
    Put(cJustification, JustifyRow, RightColumn);
    Put(cButtonStyle, ButtonStyleRow, RightColumn);
    Put(cButtonSymbolStyle, SymbolRow, RightColumn);
    Put(cAddButtonSymbol, AddSymbolRow, RightColumn);
    Put(cSymbolFilename, SymbolFileRow, RightColumn);
    grid_->setRowStretch(RowCount, 1);
    // A hidden control keeps its place, so the panel, and with it the main
    // window, has one size whatever kind of box is shown.
    // The rows share one height too, as the background box swaps controls of
    // different heights between them.
    int rowHeight = 0;
    for (int i = 0; i < grid_->count(); ++i) {
        QWidget* widget = grid_->itemAt(i)->widget();
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
        if (widget != TitleSeparator) rowHeight = std::max(rowHeight, widget->sizeHint().height());
    }
    for (int row = 0; row < RowCount; ++row)
        if (row != SeparatorRow) grid_->setRowMinimumHeight(row, rowHeight);
    // The panel keeps its width whatever a box shows, so the window never has
    // to grow and no label is cut when another kind of box is selected.
    // "Background Style" is the longest label any control takes.
    int labelWidth = owner->fontMetrics().horizontalAdvance(QObject::tr("Background Style")) + 12;
    for (int column : {LeftColumn, RightColumn}) {
        grid_->setColumnMinimumWidth(column, labelWidth);
        grid_->setColumnMinimumWidth(column + 1, 130);
    }
}

void PropertyPanel::Put(QWidget* control, int row, int column) {
    grid_->removeWidget(control);
    if (QLabel* label = labels_.value(control)) {
        grid_->removeWidget(label);
        grid_->addWidget(label, row, column);
        grid_->addWidget(control, row, column + 1);
    } else {
        grid_->addWidget(control, row, column + 1);
    }
}

void PropertyPanel::PlaceBackgroundControls(bool underTitle) {
    Plan plan(*this);
    plannedUnderTitle_ = underTitle;
}

int PropertyPanel::RowOf(QWidget* control) const {
    int index = grid_->indexOf(control);
    if (index < 0) return -1;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid_->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return row;
}

std::vector<QWidget*> PropertyPanel::ReadingOrder() const {
    struct Placed {
        int Column, Row;
        QWidget* Control;
    };
    std::vector<Placed> placed;
    for (int i = 0; i < grid_->count(); ++i) {
        QWidget* control = grid_->itemAt(i)->widget();
        if (!control || !(control->focusPolicy() & Qt::TabFocus)) continue;
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid_->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        placed.push_back({column, row, control});
    }
    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return std::tie(a.Column, a.Row) < std::tie(b.Column, b.Row);
    });
    std::vector<QWidget*> order;
    for (const Placed& p : placed) order.push_back(p.Control);
    return order;
}

void PropertyPanel::ShowControl(QWidget* control, bool shown) {
    Plan plan(*this);
    plannedShown_[control] = shown;
    if (QLabel* label = labels_.value(control)) plannedShown_[label] = shown;
}

void PropertyPanel::ShowControls(std::initializer_list<QWidget*> controls, bool shown) {
    for (QWidget* control : controls) ShowControl(control, shown);
}

void PropertyPanel::SetLabel(QWidget* control, const QString& text) {
    Plan plan(*this);
    if (QLabel* label = labels_.value(control)) plannedLabels_[label] = text;
}

void PropertyPanel::PlaceTextControls(bool underTitle) {
    underTitle_ = underTitle;
    Put(cParFontSize, underTitle ? ParBackColorRow : ParFontSizeRow, LeftColumn);
    Put(cAutoFontSize, underTitle ? ParBackStyleRow : AutoFontSizeRow, LeftColumn);
    Put(cParBackColor, underTitle ? ParFontSizeRow : ParBackColorRow, LeftColumn);
    Put(cParBackStyle, underTitle ? AutoFontSizeRow : ParBackStyleRow, LeftColumn);
}

void PropertyPanel::ApplyPlan() {
    if (plannedUnderTitle_ && *plannedUnderTitle_ != underTitle_)
        PlaceTextControls(*plannedUnderTitle_);
    plannedUnderTitle_.reset();
    for (auto it = plannedLabels_.cbegin(); it != plannedLabels_.cend(); ++it)
        if (it.key()->text() != it.value()) it.key()->setText(it.value());
    plannedLabels_.clear();
    // Hidden first, so that the panel never grows past its room while it changes.
    for (bool shown : {false, true})
        for (auto it = plannedShown_.cbegin(); it != plannedShown_.cend(); ++it)
            if (it.value() == shown && it.key()->isHidden() == shown) it.key()->setVisible(shown);
    plannedShown_.clear();
}

} // namespace roamplot
