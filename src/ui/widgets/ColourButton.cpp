#include "ui/widgets/ColourButton.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace roamplot {

namespace {
QColor ToQColor(Colour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

std::optional<Colour> AskWithColourDialog(Colour current, QWidget* parent) {
    QColor chosen = QColorDialog::getColor(ToQColor(current), parent);
    if (!chosen.isValid()) return std::nullopt;
    return MakeColour(chosen.red(), chosen.green(), chosen.blue());
}
} // namespace

ColourButton::ColourButton(QWidget* parent) : QPushButton(parent), chooser_(AskWithColourDialog) {
    setIconSize(QSize(40, 14));
    SetValue(Black);
    connect(this, &QPushButton::clicked, this, &ColourButton::Choose);
}

void ColourButton::SetValue(Colour colour) {
    // A new icon relays out the window around the button: not for the same colour.
    if (colour == colour_ && !icon().isNull()) return;
    colour_ = colour;
    QPixmap swatch(iconSize());
    swatch.fill(ToQColor(colour));
    QPainter frame(&swatch);
    frame.setPen(Qt::darkGray);
    frame.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    frame.end();
    setIcon(QIcon(swatch));
    setToolTip(QString::fromStdString(ColorToRgbText(colour)));
}

void ColourButton::Choose() {
    std::optional<Colour> chosen = chooser_(colour_, this);
    if (!chosen) return;
    SetValue(*chosen);
    emit ColorSelected(*chosen);
}

} // namespace roamplot
