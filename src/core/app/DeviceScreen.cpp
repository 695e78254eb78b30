#include "core/app/DeviceScreen.h"

namespace roamplot {

ScreenSize DeviceScreen::Size() const {
    if (!IsValidRow(Row)) return {};
    if (Row == CustomDeviceRow) return {CustomWidth, CustomHeight};
    const auto& row = DeviceScreens[static_cast<std::size_t>(Row)];
    return {row.Width, row.Height};
}

std::string DeviceScreen::DeviceTypeCode() const {
    return IsValidRow(Row) ? DeviceScreens[static_cast<std::size_t>(Row)].DeviceTypeCode : "";
}

WindowPlace PlacePreviewBeside(const DeviceScreen& screen, int mainLeft, int mainTop,
                               int mainHeight, int previewWidth) {
    if (screen.IsHandheldLandscape()) return {mainLeft, mainTop + mainHeight};
    int left = mainLeft - previewWidth;
    return {left < 0 ? 0 : left, mainTop};
}

} // namespace roamplot
