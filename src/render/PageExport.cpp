#include "render/PageExport.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/io/FileIo.h"
#include "render/BoxFonts.h"
#include "render/PageCompositor.h"
#include "render/PathText.h"
#include "render/TextCodec.h"

namespace roamplot {

namespace {
constexpr int SheetMargin = 8;
constexpr int CaptionHeight = 18;

std::string PngBytes(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return std::string(png.constData(), static_cast<std::size_t>(png.size()));
}

// The picture written whole or not at all; the reason when it could not be.
std::string WritePng(const QImage& image, const std::filesystem::path& file) {
    const std::string png = PngBytes(image);
    if (png.empty()) return "Cannot encode the picture \"" + PathToText(file) + "\".";
    return WriteFileAtomically(file, png);
}
} // namespace

std::filesystem::path PageFileName(int page, const std::string& pageName) {
    char number[16];
    std::snprintf(number, sizeof number, "page-%02d", page);
    QString name = ToQString(pageName).trimmed();
    for (QChar& c : name)
        if (c.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(c)) c = '_';
    // Windows drops dots and spaces at the end of a name.
    while (name.endsWith('.') || name.endsWith(' ')) name.chop(1);
    const QString file = name.isEmpty() ? QString(number) : QString(number) + "-" + name;
    return PathFromQString(file + ".png");
}

QImage ContactSheet(const std::vector<SheetEntry>& entries) {
    if (entries.empty()) return {};
    int cellWidth = 1, cellHeight = 1;
    for (const SheetEntry& entry : entries) {
        cellWidth = std::max(cellWidth, entry.Picture.width());
        cellHeight = std::max(cellHeight, entry.Picture.height());
    }
    const int count = static_cast<int>(entries.size());
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const int rows = (count + columns - 1) / columns;
    const int stepX = cellWidth + SheetMargin, stepY = cellHeight + CaptionHeight + SheetMargin;
    QImage sheet(SheetMargin + columns * stepX, SheetMargin + rows * stepY, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = BoxFont(9, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int i = 0; i < count; ++i) {
        const int x = SheetMargin + (i % columns) * stepX;
        const int y = SheetMargin + (i / columns) * stepY;
        const SheetEntry& entry = entries[static_cast<std::size_t>(i)];
        painter.drawImage(x, y, entry.Picture);
        const QRect caption(x, y + entry.Picture.height(), cellWidth, CaptionHeight);
        painter.drawText(
            caption, Qt::AlignLeft | Qt::AlignVCenter,
            painter.fontMetrics().elidedText(entry.Caption, Qt::ElideRight, cellWidth));
    }
    return sheet;
}

PageExportResult ExportPages(const ScreenLayout& layout, const RenderContext& context, int zoom,
                             const std::filesystem::path& folder,
                             const std::filesystem::path& sheet, const ExportProgress& progress) {
    PageExportResult result;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        result.Failed = folder;
        result.Error =
            "Cannot write to the folder \"" + PathToText(folder) + "\": " + error.message() + ".";
        return result;
    }
    std::vector<int> pages;
    for (int page = 1; page <= MaxPages; ++page)
        if (layout.BoxCount(page) > 0) pages.push_back(page);
    const int total = static_cast<int>(pages.size()) + (sheet.empty() ? 0 : 1);
    std::vector<SheetEntry> entries;
    for (int page : pages) {
        const QImage composed = ComposePage(layout, page, context);
        const QImage picture =
            zoom > 1 ? composed.scaled(composed.width() * zoom, composed.height() * zoom,
                                       Qt::IgnoreAspectRatio, Qt::FastTransformation)
                     : composed;
        const std::filesystem::path file =
            folder / PageFileName(page, layout.PageAt(page).PageName);
        result.Error = WritePng(picture, file);
        if (!result.Error.empty()) {
            result.Failed = file;
            return result;
        }
        ++result.Written;
        if (!sheet.empty())
            entries.push_back({composed, QString("%1  %2").arg(page).arg(
                                             ToQString(layout.PageAt(page).PageName))});
        if (progress && !progress(result.Written, total)) {
            result.Cancelled = true;
            return result;
        }
    }
    if (sheet.empty()) return result;
    result.Error = WritePng(ContactSheet(entries), sheet);
    if (!result.Error.empty()) {
        result.Failed = sheet;
        return result;
    }
    if (progress) progress(total, total);
    return result;
}

} // namespace roamplot
