#include "ui/designer/PictureSaving.h"

#include <QDir>
#include <QObject>

#include "core/io/FileIo.h"
#include "core/model/DibFile.h"
#include "render/PathText.h"
#include "render/PictureImport.h"
#include "ui/app/Prompter.h"

namespace roamplot {

std::optional<std::filesystem::path>
SaveConvertedPicture(Prompter& prompts, const QString& programFolder, Dib& picture,
                     const std::filesystem::path& source, const ParameterBox& box) {
    if (picture.Width() > box.Width || picture.Height() > box.Height) {
        if (prompts.AskYesNo(
                QObject::tr("The picture is %1 x %2 pixels, larger than its box of %3 x %4. "
                            "Scale it to fit the box?")
                    .arg(picture.Width())
                    .arg(picture.Height())
                    .arg(box.Width)
                    .arg(box.Height)))
            picture = ScaledToFit(picture, {box.Width, box.Height});
    }
    const std::filesystem::path folder =
        PathFromQString(QDir::toNativeSeparators(programFolder + "/Symbols"));
    const std::filesystem::path target = ConvertedPictureName(folder, source);
    const QString shown = QStringFromPath(target);
    if (!prompts.Confirm(
            QObject::tr("The handheld reads only bitmaps: the picture is converted to a "
                        "24-bit bitmap and saved as \"%1\".")
                .arg(shown)))
        return std::nullopt;
    if (FileExists(target) &&
        !prompts.AskYesNo(QObject::tr("\"%1\" exists. Replace it?").arg(shown)))
        return std::nullopt;
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    const std::string error = WriteFileAtomically(target, DibToBmp(picture));
    if (!error.empty()) {
        prompts.ShowError(MessageNaming(error, target));
        return std::nullopt;
    }
    return target;
}

} // namespace roamplot
