#include "core/model/ParameterFileReader.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "core/model/Colour.h"
#include "core/model/DibFile.h"
#include "core/model/DibHex.h"
#include "core/model/FieldFunctions.h"
#include "core/model/FileLines.h"
#include "core/model/ParameterIds.h"
#include "core/model/RecordFields.h"

namespace roamplot {

namespace {

constexpr const char* DefaultPageName = "Page 1 (Main Map)";
// No handheld screen comes near this; it keeps damaged numbers from reaching the drawing.
constexpr int MostCoordinate = 4096;

bool IsSkipped(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos || line.front() == ';';
}

// Field 1 without its blanks; a view, since most lines of a file are bitmap digits.
std::string_view KeyOf(std::string_view line) {
    std::string_view key = line.substr(0, line.find(','));
    const std::size_t first = key.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return key.substr(first, key.find_last_not_of(' ') - first + 1);
}

std::string At(const FileLine& line) {
    return "line " + std::to_string(line.Number) + ": ";
}

std::string BoxName(int page, int slot) {
    return "box " + std::to_string(slot) + " of page " + std::to_string(page);
}

// Everything one load works on.
struct Load {
    ScreenLayout& Layout;
    DesignerSettings& Settings;
    const ParameterCatalogue& Catalogue;
    std::string_view Bytes;
    ParameterFileLoadReport& Report;

    void RaiseNumberOfPages(int32_t pages) {
        if (pages > Settings.NumberOfPages) Settings.NumberOfPages = std::min(pages, MaxPages);
    }

    // The sample the preview shows in place of the live value.
    std::string SampleOf(const ParameterBox& box) const {
        const CatalogueEntry* entry = Catalogue.LastWithId(StrToInt(box.ParameterId));
        return entry ? entry->SampleValue : std::string();
    }
};

// An identifier must be a number where it is looked up: always for a
// parameter, and whenever one is given for the other kinds.
void CheckIdentifier(const ParameterBox& box) {
    if (IsParameterKind(box.Kind) || !TrimSpaces(box.ParameterId).empty())
        StrToInt(box.ParameterId);
}

// A record's units, or the catalogue's first choice where it has none: looked
// up only then, since nearly every record names its units.
std::string UnitsOf(const Load& load, const RecordFields& line, int n, const ParameterBox& box) {
    std::string units = line.TextOrDefault(n, "");
    return units.empty() ? DefaultUnits(load.Catalogue.UnitsOf(box.ParameterId)) : units;
}

// Keeps coordinates a damaged file may hold within what any screen could show.
bool LimitGeometry(ParameterBox& box) {
    bool limited = false;
    auto limit = [&limited](int32_t& value, int32_t least) {
        const int32_t within = std::clamp(value, least, MostCoordinate);
        limited = limited || within != value;
        value = within;
    };
    limit(box.Left, -MostCoordinate);
    limit(box.Top, -MostCoordinate);
    limit(box.Width, 0);
    limit(box.Height, 0);
    return limited;
}

bool ClampToArea(ParameterBox& box, ScreenSize area) {
    bool clamped = false;
    if (box.Left < 0) box.Left = 0, clamped = true;
    if (box.Top < 0) box.Top = 0, clamped = true;
    if (int64_t{box.Left} + box.Width > area.Width) {
        box.Width = static_cast<int32_t>(std::max<int64_t>(0, int64_t{area.Width} - box.Left));
        clamped = true;
    }
    if (int64_t{box.Top} + box.Height > area.Height) {
        box.Height = static_cast<int32_t>(std::max<int64_t>(0, int64_t{area.Height} - box.Top));
        clamped = true;
    }
    return LimitGeometry(box) || clamped;
}

// ---- version 2 -----------------------------------------------------------

ScreenSize AreaOfScreenRecord(Load& load, const RecordFields& line, const FileLine& at) {
    const int32_t width = line.Int(2, 0);
    const int32_t height = line.Int(3, 0);
    DeviceScreen& screen = load.Settings.Screen;
    if (width < 1 || height < 1 || width > MostCoordinate || height > MostCoordinate) {
        load.Report.DroppedRecords.push_back(At(at) + "screen record of " + std::to_string(width) +
                                             " x " + std::to_string(height) + " dropped");
        return screen.DrawArea();
    }
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    screen.Row = CustomDeviceRow;
    for (int row = 0; row < CustomDeviceRow; ++row) {
        if (std::string_view(DeviceScreens[static_cast<std::size_t>(row)].Label).find(size) !=
            std::string_view::npos) {
            screen.Row = row;
            break;
        }
    }
    if (screen.Row == CustomDeviceRow) {
        screen.CustomWidth = width;
        screen.CustomHeight = height;
    }
    // A record cut short would make every box zero-sized; the screen's own area keeps them.
    ScreenSize area{line.Int(4, 0), line.Int(5, 0)};
    if (area.Width < 1 || area.Height < 1) area = screen.DrawArea();
    return area;
}

// The start of a box record; the versions differ only in where the identifier and kind stand.
ParameterBox ReadBoxHead(const RecordFields& line, int page, int idField, int kindField) {
    ParameterBox box;
    box.PageNo = page;
    box.ParameterId = line.Text(idField, "");
    box.Kind = line.Text(kindField, "");
    box.Left = line.Int(5, 0);
    box.Top = line.Int(6, 0);
    box.Width = line.Int(7, 48);
    box.Height = line.Int(8, 48);
    CheckIdentifier(box);
    return box;
}

ParameterBox ReadVersion2Box(const Load& load, const RecordFields& line, int page) {
    ParameterBox box = ReadBoxHead(line, page, 3, 4);

    const std::string& kind = box.Kind;
    if (kind == BoxKind::Map) {
        box.BorderWidth = line.Int(9, 1);
        box.BorderColor = line.Rgb(10, "(128/128/128)");
        return box;
    }
    const bool parameter = IsParameterKind(kind);
    const bool background = kind == BoxKind::Background;
    const bool button = kind == BoxKind::Button;
    if (!parameter && !background && !button && kind != BoxKind::Text) return box;

    box.TitleText = line.Text(9, "");
    box.TitleFontSize = line.Int(10, 11);
    box.TitleForeColor = line.Rgb(11, "(255/255/255)");
    box.TitleBackColor = line.Rgb(12, "(000/000/160)");
    box.TitleBackStyle = line.Int(13, 0);
    if (button) {
        box.ButtonStyle = line.Int(14, 0);
        box.SymbolPlacement = line.Int(15, 0);
        box.SymbolRef = line.TextOrDefault(16, "0000");
        // The file keeps no border of a button; a flat one is drawn with this.
        if (box.ButtonStyle == 1) {
            box.BorderRadius = 6;
            box.BorderColor = Grey;
        }
        return box;
    }
    box.BorderWidth = line.Int(14, 1);
    box.BorderRadius = line.Int(15, 0);
    box.BorderColor = line.Rgb(16, "(128/128/128)");
    if (background) {
        box.TextBackColor = line.Rgb(17, "(255/255/255)");
        box.TextBackStyle = line.Int(18, 0);
        box.SymbolPlacement = line.Int(19, 0);
        box.SymbolRef = line.TextOrDefault(20, "0000");
    } else if (parameter) {
        box.Justification = line.TextOrDefault(17, "C");
        box.TextFontSize = line.Int(18, 0);
        box.TextForeColor = line.Rgb(19, "(000/000/000)");
        box.TextBackColor = line.Rgb(20, "(255/255/255)");
        box.TextBackStyle = line.Int(21, 0);
        box.Units = UnitsOf(load, line, 22, box);
        box.ShowUnits = line.Int(23, 1);
        box.Decimals = line.TextOrDefault(24, "Auto");
        box.TestText = load.SampleOf(box);
        if (box.ParameterId != std::to_string(ParameterIds::NearestWaypoint))
            box.TestText = SampleWithDecimals(box.TestText, box.Decimals);
    }
    return box;
}

// A page record without box records is written for a page whose boxes were
// all unfinished. One unfinished box keeps the page in use, so the next save
// keeps its place and name instead of moving the later pages down.
void KeepPagePlace(Load& load, int page, int boxCount) {
    if (page < 1 || page > MaxPages || boxCount > 0) return;
    ParameterBox box;
    box.PageNo = page;
    box.Kind = BoxKind::New;
    box.Width = 60;
    box.Height = 30;
    load.Layout.Box(page, 1) = std::move(box);
}

// Where the reading of the layout records stands.
struct LayoutPass {
    int PageCounter = 0;
    int BoxCounter = 0;
    // Until a screen record says otherwise, boxes keep the size they have on the current screen.
    ScreenSize Area;
    std::string EndedAt; // set once a line ended the reading of the layout
};

void ReadLayoutRecord(Load& load, LayoutPass& pass, std::string_view key, const FileLine& at) {
    ParameterFileLoadReport& report = load.Report;
    if (key == "Device Type") {
        load.Layout.DeviceTypeCode = RecordFields(at.Text).Text(2, "");
    } else if (key == "s1") {
        pass.Area = AreaOfScreenRecord(load, RecordFields(at.Text), at);
    } else if (key == "b1" || key == "pg1") {
        KeepPagePlace(load, pass.PageCounter, pass.BoxCounter);
        ++pass.PageCounter;
        pass.BoxCounter = 0;
        load.RaiseNumberOfPages(pass.PageCounter);
        if (pass.PageCounter <= MaxPages)
            load.Layout.PageAt(pass.PageCounter).PageName =
                RecordFields(at.Text).TextOrDefault(3, DefaultPageName);
        else
            report.DroppedRecords.push_back(At(at) + "page record beyond page 20 dropped");
    } else if (key == "a1") {
        const int page = pass.PageCounter;
        const int slot = ++pass.BoxCounter;
        if (page < 1) {
            report.DroppedRecords.push_back(At(at) + "box record before any page record dropped");
        } else if (page > MaxPages) {
            report.DroppedRecords.push_back(At(at) + "box record of a page beyond page 20 dropped");
        } else if (slot > SlotsPerPage) {
            report.DroppedRecords.push_back(At(at) + "box record beyond the 32nd box of page " +
                                            std::to_string(page) + " dropped");
        } else {
            ParameterBox box = ReadVersion2Box(load, RecordFields(at.Text), page);
            if (ClampToArea(box, pass.Area))
                report.ClampedBoxes.push_back(At(at) + BoxName(page, slot) +
                                              " clamped to the drawing area");
            load.Layout.Box(page, slot) = std::move(box);
        }
    }
}

void GiveSymbol(ScreenLayout& layout, const std::string& reference,
                const std::filesystem::path& path, const SharedDib& picture) {
    for (Page& page : layout.Pages) {
        for (ParameterBox& box : page.Boxes) {
            if (!box.InUse() || box.SymbolRef != reference) continue;
            box.SymbolFile = path;
            box.Symbol = picture;
        }
    }
}

// "END" once its blanks are removed.
bool IsEndLine(std::string_view line) {
    std::size_t letters = 0;
    for (char c : line) {
        if (c == ' ') continue;
        if (letters == 3 || c != "END"[letters]) return false;
        ++letters;
    }
    return letters == 3;
}

// The lines of the bitmap block after a symbol record, up to the "END" line.
class BlockLines : public HexLineSource {
  public:
    explicit BlockLines(FileLines& lines) : lines_(lines) {}

    std::optional<std::string_view> NextLine() override {
        if (ended_) return std::nullopt;
        std::optional<FileLine> line = lines_.Next();
        if (!line || IsEndLine(line->Text)) {
            ended_ = true;
            return std::nullopt;
        }
        return line->Text;
    }

    // Passes over what the picture did not need.
    void SkipRest() {
        while (NextLine()) {
        }
    }

  private:
    FileLines& lines_;
    bool ended_ = false;
};

// Reads a symbol record (and its block, which the lines then stand after) and
// gives its picture to the boxes that hold its reference. Returns why the
// reading of the symbols ended, or nothing.
std::string ReadSymbolRecord(Load& load, const FileLine& at, FileLines& lines,
                             const SymbolFileLoader& loadSymbolFile) {
    ParameterFileLoadReport& report = load.Report;
    const RecordFields line(at.Text);
    const std::string reference = line.Text(2, "");
    const int32_t flag = line.Int(3, 0);
    // The file holds the name as Windows-1252 text, as the handheld reads it.
    const std::string name = line.Text(5, "");
    const std::filesystem::path path = PathFromText(name);
    report.SymbolFileLabel = FileNamePart(name);
    // Each record starts afresh: a file that is missing must not bring back
    // the picture of the record before it.
    SharedDib picture;
    if (flag == 0) {
        if (!FileExists(path)) {
            report.MissingSymbolFiles.push_back(name);
        } else if (loadSymbolFile) {
            SymbolFileResult read = loadSymbolFile(path);
            if (read.Picture)
                picture = std::move(read.Picture);
            else
                report.SymbolProblems.push_back(At(at) + name + ": " + read.Error);
        }
    } else {
        BlockLines blockLines(lines);
        DibHexResult block = DibFromHexLines(blockLines);
        blockLines.SkipRest();
        if (!block.Error.empty()) return At(at) + "reading of the symbols ended: " + block.Error;
        if (!block.Refused.empty())
            report.SymbolProblems.push_back(At(at) + "symbol " + reference +
                                            " refused: " + block.Refused);
        else if (block.Padded)
            report.SymbolProblems.push_back(At(at) + "symbol " + reference +
                                            " is shorter than its header says, filled with zeros");
        picture = std::move(block.Picture);
    }
    GiveSymbol(load.Layout, reference, path, picture);
    return {};
}

// Every symbol record again, for a file whose boxes do not all come before
// its symbols (the writer never puts them there): the last record of a
// reference gives the picture, wherever the box stands.
std::string RereadSymbols(Load& load, const SymbolFileLoader& loadSymbolFile) {
    ParameterFileLoadReport& report = load.Report;
    report.MissingSymbolFiles.clear();
    report.SymbolProblems.clear();
    FileLines lines(load.Bytes);
    while (const std::optional<FileLine> next = lines.Next()) {
        if (IsSkipped(next->Text) || KeyOf(next->Text) != "g1") continue;
        std::string ended = ReadSymbolRecord(load, *next, lines, loadSymbolFile);
        if (!ended.empty()) return ended;
    }
    return {};
}

// The layout and symbol records in one walk over the file. The layout stops
// at a line it cannot read, the symbols at a block they cannot; each goes on
// without the other.
void ReadVersion2(Load& load, const SymbolFileLoader& loadSymbolFile) {
    ResetLayout(load.Layout);
    LayoutPass layout;
    layout.Area = load.Settings.Screen.DrawArea();
    std::string symbolsEndedAt;
    bool symbolSeen = false;
    bool boxAfterSymbol = false;
    FileLines lines(load.Bytes);
    while (const std::optional<FileLine> next = lines.Next()) {
        const FileLine& at = *next;
        if (IsSkipped(at.Text)) continue;
        const std::string_view key = KeyOf(at.Text);
        if (key == "g1") {
            symbolSeen = true;
            if (symbolsEndedAt.empty())
                symbolsEndedAt = ReadSymbolRecord(load, at, lines, loadSymbolFile);
            continue;
        }
        if (!layout.EndedAt.empty()) continue;
        boxAfterSymbol = boxAfterSymbol || (symbolSeen && key == "a1");
        try {
            ReadLayoutRecord(load, layout, key, at);
        } catch (const std::bad_alloc&) {
            throw; // no fault of the line: the whole load fails
        } catch (const std::exception& error) {
            layout.EndedAt = At(at) + "reading of the layout ended: " + error.what();
        }
    }
    if (layout.EndedAt.empty()) KeepPagePlace(load, layout.PageCounter, layout.BoxCounter);
    if (boxAfterSymbol) symbolsEndedAt = RereadSymbols(load, loadSymbolFile);
    load.Report.EndedPass = symbolsEndedAt.empty() ? layout.EndedAt : symbolsEndedAt;
    for (Page& page : load.Layout.Pages)
        for (ParameterBox& box : page.Boxes)
            if (!box.Symbol) box.SymbolPlacement = 0;
}

// ---- version 1 -----------------------------------------------------------

ParameterBox ReadVersion1Box(const Load& load, const RecordFields& line, int page) {
    ParameterBox box = ReadBoxHead(line, page, 2, 3);

    const std::string& kind = box.Kind;
    constexpr Colour OldGrey = 8421504;
    constexpr Colour OldNavy = 8388608;
    if (kind == BoxKind::Map) {
        box.BorderWidth = line.Int(10, 1);
        box.BorderColor = line.Int(11, OldGrey);
        return box;
    }
    const bool parameter = IsParameterKind(kind);
    const bool text = kind == BoxKind::Text;
    if (!parameter && !text && kind != BoxKind::Button) return box;
    box.TitleText = line.Text(9, "");
    box.TitleFontSize = line.Int(10, 11);
    box.TitleForeColor = line.Int(11, White);
    box.TitleBackColor = line.Int(12, OldNavy);
    if (!parameter && !text) return box;
    box.BorderWidth = line.Int(14, 1);
    box.BorderColor = line.Int(15, OldGrey);
    if (!parameter) return box;
    box.TextFontSize = line.Int(16, 0);
    box.TextForeColor = line.Int(17, Black);
    box.TextBackColor = line.Int(18, White);
    box.Units = UnitsOf(load, line, 19, box);
    box.TestText = load.SampleOf(box);
    return box;
}

void ReadVersion1(Load& load) {
    ResetLayout(load.Layout);
    ParameterFileLoadReport& report = load.Report;
    std::array<int, MaxPages + 1> boxCounters{};
    FileLines lines(load.Bytes);
    while (const std::optional<FileLine> next = lines.Next()) {
        const FileLine& at = *next;
        if (IsSkipped(at.Text)) continue;
        const std::string_view key = KeyOf(at.Text);
        const RecordFields line(at.Text);
        try {
            if (key == "pg1") {
                const int32_t page = line.Int(2, 1);
                load.RaiseNumberOfPages(page);
                if (page >= 1 && page <= MaxPages)
                    load.Layout.PageAt(page).PageName = line.TextOrDefault(3, DefaultPageName);
                else
                    report.DroppedRecords.push_back(At(at) + "page record of page " +
                                                    std::to_string(page) + " dropped");
            } else if (key == "p1") {
                const int32_t page = line.Int(4, 0);
                if (page < 1 || page > MaxPages) {
                    report.DroppedRecords.push_back(At(at) + "box record of page " +
                                                    std::to_string(page) + " dropped");
                    continue;
                }
                const int slot = ++boxCounters[static_cast<std::size_t>(page)];
                if (slot > SlotsPerPage) {
                    report.DroppedRecords.push_back(At(at) +
                                                    "box record beyond the 32nd box of page " +
                                                    std::to_string(page) + " dropped");
                    continue;
                }
                ParameterBox box = ReadVersion1Box(load, line, page);
                if (LimitGeometry(box))
                    report.ClampedBoxes.push_back(At(at) + BoxName(page, slot) +
                                                  " limited to 4096 pixels");
                load.Layout.Box(page, slot) = std::move(box);
            }
        } catch (const std::bad_alloc&) {
            throw; // no fault of the line: the whole load fails
        } catch (const std::exception& error) {
            report.StopError = error.what();
            report.EndedPass = At(at) + "reading of the layout ended: " + error.what();
            return;
        }
    }
}

int DecideVersion(std::string_view bytes) {
    FileLines lines(bytes);
    while (const std::optional<FileLine> line = lines.Next()) {
        if (IsSkipped(line->Text)) continue;
        const std::string_view key = KeyOf(line->Text);
        if (key == "p1") return 1;
        if (key == "a1") return 2;
    }
    return 0;
}

} // namespace

SymbolFileResult ReadSymbolBitmapFile(const std::filesystem::path& path) {
    DibReadResult read = ReadDibFromBmpFile(path);
    return {std::move(read.Picture), read.Error};
}

std::vector<std::string> ParameterFileLoadReport::Findings() const {
    std::vector<std::string> findings;
    if (!Readable) findings.push_back(ReadError);
    findings.insert(findings.end(), DroppedRecords.begin(), DroppedRecords.end());
    findings.insert(findings.end(), ClampedBoxes.begin(), ClampedBoxes.end());
    if (!EndedPass.empty()) findings.push_back(EndedPass);
    for (const std::string& path : MissingSymbolFiles)
        findings.push_back("symbol file not found: " + path);
    findings.insert(findings.end(), SymbolProblems.begin(), SymbolProblems.end());
    return findings;
}

ParameterFileLoadReport LoadParameterBytes(ScreenLayout& layout, DesignerSettings& settings,
                                           const ParameterCatalogue& catalogue,
                                           std::string_view bytes,
                                           const SymbolFileLoader& loadSymbolFile) {
    ParameterFileLoadReport report;
    report.Version = DecideVersion(bytes);
    Load load{layout, settings, catalogue, bytes, report};
    try {
        if (report.Version == 1) {
            ReadVersion1(load);
        } else if (report.Version == 2) {
            ReadVersion2(load, loadSymbolFile);
        }
    } catch (const std::bad_alloc&) {
        // What was read so far would pass for the file's layout, and a save would keep it.
        ResetLayout(layout);
        layout.Modified = true;
        report = ParameterFileLoadReport{};
        report.Readable = false;
        report.ReadError = OutOfMemoryMessage;
        return report;
    }
    // A load stopped part-way leaves a layout that matches no file.
    if (!report.StopError.empty()) layout.Modified = true;
    return report;
}

ParameterFileLoadReport LoadParameterFile(ScreenLayout& layout, DesignerSettings& settings,
                                          const ParameterCatalogue& catalogue,
                                          const std::filesystem::path& fileName,
                                          const SymbolFileLoader& loadSymbolFile) {
    std::optional<std::string> bytes = ReadFileBytes(fileName);
    if (!bytes) {
        ParameterFileLoadReport report;
        report.Readable = false;
        report.ReadError =
            "Cannot open file \"" + PathToText(fileName) + "\": " + UnreadableReason(fileName);
        return report;
    }
    return LoadParameterBytes(layout, settings, catalogue, *bytes, loadSymbolFile);
}

} // namespace roamplot
