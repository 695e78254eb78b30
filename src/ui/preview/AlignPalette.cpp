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

// Two columns, row by row.
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
} // namespace

AlignPalette::AlignPalette(SettingsFile& settings, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      settings_(settings) {
    setWindowTitle(tr("Align"));
    auto* grid = new QGridLayout(this);
    grid->setSpacing(0);
    grid->setContentsMargins(2, 2, 2, 2);
    int index = 0;
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
        grid->addWidget(button, index / 2, index % 2);
        ++index;
    }
}

void AlignPalette::RestorePosition(QPoint mainWindowPosition) {
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    QPoint fallback = mainWindowPosition + DefaultOffset;
    WindowPosition place = RestoreWindowPosition(settings_, AlignPaletteSection, fallback.x(),
                                                 fallback.y(), screen.width(), screen.height());
    MoveInsideArea(*this, {place.Left, place.Top});
}

AlignPalette::~AlignPalette() {
    RememberPosition();
    settings_.Save();
}

void AlignPalette::RememberPosition() {
    ChangeWindowPosition(settings_, AlignPaletteSection, {x(), y()});
}

QToolButton* AlignPalette::Button(AlignCommand command) const {
    for (const PaletteButton& entry : Buttons)
        if (entry.Command == command) return findChild<QToolButton*>(entry.Name);
    return nullptr;
}

void AlignPalette::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    resize(ClientWidth, height());
}

} // namespace roamplot
