#include "render/TextCodec.h"

#include "core/device/DeviceText.h"

namespace roamplot {

QString ToQString(std::string_view windows1252) {
    return QString::fromStdU16String(DeviceTextToUtf16(std::string(windows1252)));
}

std::string FromQString(const QString& text) {
    return Utf16ToDeviceText(text.toStdU16String());
}

} // namespace roamplot
