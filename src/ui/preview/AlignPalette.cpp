#include "ui/preview/AlignPalette.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>

#include "core/app/DesignerSettings.h"
#include "render/AlignIcons.h"
#include "ui/widgets/ScreenPlacement.h"

namespace roamplot {

namespace {
constexpr int ButtonSize = 40;
constexpr int ClientWidth = 84;
const QPoint DefaultOffset(115, 340);

struct PaletteButton {
    AlignCommand Command;
    const char* Name;
    const char* Hint;
};

// In reading order, row by row.
constexpr PaletteButton Buttons[] = {
    {AlignCommand::AlignLeft, "AlignLeft", "Align left edges of selected boxes"},
    {AlignCommand::AlignRight, "AlignRight", "Align right edges of selected boxes"},
    {AlignCommand::AlignTop, "AlignTop", "Align top edges of selected boxes"},
    {AlignCommand::AlignBottom, "AlignBottom", "Align bottom edges of selected boxes"},
    {AlignCommand::SpaceHorizontal, "SpaceHorizontal",
     "Space selected boxes equally, horizontally"},
    {AlignCommand::SpaceVertical, "SpaceVertical", "Space selected boxes equally, vertically"},
    {AlignCommand::SameWidth, "SameWidth", "Make selected boxes the same width"},
    {AlignCommand::SameHeight, "SameHeight", "Make selected boxes the same height"},
};

constexpr Qt::WindowFlags FloatingFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
} // namespace

AlignPalette::AlignPalette(SettingsFile& settings, QWidget* parent)
    : QWidget(parent, FloatingFlags), settings_(settings), dockable_(*this, FloatingFlags),
      grid_(new QGridLayout(this)) {
    setWindowTitle(tr("Align"));
    grid_->setSpacing(0);
    grid_->setContentsMargins(2, 2, 2, 2);
    for (const PaletteButton& entry : Buttons) {
        auto* button = new QToolButton(this);
        button->setObjectName(entry.Name);
        button->setToolTip(tr(entry.Hint));
        button->setIcon(QPixmap::fromImage(AlignIcon(entry.Command)));
        button->setIconSize({AlignIconSize, AlignIconSize});
        button->setFixedSize(ButtonSize, ButtonSize);
        button->setAutoRaise(true);
        AlignCommand command = entry.Command;
        connect(button, &QToolButton::clicked, this,
                [this, command] { emit CommandChosen(command); });
    }
    close_ = new QToolButton(this);
    close_->setObjectName("CloseAlign");
    close_->setText(QString::fromUtf8("\u2715"));
    close_->setToolTip(tr("Close the Align palette"));
    close_->setAutoRaise(true);
    connect(close_, &QToolButton::clicked, this, &QWidget::hide);
    Arrange(2);
}

void AlignPalette::Arrange(int columns) {
    int index = 0;
    for (const PaletteButton& entry : Buttons) {
        QToolButton* button = Button(entry.Command);
        grid_->removeWidget(button);
        grid_->addWidget(button, index / columns, index % columns);
        ++index;
    }
    grid_->removeWidget(close_);
    if (Docked()) grid_->addWidget(close_, 0, columns, Qt::AlignTop);
    close_->setVisible(Docked());
}

void AlignPalette::Dock(QWidget* holder) {
    const bool shown = isVisible();
    dockable_.Dock(holder);
    Arrange(4);
    setVisible(shown);
}

void AlignPalette::Float(QWidget* owner) {
    const bool shown = isVisible();
    dockable_.Float(owner);
    Arrange(2);
    setVisible(shown);
}

void AlignPalette::RestorePosition(QPoint mainWindowPosition) {
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    QPoint fallback = mainWindowPosition + DefaultOffset;
    WindowPosition place = RestoreWindowPosition(settings_, AlignPaletteSection, fallback.x(),
                                                 fallback.y(), screen.width(), screen.height());
    if (Docked()) return dockable_.KeepFloatingPlace({place.Left, place.Top});
    MoveInsideArea(*this, {place.Left, place.Top});
}

AlignPalette::~AlignPalette() {
    RememberPosition();
    settings_.Save();
}

void AlignPalette::RememberPosition() {
    const QPoint place = dockable_.FloatingPlace();
    ChangeWindowPosition(settings_, AlignPaletteSection, {place.x(), place.y()});
}

QToolButton* AlignPalette::Button(AlignCommand command) const {
    for (const PaletteButton& entry : Buttons)
        if (entry.Command == command) return findChild<QToolButton*>(entry.Name);
    return nullptr;
}

void AlignPalette::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!Docked()) resize(ClientWidth, height());
}

} // namespace roamplot
