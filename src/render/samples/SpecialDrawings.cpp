#include "render/samples/SpecialDrawings.h"

#include "render/BoxFonts.h"
#include "render/DrawBox.h"

namespace roamplot {

bool HasSpecialDrawing(const ParameterBox& box) {
    const int code = ParameterCode(box);
    if (box.Kind == BoxKind::NavParameter) return code == 360;
    if (box.Kind != BoxKind::MultiParameter) return false;
    switch (code) {
    case 150:
    case 151:
    case 163:
    case 168:
    case 169:
    case 170:
    case 172:
    case 173:
    case 174:
        return true;
    default:
        return false;
    }
}

void DrawSpecial(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                 int titleHeight) {
    if (box.Kind == BoxKind::NavParameter) {
        DrawCompass(canvas, box, g, titleHeight);
        return;
    }
    switch (ParameterCode(box)) {
    case 150:
        DrawAltitudeProfile(canvas, box, titleHeight);
        break;
    case 151:
        DrawSpeedProfile(canvas, box, titleHeight);
        break;
    case 163:
        DrawWaypointList(canvas, box, g, titleHeight);
        break;
    case 168:
        DrawSkyView(canvas, box, titleHeight);
        break;
    case 169:
        DrawSignalBars(canvas, box, g, titleHeight);
        break;
    case 170:
        DrawDataLog(canvas, box, g, titleHeight);
        break;
    case 172:
        DrawGpsStatus(canvas, box, g, titleHeight);
        break;
    case 173:
        DrawPosition(canvas, box, g, titleHeight);
        break;
    case 174:
        DrawSignalLines(canvas, box, g, titleHeight);
        break;
    default:
        break;
    }
}

QFont SampleFont(const ParameterBox& box, int fallbackPoints) {
    return BoxFont(box.TextFontSize > 0 ? box.TextFontSize : fallbackPoints, false);
}

QFont GpsStatusFont(const ParameterBox& box) {
    return box.TextFontSize > 0 ? BoxFont(box.TextFontSize, false) : DefaultSizeFont(false);
}

} // namespace roamplot
