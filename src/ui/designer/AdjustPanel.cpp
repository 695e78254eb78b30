#include "ui/designer/AdjustPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app/EntryFields.h"
#include "ui/widgets/FieldText.h"

namespace roamplot {

namespace {
constexpr int ButtonSize = 20;
constexpr int FieldLength = 10;

const QString ArrowUp = QString::fromUtf8("\u25B2");
const QString ArrowDown = QString::fromUtf8("\u25BC");
const QString ArrowLeft = QString::fromUtf8("\u25C0");
const QString ArrowRight = QString::fromUtf8("\u25B6");

QPushButton* MakeStepButton(const QString& arrow, const char* name, const QString& hint,
                            QWidget* parent) {
    auto* button = new QPushButton(arrow, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setFixedSize(ButtonSize, ButtonSize);
    // Held with the mouse; the focus stays where the user typed.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLineEdit* BoundsField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(FieldLength);
    field->setFixedWidth(48);
    UseSignedDigitsFilter(field);
    return field;
}

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

AdjustPanel::AdjustPanel(QWidget* parent) : QGroupBox(tr("Adjust Selected box"), parent) {
    setObjectName("gAdjust");
    const QString moveHint = tr("Adjust selected window position");
    const QString sizeHint = tr("Adjust selected window size");

    AdjustUp = MakeStepButton(ArrowUp, "AdjustUp", moveHint, this);
    AdjustDown = MakeStepButton(ArrowDown, "AdjustDown", moveHint, this);
    AdjustLeft = MakeStepButton(ArrowLeft, "AdjustLeft", moveHint, this);
    AdjustRight = MakeStepButton(ArrowRight, "AdjustRight", moveHint, this);
    auto* move = new QGridLayout;
    move->setSpacing(1);
    move->addWidget(Caption(tr("Move"), this), 0, 0, 1, 3);
    move->addWidget(AdjustUp, 1, 1);
    move->addWidget(AdjustLeft, 2, 0);
    move->addWidget(AdjustRight, 2, 2);
    move->addWidget(AdjustDown, 3, 1);

    // Each edge of the drawn box has its outward and inward button beside it.
    bte = MakeStepButton(ArrowUp, "bte", sizeHint, this);
    btr = MakeStepButton(ArrowDown, "btr", sizeHint, this);
    ble = MakeStepButton(ArrowLeft, "ble", sizeHint, this);
    blr = MakeStepButton(ArrowRight, "blr", sizeHint, this);
    bre = MakeStepButton(ArrowRight, "bre", sizeHint, this);
    brr = MakeStepButton(ArrowLeft, "brr", sizeHint, this);
    bbe = MakeStepButton(ArrowDown, "bbe", sizeHint, this);
    bbr = MakeStepButton(ArrowUp, "bbr", sizeHint, this);
    auto* edgeBox = new QLabel(this);
    edgeBox->setFrameShape(QFrame::Box);
    edgeBox->setFixedSize(2 * ButtonSize, 2 * ButtonSize);
    auto* resize = new QGridLayout;
    resize->setSpacing(1);
    resize->addWidget(Caption(tr("Resize"), this), 0, 0, 1, 4);
    resize->addWidget(bte, 1, 1);
    resize->addWidget(btr, 1, 2);
    resize->addWidget(ble, 2, 0);
    resize->addWidget(blr, 3, 0);
    resize->addWidget(edgeBox, 2, 1, 2, 2);
    resize->addWidget(brr, 2, 3);
    resize->addWidget(bre, 3, 3);
    resize->addWidget(bbr, 4, 1);
    resize->addWidget(bbe, 4, 2);

    BoxLeft = BoundsField("BoxLeft", this);
    BoxTop = BoundsField("BoxTop", this);
    BoxWidth = BoundsField("BoxWidth", this);
    BoxHeight = BoundsField("BoxHeight", this);
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("Left"), this), 0, 0);
    fields->addWidget(BoxLeft, 1, 0);
    fields->addWidget(new QLabel(tr("Top"), this), 0, 1);
    fields->addWidget(BoxTop, 1, 1);
    fields->addWidget(new QLabel(tr("Width"), this), 2, 0);
    fields->addWidget(BoxWidth, 3, 0);
    fields->addWidget(new QLabel(tr("Height"), this), 2, 1);
    fields->addWidget(BoxHeight, 3, 1);

    // The value labels stay hidden: the fields show the same numbers.
    auto* xy = new QLabel("x,y", this);
    auto* wh = new QLabel("w,h", this);
    lPosition = new QLabel(this);
    lPosition->setObjectName("lPosition");
    lSize = new QLabel(this);
    lSize->setObjectName("lSize");
    for (QLabel* label : {xy, wh, lPosition, lSize}) label->hide();

    LbButton3 = new QPushButton(tr("Show Align Palette"), this);
    LbButton3->setObjectName("LbButton3");
    LbButton3->setToolTip(tr("Line up, size and space the boxes Ctrl-clicked on the preview"));

    auto* row = new QHBoxLayout;
    row->addLayout(move);
    row->addSpacing(12);
    row->addLayout(resize);
    row->addSpacing(12);
    row->addLayout(fields);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(LbButton3);
}

void AdjustPanel::ShowBoxBounds(BoxRect b) {
    ShowText(BoxLeft, QString::number(b.Left));
    ShowText(BoxTop, QString::number(b.Top));
    ShowText(BoxWidth, QString::number(b.Width));
    ShowText(BoxHeight, QString::number(b.Height));
    lPosition->setText(QString("%1,%2").arg(b.Left).arg(b.Top));
    lSize->setText(QString("%1,%2").arg(b.Width).arg(b.Height));
}

std::array<AdjustPanel::StepButton, 12> AdjustPanel::StepButtons() const {
    return {{{bte, NudgeStep::TopOut},
             {bbe, NudgeStep::BottomOut},
             {ble, NudgeStep::LeftOut},
             {bre, NudgeStep::RightOut},
             {btr, NudgeStep::TopIn},
             {bbr, NudgeStep::BottomIn},
             {blr, NudgeStep::LeftIn},
             {brr, NudgeStep::RightIn},
             {AdjustUp, NudgeStep::Up},
             {AdjustDown, NudgeStep::Down},
             {AdjustRight, NudgeStep::Right},
             {AdjustLeft, NudgeStep::Left}}};
}

} // namespace roamplot
