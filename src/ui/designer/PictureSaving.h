#pragma once
// A picture the handheld cannot read as it is, converted once on choosing it
// and saved as a 24-bit bitmap in the symbols folder, where the designer
// finds symbol files.
#include <QString>
#include <filesystem>
#include <optional>

#include "core/model/Dib.h"
#include "core/model/ScreenLayout.h"

namespace roamplot {

class Prompter;

// Offers to scale a picture larger than the box to fit it, names the bitmap
// it is saved as, asks before replacing one, and writes it. The bitmap's
// path, or nothing when the user declined or the write failed (told).
std::optional<std::filesystem::path>
SaveConvertedPicture(Prompter& prompts, const QString& programFolder, Dib& picture,
                     const std::filesystem::path& source, const ParameterBox& box);

} // namespace roamplot
