#include "render/AlignIcons.h"

#include <QPainter>

namespace roamplot {

namespace {
const QColor Guide(200, 0, 0);
const QColor Face(70, 110, 200);
const QColor Edge(20, 30, 60);

void Block(QPainter& p, int x, int y, int w, int h) {
    p.setPen(Edge);
    p.setBrush(Face);
    p.drawRect(x, y, w - 1, h - 1);
}

void GuideLine(QPainter& p, int x1, int y1, int x2, int y2) {
    p.setPen(QPen(Guide, 2));
    p.drawLine(x1, y1, x2, y2);
}

// The horizontal form of each pair; the vertical one is its mirror image in
// the diagonal.
void DrawHorizontal(QPainter& p, AlignCommand command) {
    switch (command) {
    case AlignCommand::AlignLeft:
    case AlignCommand::AlignTop:
        GuideLine(p, 4, 2, 4, 29);
        Block(p, 5, 6, 22, 8);
        Block(p, 5, 18, 13, 8);
        break;
    case AlignCommand::AlignRight:
    case AlignCommand::AlignBottom:
        GuideLine(p, 27, 2, 27, 29);
        Block(p, 5, 6, 22, 8);
        Block(p, 14, 18, 13, 8);
        break;
    case AlignCommand::SpaceHorizontal:
    case AlignCommand::SpaceVertical:
        Block(p, 3, 4, 6, 16);
        Block(p, 13, 8, 6, 12);
        Block(p, 23, 2, 6, 18);
        GuideLine(p, 6, 26, 26, 26);
        GuideLine(p, 6, 23, 6, 29);
        GuideLine(p, 16, 23, 16, 29);
        GuideLine(p, 26, 23, 26, 29);
        break;
    case AlignCommand::SameWidth:
    case AlignCommand::SameHeight:
        GuideLine(p, 5, 2, 5, 29);
        GuideLine(p, 26, 2, 26, 29);
        Block(p, 5, 6, 22, 8);
        Block(p, 5, 18, 22, 8);
        break;
    }
}

bool IsVertical(AlignCommand command) {
    return command == AlignCommand::AlignTop || command == AlignCommand::AlignBottom ||
           command == AlignCommand::SpaceVertical || command == AlignCommand::SameHeight;
}
} // namespace

QImage AlignIcon(AlignCommand command) {
    QImage image(AlignIconSize, AlignIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    if (IsVertical(command)) p.setTransform(QTransform(0, 1, 1, 0, 0, 0));
    DrawHorizontal(p, command);
    return image;
}

} // namespace roamplot
