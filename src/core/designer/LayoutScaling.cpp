#include "core/designer/LayoutScaling.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/model/FieldFunctions.h"

namespace roamplot {

bool IsScalableScreen(ScreenSize size) {
    constexpr int Least = 50;
    return size.Width >= Least && size.Height >= Least && size.Width <= MaxScreenSide &&
           size.Height <= MaxScreenSide;
}

int ScaleEdge(int edge, int from, int to) {
    if (from <= 0) return 0;
    const int64_t kept = std::clamp<int64_t>(edge, 0, from);
    return static_cast<int>((kept * to + from / 2) / from);
}

namespace {
// One side of a box: both edges scaled, and a box never scaled away to nothing.
void ScaleSpan(int32_t& start, int32_t& length, int from, int to) {
    const int first = ScaleEdge(start, from, to);
    int last =
        ScaleEdge(static_cast<int>(std::min<int64_t>(int64_t{start} + length, from)), from, to);
    int begin = first;
    if (last <= begin && length > 0) {
        if (begin < to)
            last = begin + 1;
        else
            begin = std::max(0, to - 1);
    }
    start = begin;
    length = std::max(0, last - begin);
}

int ScaleMeasure(int value, double ratio) {
    if (value <= 0) return value;
    return std::max(1, static_cast<int>(std::lround(value * ratio)));
}
} // namespace

void ScaleBoxes(ScreenLayout& layout, ScreenSize from, ScreenSize to) {
    if (from.Width <= 0 || from.Height <= 0) return;
    const double ratio = std::min(static_cast<double>(to.Width) / from.Width,
                                  static_cast<double>(to.Height) / from.Height);
    for (Page& page : layout.Pages) {
        for (ParameterBox& box : page.Boxes) {
            if (!box.InUse()) continue;
            ScaleSpan(box.Left, box.Width, from.Width, to.Width);
            ScaleSpan(box.Top, box.Height, from.Height, to.Height);
            box.TitleFontSize = ScaleMeasure(box.TitleFontSize, ratio);
            box.TextFontSize = ScaleMeasure(box.TextFontSize, ratio);
            box.BorderWidth = ScaleMeasure(box.BorderWidth, ratio);
            box.BorderRadius = box.BorderRadius <= 0
                                   ? box.BorderRadius
                                   : static_cast<int>(std::lround(box.BorderRadius * ratio));
        }
    }
}

std::optional<DeviceScreen> TargetScreenOf(std::string_view text, const DeviceScreen& custom) {
    DeviceScreen target = custom;
    const std::size_t by = text.find_first_of("xX");
    if (by == std::string_view::npos) {
        const std::optional<int32_t> row = TryStrToInt(text);
        if (!row || !DeviceScreen::IsValidRow(*row)) return std::nullopt;
        target.Row = *row;
    } else {
        const std::optional<int32_t> width = TryStrToInt(text.substr(0, by));
        const std::optional<int32_t> height = TryStrToInt(text.substr(by + 1));
        if (!width || !height) return std::nullopt;
        target.Row = CustomDeviceRow;
        for (int row = 0; row < CustomDeviceRow; ++row) {
            const DeviceScreenRow& entry = DeviceScreens[static_cast<std::size_t>(row)];
            if (entry.Width == *width && entry.Height == *height) {
                target.Row = row;
                break;
            }
        }
        if (target.Row == CustomDeviceRow) {
            target.CustomWidth = *width;
            target.CustomHeight = *height;
        }
    }
    if (!IsScalableScreen(target.Size())) return std::nullopt;
    return target;
}

} // namespace roamplot
