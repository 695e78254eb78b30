#include "core/designer/BoxStyle.h"

namespace roamplot {

void CopyStyle(const ParameterBox& from, ParameterBox& to) {
    to.TitleFontSize = from.TitleFontSize;
    to.TitleForeColor = from.TitleForeColor;
    to.TitleBackColor = from.TitleBackColor;
    to.TitleBackStyle = from.TitleBackStyle;
    to.TextFontSize = from.TextFontSize;
    to.TextForeColor = from.TextForeColor;
    to.TextBackColor = from.TextBackColor;
    to.TextBackStyle = from.TextBackStyle;
    to.BorderColor = from.BorderColor;
    to.BorderWidth = from.BorderWidth;
    to.BorderRadius = from.BorderRadius;
    to.Justification = from.Justification;
}

} // namespace roamplot
