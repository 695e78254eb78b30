#pragma once
// Text in the core is Windows-1252 bytes as the files hold them; the windows use QString.
#include <QString>
#include <string>
#include <string_view>

namespace roamplot {

QString ToQString(std::string_view windows1252);
// Characters without a Windows-1252 byte become "?".
std::string FromQString(const QString& text);

} // namespace roamplot
