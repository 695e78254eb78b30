#include "render/samples/SpecialDrawings.h"

#include "core/model/ParameterIds.h"
#include "render/BoxFonts.h"
#include "render/DrawBox.h"

namespace roamplot {

using namespace ParameterIds;

bool HasSpecialDrawing(const ParameterBox& box) {
    const int code = ParameterCode(box);
    if (box.Kind == BoxKind::NavParameter) return code == Compass;
    if (box.Kind != BoxKind::MultiParameter) return false;
    switch (code) {
    case AltitudeProfile:
    case SpeedProfile:
    case WaypointList:
    case SkyView:
    case SignalBars:
    case DataLog:
    case GpsStatus:
    case Position:
    case SignalLines:
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
    case AltitudeProfile:
        DrawAltitudeProfile(canvas, box, titleHeight);
        break;
    case SpeedProfile:
        DrawSpeedProfile(canvas, box, titleHeight);
        break;
    case WaypointList:
        DrawWaypointList(canvas, box, g, titleHeight);
        break;
    case SkyView:
        DrawSkyView(canvas, box, titleHeight);
        break;
    case SignalBars:
        DrawSignalBars(canvas, box, g, titleHeight);
        break;
    case DataLog:
        DrawDataLog(canvas, box, g, titleHeight);
        break;
    case GpsStatus:
        DrawGpsStatus(canvas, box, g, titleHeight);
        break;
    case Position:
        DrawPosition(canvas, box, g, titleHeight);
        break;
    case SignalLines:
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
