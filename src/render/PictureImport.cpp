#include "render/PictureImport.h"

#include <QImageReader>

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "core/model/DibFile.h"
#include "render/DibImage.h"
#include "render/PathText.h"
#include "render/TextCodec.h"

namespace roamplot {

Dib DibWithKeyColour(const QImage& image) {
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if (qAlpha(line[x]) < 128) line[x] = qRgb(255, 0, 255);
    }
    return DibFromQImage(keyed);
}

PictureRead ReadPictureFile(const std::filesystem::path& file) {
    PictureRead result;
    const std::string name = "\"" + PathToText(file) + "\"";
    // A bitmap our reader takes is one the handheld reads; when it refuses one,
    // its reason is more telling than the decoder's.
    std::string bitmapError;
    if (ReadFileStart(file, 2) == std::optional<std::string>("BM")) {
        DibReadResult bmp = ReadDibFromBmpFile(file);
        if (bmp.Picture) {
            result.Picture = std::move(bmp.Picture);
            return result;
        }
        bitmapError = bmp.Error;
    }
    QImageReader reader(QStringFromPath(file));
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid()) {
        if (!bitmapError.empty()) {
            result.Error = bitmapError;
            return result;
        }
        result.Error = "The picture " + name + " cannot be read: it is damaged or of a kind " +
                       "the designer does not know (" + FromQString(reader.errorString()) + ").";
        return result;
    }
    if (qint64{size.width()} * size.height() * 4 > MostPictureBytes) {
        result.Error = "The picture " + name + " is " + std::to_string(size.width()) + " x " +
                       std::to_string(size.height()) +
                       " pixels; pictures that take more than 64 MB are refused.";
        return result;
    }
    if (size.width() > MostDibSide || size.height() > MostDibSide) {
        result.Error = "The picture " + name + " is wider or higher than " +
                       std::to_string(MostDibSide) + " pixels.";
        return result;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        if (!bitmapError.empty()) {
            result.Error = bitmapError;
            return result;
        }
        result.Error = "The picture " + name + " cannot be read: it is damaged (" +
                       FromQString(reader.errorString()) + ").";
        return result;
    }
    result.Picture = DibWithKeyColour(image);
    result.Converted = true;
    return result;
}

Dib ScaledToFit(const Dib& picture, QSize room) {
    const QImage image = DibToQImage(picture);
    if (image.isNull() || room.isEmpty()) return picture;
    // Nearest pixels, so the key colour stays the key colour at the edges.
    return DibFromQImage(image.scaled(room, Qt::KeepAspectRatio, Qt::FastTransformation));
}

std::filesystem::path ConvertedPictureName(const std::filesystem::path& folder,
                                           const std::filesystem::path& source) {
    return folder / source.filename().replace_extension(".bmp");
}

} // namespace roamplot
