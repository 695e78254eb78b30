#include "GallerySheet.h"

#include <QPainter>
#include <functional>
#include <string>
#include <vector>

#include "core/model/ScreenLayout.h"
#include "render/BoxFonts.h"
#include "render/DibImage.h"
#include "render/DrawBox.h"
#include "render/artwork/PreviewPictures.h"

namespace roamplot::gallery {

namespace {

constexpr int SheetWidth = 1500;
constexpr int Margin = 12;
constexpr int Gap = 14;
constexpr int LabelHeight = 28;

struct Cell {
    QString Label;
    ParameterBox Box; // drawn when Picture is null
    QImage Picture;   // shown as it is
};

struct Section {
    QString Title;
    std::vector<Cell> Cells;
};

ParameterBox Box(const std::string& kind, int width, int height) {
    ParameterBox box;
    box.Kind = kind;
    box.PageNo = 1;
    box.ParameterId = std::to_string(1);
    box.Width = width;
    box.Height = height;
    box.BorderColor = MakeColour(60, 60, 60);
    return box;
}

ParameterBox ValueBox(int width, int height, const std::string& value, const std::string& units) {
    ParameterBox box = Box(BoxKind::SingleParameter, width, height);
    box.TitleText = "Speed";
    box.TestText = value;
    box.Units = units;
    return box;
}

// A 16 x 16 arrow on the transparent key, as a symbol file would hold it.
Dib ArrowSymbol() {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 90, 200));
    const QPoint arrow[7] = {{8, 1}, {15, 8}, {11, 8}, {11, 14}, {5, 14}, {5, 8}, {1, 8}};
    p.drawPolygon(arrow, 7);
    p.end();
    return DibFromQImage(image);
}

// A 24 x 18 picture with a frame and a diagonal, so placement and tiling show.
Dib BackgroundSample() {
    QImage image(24, 18, QImage::Format_RGB32);
    image.fill(QColor(250, 230, 160));
    QPainter p(&image);
    p.setPen(QColor(180, 90, 20));
    p.drawRect(0, 0, 23, 17);
    p.drawLine(0, 0, 23, 17);
    p.fillRect(2, 12, 6, 4, QColor(40, 140, 60));
    p.end();
    return DibFromQImage(image);
}

const char* BackStyleName(int style) {
    static const char* names[] = {"Normal", "Gradient", "Transparent", "Translucent"};
    return names[style];
}

Section KindsAndBackStyles() {
    Section s{
        QStringLiteral(
            "Kinds x back styles (over a striped underlay, so Transparent and Translucent show)"),
        {}};
    for (int style = 0; style < 4; ++style) {
        ParameterBox value = ValueBox(110, 56, "12.5", "km");
        value.TitleBackStyle = style;
        value.TextBackStyle = style;
        value.TextBackColor = MakeColour(255, 236, 120);
        s.Cells.push_back({QString("sp, %1").arg(BackStyleName(style)), value, {}});
    }
    for (int style = 0; style < 4; ++style) {
        ParameterBox text = Box(BoxKind::Text, 110, 56);
        text.TitleText = "Text box";
        text.TitleFontSize = 10;
        text.TitleBackStyle = style;
        text.BorderRadius = 10;
        s.Cells.push_back({QString("txt, %1, radius 10").arg(BackStyleName(style)), text, {}});
    }
    for (int style = 0; style < 4; ++style) {
        ParameterBox bg = Box(BoxKind::Background, 110, 56);
        bg.TitleText = "Background";
        bg.TextBackStyle = style;
        bg.TextBackColor = MakeColour(120, 200, 120);
        s.Cells.push_back({QString("bg, %1").arg(BackStyleName(style)), bg, {}});
    }
    for (int style = 0; style < 4; ++style) {
        ParameterBox button = Box(BoxKind::Button, 110, 56);
        button.TitleText = "Button";
        button.TitleFontSize = 10;
        button.TitleBackStyle = style;
        button.TitleBackColor = MakeColour(40, 110, 190);
        s.Cells.push_back({QString("bb, %1").arg(BackStyleName(style)), button, {}});
    }
    return s;
}

Section GradientColours() {
    Section s{
        QStringLiteral("Gradient colours: black, the stock values 1 to 6, white, a custom colour, "
                       "title over text in one colour"),
        {}};
    const std::vector<std::pair<Colour, QString>> colours{
        {Black, "black"}, {1, "value 1"},   {2, "value 2"},
        {3, "value 3"},   {4, "value 4"},   {5, "value 5"},
        {6, "value 6"},   {White, "white"}, {MakeColour(0, 120, 120), "teal"}};
    for (const auto& [colour, name] : colours) {
        ParameterBox box = ValueBox(90, 70, "", "");
        box.TitleText.clear();
        box.TextBackStyle = 1;
        box.TextBackColor = colour;
        s.Cells.push_back({name, box, {}});
    }
    ParameterBox same = ValueBox(90, 70, "88", "");
    same.TitleBackStyle = 1;
    same.TextBackStyle = 1;
    same.TitleBackColor = same.TextBackColor = MakeColour(0, 0, 160);
    same.TextForeColor = White;
    s.Cells.push_back({QStringLiteral("same colour: one gradient"), same, {}});
    ParameterBox strip = same;
    strip.TitleBackColor = MakeColour(160, 0, 0);
    s.Cells.push_back({QStringLiteral("title strip gradient"), strip, {}});
    return s;
}

Section Buttons() {
    Section s{
        QStringLiteral(
            "Button styles x symbol placements (None, Top, Bottom, Left, Right) and no caption"),
        {}};
    static const char* styles[] = {"Raised", "Flat", "No Border", "Round"};
    static const char* placements[] = {"None", "Top", "Bottom", "Left", "Right"};
    const Dib symbol = ArrowSymbol();
    for (int style = 0; style < 4; ++style) {
        for (int placement = 0; placement <= 5; ++placement) {
            ParameterBox button = Box(BoxKind::Button, 84, 56);
            button.ButtonStyle = style;
            button.TitleBackColor = MakeColour(200, 200, 210);
            button.TitleForeColor = Black;
            button.TitleFontSize = 8;
            button.BorderRadius = style == 1 ? 12 : 0;
            button.Symbol = symbol;
            button.SymbolPlacement = placement == 5 ? 1 : placement;
            button.TitleText = placement == 5 ? "" : "Go to";
            s.Cells.push_back(
                {QString("%1, %2").arg(styles[style],
                                       placement == 5 ? "no caption" : placements[placement]),
                 button,
                 {}});
        }
    }
    ParameterBox wrapped = Box(BoxKind::Button, 84, 56);
    wrapped.TitleText = "Zoom in on the track";
    wrapped.TitleFontSize = 8;
    s.Cells.push_back({QStringLiteral("caption word-wrapped"), wrapped, {}});
    return s;
}

Section Backgrounds() {
    Section s{
        QStringLiteral(
            "Background pictures: None, Center, Stretch, Tile; a picture larger than its box"),
        {}};
    static const char* names[] = {"None", "Center", "Stretch", "Tile"};
    for (int placement = 0; placement < 4; ++placement) {
        ParameterBox bg = Box(BoxKind::Background, 110, 80);
        bg.TitleText = "Picture";
        bg.Symbol = BackgroundSample();
        bg.SymbolPlacement = placement;
        bg.BorderWidth = 2;
        s.Cells.push_back({names[placement], bg, {}});
    }
    ParameterBox large = Box(BoxKind::Background, 40, 30);
    large.Symbol = DibFromQImage(SampleMap({170, 180}).copy(80, 100, 90, 80));
    large.SymbolPlacement = 1;
    s.Cells.push_back({QStringLiteral("Center, cropped"), large, {}});
    return s;
}

Section SpecialDrawings() {
    Section s{QStringLiteral("Special drawings with their sample data"), {}};
    struct Special {
        const char* Code;
        const char* Kind;
        int Width, Height;
        const char* Label;
    };
    const Special specials[] = {
        {"150", BoxKind::MultiParameter, 236, 140, "150 altitude profile"},
        {"151", BoxKind::MultiParameter, 236, 140, "151 speed profile (kph)"},
        {"163", BoxKind::MultiParameter, 236, 180, "163 waypoint list"},
        {"168", BoxKind::MultiParameter, 130, 130, "168 sky view"},
        {"169", BoxKind::MultiParameter, 130, 150, "169 signal bars"},
        {"170", BoxKind::MultiParameter, 236, 110, "170 data log"},
        {"172", BoxKind::MultiParameter, 100, 50, "172 GPS status (size 0)"},
        {"173", BoxKind::MultiParameter, 130, 50, "173 position"},
        {"174", BoxKind::MultiParameter, 130, 40, "174 signal lines"},
        {"360", BoxKind::NavParameter, 130, 130, "360 compass"},
        {"360", BoxKind::NavParameter, 80, 80, "360 compass, small"},
    };
    for (const Special& special : specials) {
        ParameterBox box = Box(special.Kind, special.Width, special.Height);
        box.ParameterId = special.Code;
        box.TitleText = std::string(special.Label).substr(4);
        box.TextBackColor = MakeColour(250, 250, 240);
        s.Cells.push_back({special.Label, box, {}});
    }
    ParameterBox gradient = s.Cells[1].Box;
    gradient.TextBackStyle = 1;
    gradient.TextBackColor = MakeColour(60, 140, 220);
    gradient.Units = "knots";
    gradient.TitleText = "speed profile (knots)";
    s.Cells.push_back({QStringLiteral("151 in knots, gradient plot"), gradient, {}});
    return s;
}

Section FontSizes() {
    Section s{
        QStringLiteral(
            "Automatic value size in growing boxes; justification; units that follow the settings"),
        {}};
    for (const auto& [w, h] :
         std::vector<std::pair<int, int>>{{40, 22}, {60, 32}, {90, 46}, {130, 70}, {200, 110}}) {
        ParameterBox box = ValueBox(w, h, "37.4", "kph");
        s.Cells.push_back({QString("%1 x %2").arg(w).arg(h), box, {}});
    }
    for (const char* justification : {"L", "C", "R"}) {
        ParameterBox box = ValueBox(130, 50, "37.4", "kph");
        box.TextFontSize = 14;
        box.Justification = justification;
        s.Cells.push_back({QString("size 14, %1").arg(justification), box, {}});
    }
    ParameterBox roamce = ValueBox(130, 50, "12.6", "ROAMCE");
    roamce.ParameterId = "011";
    roamce.TitleText = "Trip";
    s.Cells.push_back({QStringLiteral("ROAMCE, code 011"), roamce, {}});
    ParameterBox carried = ValueBox(130, 50, "1:23:45 hms", "");
    carried.ParameterId = "050";
    carried.TitleText = "Time";
    s.Cells.push_back({QStringLiteral("code 050: units in the sample"), carried, {}});
    ParameterBox longWord = ValueBox(130, 50, "231", "Magnetic");
    longWord.TitleText = "Heading";
    s.Cells.push_back({QStringLiteral("Magnetic shown as mag"), longWord, {}});
    return s;
}

Section BordersAndMarks() {
    Section s{QStringLiteral("Borders, radius, design outline, selection mark, new box, map box"),
              {}};
    for (int width : {0, 1, 2, 4}) {
        for (int radius : {0, 14}) {
            ParameterBox box = ValueBox(90, 50, "5", "");
            box.BorderWidth = width;
            box.BorderRadius = radius;
            box.BorderColor = MakeColour(200, 40, 40);
            s.Cells.push_back({QString("border %1, radius %2").arg(width).arg(radius), box, {}});
        }
    }
    ParameterBox key = ValueBox(90, 50, "5", "");
    key.BorderColor = TransparentKey;
    s.Cells.push_back({QStringLiteral("key border: outline"), key, {}});
    for (int width : {0, 3}) {
        ParameterBox selected = ValueBox(90, 50, "5", "");
        selected.BorderWidth = width;
        selected.Selected = 1;
        s.Cells.push_back({QString("selected, border %1").arg(width), selected, {}});
    }
    ParameterBox fresh = Box(BoxKind::New, 60, 30);
    fresh.TitleText = "123";
    s.Cells.push_back({QStringLiteral("new"), fresh, {}});
    ParameterBox map = Box(BoxKind::Map, 160, 120);
    map.BorderWidth = 2;
    s.Cells.push_back({QStringLiteral("map"), map, {}});
    return s;
}

Section Pictures() {
    Section s{QStringLiteral("Generated pictures"), {}};
    s.Cells.push_back({QStringLiteral("map 640 x 640 (half size)"),
                       {},
                       SampleMap({SampleMapSide, SampleMapSide}).scaled(320, 320)});
    s.Cells.push_back({QStringLiteral("device 172 x 268"), {}, DevicePicture()});
    s.Cells.push_back({QStringLiteral("sky view 100 x 100"), {}, SkyViewBackground()});
    s.Cells.push_back({QStringLiteral("toolbar 640 x 39"), {}, ToolbarStrip()});
    return s;
}

// Diagonal stripes under every box, so what a fill leaves uncovered shows.
QImage Underlay(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, ((x + y) / 6) % 2 ? qRgb(255, 255, 255) : qRgb(205, 215, 230));
    return image;
}

QImage CellImage(const Cell& cell, const RenderContext& context) {
    if (!cell.Picture.isNull()) return cell.Picture;
    QImage image = Underlay(cell.Box.Width, cell.Box.Height);
    DrawBox(image, cell.Box, 1, context);
    return image;
}

} // namespace

QImage MakeGallerySheet(const RenderContext& context) {
    const std::vector<Section> sections{KindsAndBackStyles(), GradientColours(), Buttons(),
                                        Backgrounds(),        SpecialDrawings(), FontSizes(),
                                        BordersAndMarks(),    Pictures()};
    // Lay out first to know the height.
    struct Placed {
        QPoint At;
        QImage Image;
        QString Label;
    };
    std::vector<std::pair<QPoint, QString>> headings;
    std::vector<Placed> placed;
    const QFont headingFont = BoxFont(11, true);
    const QFont labelFont = BoxFont(7, false);
    int y = Margin;
    for (const Section& section : sections) {
        headings.push_back({QPoint(Margin, y), section.Title});
        y += 24;
        int x = Margin, rowHeight = 0;
        for (const Cell& cell : section.Cells) {
            QImage image = CellImage(cell, context);
            const int width = std::max(image.width(), 84);
            if (x + width > SheetWidth - Margin) {
                x = Margin;
                y += rowHeight + LabelHeight + Gap;
                rowHeight = 0;
            }
            placed.push_back({QPoint(x, y), image, cell.Label});
            x += width + Gap;
            rowHeight = std::max(rowHeight, image.height());
        }
        y += rowHeight + LabelHeight + Gap + 6;
    }

    QImage sheet(SheetWidth, y, QImage::Format_RGB32);
    sheet.fill(QColor(246, 246, 246));
    QPainter p(&sheet);
    p.setPen(Qt::black);
    p.setFont(headingFont);
    for (const auto& [at, title] : headings) p.drawText(at + QPoint(0, 16), title);
    p.setFont(labelFont);
    for (const Placed& cell : placed) {
        p.drawImage(cell.At, cell.Image);
        p.setPen(QColor(170, 170, 170));
        p.drawRect(QRect(cell.At - QPoint(1, 1), cell.Image.size() + QSize(1, 1)));
        p.setPen(Qt::black);
        p.drawText(QRect(cell.At.x(), cell.At.y() + cell.Image.height() + 2,
                         std::max(cell.Image.width(), 84), LabelHeight),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, cell.Label);
    }
    return sheet;
}

} // namespace roamplot::gallery
