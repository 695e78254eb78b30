#include "core/model/ParameterFileWriter.h"

#include <algorithm>

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "core/model/Colour.h"
#include "core/model/DibHex.h"
#include "core/model/FieldFunctions.h"

namespace roamplot {

namespace {

constexpr const char* LineEnd = "\r\n";
constexpr const char* NoSymbolReference = "0000";

class RecordLine {
  public:
    explicit RecordLine(std::string& out) : out_(out) {}
    ~RecordLine() { out_ += LineEnd; }
    RecordLine(const RecordLine&) = delete;
    RecordLine& operator=(const RecordLine&) = delete;

    RecordLine& operator<<(const std::string& field) { return Put(field); }
    RecordLine& operator<<(const char* field) { return Put(field); }
    RecordLine& operator<<(int32_t value) { return Put(std::to_string(value)); }
    RecordLine& Rgb(Colour colour) { return Put(ColorToRgbText(colour)); }
    // Free text, its commas (the field separator) written as spaces. In place:
    // a title may be megabytes long.
    RecordLine& Text(std::string_view field) {
        Put(field);
        std::replace(out_.end() - static_cast<std::ptrdiff_t>(field.size()), out_.end(), ',', ' ');
        return *this;
    }

  private:
    RecordLine& Put(std::string_view field) {
        if (!first_) out_ += ',';
        first_ = false;
        out_ += field;
        return *this;
    }
    std::string& out_;
    bool first_ = true;
};

std::string SlotReference(int page, int slot) {
    return PadZeros(std::to_string(page), 2) + PadZeros(std::to_string(slot), 2);
}

// Boxes that show the same file share the record of the first box that used
// it. Paths are compared whole: one path being part of another is no match,
// and a picture without a file has nothing to share.
std::string RegisterSymbol(std::vector<SymbolListEntry>& list, const ParameterBox& box, int page,
                           int slot) {
    if (!box.SymbolFile.empty()) {
        auto found = std::find_if(list.rbegin(), list.rend(), [&box](const SymbolListEntry& e) {
            return e.File == box.SymbolFile;
        });
        if (found != list.rend()) return found->Reference;
    }
    SymbolListEntry entry{SlotReference(page, slot), page, slot, box.SymbolFile,
                          static_cast<int64_t>(box.Symbol->Width()) * box.Symbol->Height()};
    list.push_back(entry);
    return entry.Reference;
}

int64_t RecordSize(const Dib& dib) {
    return static_cast<int64_t>(dib.Width()) * dib.Height() * 3 + 40;
}

void WriteBoxRecord(std::string& out, const ParameterBox& box, int page,
                    const std::string& symbolReference) {
    const std::string& kind = box.Kind;
    const bool map = kind == BoxKind::Map;
    const bool text = kind == BoxKind::Text;
    const bool parameter = IsParameterKind(kind);
    const bool background = kind == BoxKind::Background;
    const bool button = kind == BoxKind::Button;
    if (!map && !text && !parameter && !background && !button) return;

    RecordLine line(out);
    line << "a1" << page << PadZeros(box.ParameterId, 3) << kind << box.Left << box.Top << box.Width
         << box.Height;
    if (map) {
        line << box.BorderWidth;
        line.Rgb(box.BorderColor);
        return;
    }
    line.Text(box.TitleText) << box.TitleFontSize;
    line.Rgb(box.TitleForeColor).Rgb(box.TitleBackColor);
    line << box.TitleBackStyle;
    if (button) {
        line << box.ButtonStyle << box.SymbolPlacement << symbolReference;
        return;
    }
    line << box.BorderWidth << box.BorderRadius;
    line.Rgb(box.BorderColor);
    if (background) {
        line.Rgb(box.TextBackColor);
        line << box.TextBackStyle << box.SymbolPlacement << symbolReference;
    } else if (parameter) {
        line << box.Justification << box.TextFontSize;
        line.Rgb(box.TextForeColor).Rgb(box.TextBackColor);
        line << box.TextBackStyle << box.Units << box.ShowUnits << box.Decimals;
    }
}

void WriteBitmapBlock(std::string& out, const Dib& dib) {
    out += HexLines(DibToBytes(dib));
    out += "END";
    out += LineEnd;
}

} // namespace

std::vector<std::filesystem::path> UnwritableSymbolNames(const std::vector<SymbolListEntry>& list) {
    std::vector<std::filesystem::path> names;
    for (const SymbolListEntry& entry : list)
        if (!PathFitsText(entry.File)) names.push_back(entry.File);
    return names;
}

ParameterFileText ComposeParameterFile(const ScreenLayout& layout, const DeviceScreen& screen,
                                       const ThumbnailRenderer& thumbnail) {
    ParameterFileText result;
    std::string& out = result.Bytes;
    const ScreenSize size = screen.Size();
    const ScreenSize area = screen.DrawArea();
    out += "RoamplotCE Parameter File\r\n;\r\n";
    RecordLine(out) << "Device Type" << layout.DeviceTypeCode;
    RecordLine(out) << "s1" << size.Width << size.Height << area.Width << area.Height;

    for (int p = 1; p <= MaxPages; ++p) {
        if (layout.BoxCount(p) > 0) RecordLine(out) << "b1" << p << layout.PageAt(p).PageName;
        for (int s = 1; s <= SlotsPerPage; ++s) {
            const ParameterBox& box = layout.Box(p, s);
            if (!box.InUse()) continue;
            std::string reference = NoSymbolReference;
            bool mayHaveSymbol = box.Kind == BoxKind::Background || box.Kind == BoxKind::Button;
            if (mayHaveSymbol && box.Symbol && box.SymbolPlacement > 0)
                reference = RegisterSymbol(result.SymbolList, box, p, s);
            WriteBoxRecord(out, box, p, reference);
        }
    }

    out += ";\r\n;Symbols follow ...\r\n";
    for (const SymbolListEntry& entry : result.SymbolList) {
        const Dib& symbol = *layout.Box(entry.Page, entry.Slot).Symbol;
        out += ";\r\n";
        RecordLine(out) << "g1" << entry.Reference << (entry.Embedded() ? "1" : "0")
                        << std::to_string(entry.PixelCount * 3 + 40) << PathToText(entry.File);
        if (entry.Embedded()) WriteBitmapBlock(out, symbol);
    }

    for (int p = 1; p <= MaxPages; ++p) {
        if (layout.BoxCount(p) == 0) continue;
        std::optional<Dib> picture = thumbnail ? thumbnail(layout, p) : std::nullopt;
        if (!picture) continue;
        out += ";\r\n";
        RecordLine(out) << "g2" << p << std::to_string(RecordSize(*picture));
        WriteBitmapBlock(out, *picture);
    }
    return result;
}

ParameterFileWriteResult WriteParameterFile(const ScreenLayout& layout, const DeviceScreen& screen,
                                            const std::filesystem::path& fileName,
                                            const ThumbnailRenderer& thumbnail) {
    ParameterFileText text = ComposeParameterFile(layout, screen, thumbnail);
    ParameterFileWriteResult result;
    result.Error = WriteFileAtomically(fileName, text.Bytes);
    result.SymbolList = std::move(text.SymbolList);
    return result;
}

} // namespace roamplot
