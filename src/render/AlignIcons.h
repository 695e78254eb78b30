#pragma once
// The pictures of the align palette's buttons, drawn by code.
#include <QImage>

#include "core/designer/AlignCommands.h"

namespace roamplot {

inline constexpr int AlignIconSize = 32;

// A transparent picture of AlignIconSize square showing what the command does.
QImage AlignIcon(AlignCommand command);

} // namespace roamplot
