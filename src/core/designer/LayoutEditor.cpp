// LayoutEditor; its property edits continue in BoxPropertyEdits.cpp.
#include "core/designer/LayoutEditor.h"

#include <algorithm>
#include <utility>

#include "core/designer/BoxFindings.h"
#include "core/designer/BoxStyle.h"
#include "core/designer/LayoutScaling.h"
#include "core/designer/PageInsertion.h"
#include "core/designer/StepNames.h"
#include "core/model/FieldFunctions.h"
#include "core/model/ParameterIds.h"

namespace roamplot {

namespace {
constexpr int NewBoxWidth = 60;
constexpr int NewBoxHeight = 30;
} // namespace

bool BoxClipboard::IsEmpty() const {
    for (const auto& entry : Entries)
        if (entry.Selected == 1) return false;
    return true;
}

std::vector<std::string> SplitUnits(const std::string& unitsList) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        std::size_t bar = unitsList.find('|', start);
        pieces.push_back(unitsList.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos) return pieces;
        start = bar + 1;
    }
}

LayoutEditor::EditScope::~EditScope() {
    if (--editor_.depth_ == 0) editor_.FinishScope();
}

void LayoutEditor::FinishScope() {
    if (change_.Empty()) return;
    SelectBox(selectedSlot_);
    const LayoutChange change = std::exchange(change_, {});
    if (changed_) changed_(change);
}

ParameterBox& LayoutEditor::Box(int slot) {
    change_.MarkBox(layout_.CurrentPage, slot);
    return layout_.Box(layout_.CurrentPage, slot);
}

void LayoutEditor::MarkAllPages() {
    for (int p = 1; p <= MaxPages; ++p) change_.MarkPage(p);
}

void LayoutEditor::ShowPage(int page) {
    EditScope scope(*this);
    layout_.CurrentPage = std::clamp(page, 1, MaxPages);
    change_.MarkPage(layout_.CurrentPage);
    change_.Shown = true;
    selectedSlot_ = NoBox; // the page shown selects its first box
}

void LayoutEditor::SelectBox(int slot) {
    const int page = layout_.CurrentPage;
    auto inUse = [&](int s) { return s >= 1 && s <= SlotsPerPage && layout_.Box(page, s).InUse(); };
    slot = std::clamp(slot, 0, SlotsPerPage);
    while (slot > 0 && !inUse(slot)) --slot;
    if (slot == 0)
        for (int s = 1; s <= SlotsPerPage && slot == 0; ++s)
            if (inUse(s)) slot = s;
    selectedSlot_ = slot == 0 ? NoBox : slot;
}

void LayoutEditor::SetDeviceTypeCode(const std::string& code) {
    layout_.DeviceTypeCode = code;
}

void LayoutEditor::Touch(const char* step) {
    layout_.Modified = true;
    if (!pendingStep_.empty()) return;
    pendingStep_ = step;
    pendingBefore_ = View();
    if (editStarted_) editStarted_();
}

EditView LayoutEditor::View() const {
    return {layout_.CurrentPage, selectedSlot_, std::nullopt};
}

bool LayoutEditor::FinishEdit() {
    if (pendingStep_.empty()) return false;
    const std::string step = std::move(pendingStep_);
    pendingStep_.clear();
    EditView after = View();
    after.Screen = std::exchange(pendingScreen_, std::nullopt);
    return history_.Record(layout_, step, pendingBefore_, after);
}

bool LayoutEditor::EndBurst() {
    const bool recorded = FinishEdit();
    history_.EndBurst();
    return recorded;
}

std::optional<EditView> LayoutEditor::Follow(std::optional<EditView> view) {
    if (!view) return view;
    MarkAllPages();
    change_.Restacked = true;
    change_.Renamed = true;
    layout_.Modified = !history_.AtSaved();
    layout_.CurrentPage = std::clamp(view->Page, 1, MaxPages);
    if (view->Slot < 1 || view->Slot > SlotsPerPage ||
        !layout_.Box(layout_.CurrentPage, view->Slot).InUse())
        view->Slot = NoBox;
    selectedSlot_ = view->Slot;
    if (view->Screen) layout_.DeviceTypeCode = view->Screen->DeviceTypeCode();
    return view;
}

std::optional<EditView> LayoutEditor::Undo() {
    EditScope scope(*this);
    FinishEdit();
    return Follow(history_.Undo(layout_));
}

std::optional<EditView> LayoutEditor::Redo() {
    EditScope scope(*this);
    FinishEdit();
    return Follow(history_.Redo(layout_));
}

void LayoutEditor::ResetHistory(bool matchesFile) {
    pendingStep_.clear();
    pendingScreen_.reset();
    history_.Reset(layout_, matchesFile);
    layout_.Modified = !matchesFile;
}

void LayoutEditor::MarkSaved() {
    FinishEdit();
    history_.MarkSaved();
    layout_.Modified = false;
}

int LayoutEditor::NewBox(const DeviceScreen& screen) {
    EditScope scope(*this);
    Touch(StepNames::NewBox);
    int page = layout_.CurrentPage;
    int slot = layout_.FirstFreeSlot(page);
    if (slot == 0) return 0;
    ScreenSize area = screen.DrawArea();
    ParameterBox box;
    box.ParameterId = "0";
    box.Kind = BoxKind::New;
    box.PageNo = page;
    box.TitleFontSize = 7;
    box.TextFontSize = 0;
    box.Width = NewBoxWidth;
    box.Height = NewBoxHeight;
    if (screen.IsHandheldLandscape()) {
        box.Left = area.Width - NewBoxWidth;
        box.Top = 0;
    } else {
        box.Left = 0;
        box.Top = area.Height - NewBoxHeight;
    }
    Box(slot) = std::move(box);
    change_.Restacked = true;
    selectedSlot_ = slot;
    return slot;
}

void LayoutEditor::DeleteBox(int slot) {
    EditScope scope(*this);
    Touch(StepNames::DeleteBox);
    change_.MarkPage(layout_.CurrentPage);
    change_.Restacked = true;
    RemoveBox(layout_, layout_.CurrentPage, slot);
}

BoxClipboard LayoutEditor::Copy(int selectedSlot) const {
    BoxClipboard clipboard;
    int page = layout_.CurrentPage;
    bool any = false;
    for (int s = 1; s <= SlotsPerPage; ++s) {
        const ParameterBox& box = layout_.Box(page, s);
        if (box.Selected == 1) {
            clipboard.Entries[static_cast<std::size_t>(s - 1)] = box;
            any = true;
        }
    }
    if (!any && selectedSlot >= 1 && selectedSlot <= SlotsPerPage) {
        clipboard.Entries[static_cast<std::size_t>(selectedSlot - 1)] =
            layout_.Box(page, selectedSlot);
        clipboard.Entries[static_cast<std::size_t>(selectedSlot - 1)].Selected = 1;
    }
    return clipboard;
}

PasteResult LayoutEditor::Paste(const BoxClipboard& clipboard) {
    EditScope scope(*this);
    PasteResult result;
    int page = layout_.CurrentPage;
    bool pageHasMap = layout_.PageHasMap(page);
    for (const ParameterBox& entry : clipboard.Entries) {
        if (entry.Selected != 1) continue;
        if (entry.Kind == BoxKind::Map && pageHasMap) continue;
        int slot = layout_.FirstFreeSlot(page);
        if (slot == 0) {
            result.PageFull = true;
            break;
        }
        ParameterBox& box = Box(slot);
        change_.Restacked = true;
        std::string symbolRef = box.SymbolRef;
        box = entry;
        box.PageNo = page;
        box.Selected = 0;
        box.SymbolRef = std::move(symbolRef);
        result.PastedSlots.push_back(slot);
    }
    ClearSelection();
    if (!result.PastedSlots.empty()) {
        Touch(StepNames::Paste);
        selectedSlot_ = result.PastedSlots.back();
    }
    return result;
}

PasteStyleResult LayoutEditor::PasteStyle(const BoxClipboard& clipboard, int selectedSlot) {
    EditScope scope(*this);
    const auto first = std::find_if(clipboard.Entries.begin(), clipboard.Entries.end(),
                                    [](const ParameterBox& entry) { return entry.Selected == 1; });
    if (first == clipboard.Entries.end()) return PasteStyleResult::ClipboardEmpty;
    const int page = layout_.CurrentPage;
    std::vector<int> targets;
    for (int s = 1; s <= SlotsPerPage; ++s)
        if (layout_.Box(page, s).InUse() && layout_.Box(page, s).Selected == 1)
            targets.push_back(s);
    if (targets.empty() && selectedSlot >= 1 && selectedSlot <= SlotsPerPage &&
        layout_.Box(page, selectedSlot).InUse())
        targets.push_back(selectedSlot);
    if (targets.empty()) return PasteStyleResult::NoBox;
    Touch(StepNames::PasteStyle);
    for (int slot : targets) CopyStyle(*first, Box(slot));
    return PasteStyleResult::Pasted;
}

void LayoutEditor::SwapBoxes(int slotA, int slotB) {
    EditScope scope(*this);
    Touch(StepNames::ReorderBoxes);
    std::swap(Box(slotA), Box(slotB));
    change_.Restacked = true;
    // The selection goes with its box.
    if (selectedSlot_ == slotA)
        selectedSlot_ = slotB;
    else if (selectedSlot_ == slotB)
        selectedSlot_ = slotA;
}

ParameterChoice LayoutEditor::ChooseParameter(int slot, const CatalogueEntry& entry,
                                              const DeviceScreen& screen) {
    EditScope scope(*this);
    Touch(StepNames::ChooseParameter);
    if (slot < 1) return ParameterChoice::NoBox;
    ParameterBox& box = Box(slot);
    if (entry.Kind == BoxKind::Map) {
        if (box.Kind == BoxKind::Map) return ParameterChoice::AlreadyTheMap;
        if (layout_.PageHasMap(layout_.CurrentPage)) return ParameterChoice::SecondMapRefused;
    }
    std::vector<std::string> units = SplitUnits(entry.UnitsList);
    box.Units = units.back().empty() ? std::string() : units.front();
    box.ParameterId = PadZeros(std::to_string(entry.Id), 3);

    auto resize = [&](int width, int height) {
        box.Width = width;
        box.Height = height;
        ApplyBoxGeometry(slot, screen.DrawArea());
    };
    if (entry.Id == ParameterIds::SkyView) {
        box.TextFontSize = 7;
        resize(120, 120);
    } else if (entry.Id == ParameterIds::SignalBars) {
        box.TextFontSize = 7;
        resize(100, 140);
    } else if (entry.Id == ParameterIds::SignalLines) {
        box.TitleFontSize = 0;
        box.TextFontSize = 7;
        resize(30, 30);
    } else if (entry.Id == ParameterIds::DataLog) {
        box.TextFontSize = 8;
    }

    box.Kind = entry.Kind;
    box.TitleText = entry.DefaultTitle;
    // As the reader will show it after a save and a reload.
    box.TestText = IsParameterKind(entry.Kind) && entry.Id != ParameterIds::NearestWaypoint
                       ? SampleWithDecimals(entry.SampleValue, box.Decimals)
                       : entry.SampleValue;
    if (box.Kind == BoxKind::Button) {
        box.BorderWidth = 0;
    } else if (box.Kind == BoxKind::Background) {
        ScreenSize size = screen.Size();
        SetBoxRect(slot, {0, 0, size.Width, size.Height});
        ApplyBoxGeometry(slot, screen.DrawArea());
    }
    return ParameterChoice::Applied;
}

void LayoutEditor::SetBoxRect(int slot, BoxRect rect) {
    EditScope scope(*this);
    Touch(StepNames::MoveBox);
    ParameterBox& box = Box(slot);
    box.Left = rect.Left;
    box.Top = rect.Top;
    box.Width = rect.Width;
    box.Height = rect.Height;
}

BoxRect LayoutEditor::BoxRectOf(int slot) const {
    const ParameterBox& box = layout_.Box(layout_.CurrentPage, slot);
    return {box.Left, box.Top, box.Width, box.Height};
}

BoxRect LayoutEditor::ApplyBoxGeometry(int slot, ScreenSize drawArea) {
    EditScope scope(*this);
    BoxRect fitted = FitByShrinking(BoxRectOf(slot), drawArea);
    SetBoxRect(slot, fitted);
    return fitted;
}

BoxRect LayoutEditor::ApplyBoxPosition(int slot, ScreenSize drawArea) {
    EditScope scope(*this);
    BoxRect fitted = FitByMoving(BoxRectOf(slot), drawArea);
    SetBoxRect(slot, fitted);
    return fitted;
}

int LayoutEditor::FitBoxesIntoScreen(ScreenSize drawArea) {
    EditScope scope(*this);
    int fitted = 0;
    for (int p = 1; p <= MaxPages; ++p) {
        for (ParameterBox& box : layout_.PageAt(p).Boxes) {
            if (!LiesPartlyOutside(box, drawArea)) continue;
            change_.MarkPage(p);
            change_.Restacked = true;
            const BoxRect rect = FitByShrinking(
                FitByMoving({box.Left, box.Top, box.Width, box.Height}, drawArea), drawArea);
            Touch(StepNames::FitBoxesIntoScreen);
            box.Left = rect.Left;
            box.Top = rect.Top;
            box.Width = rect.Width;
            box.Height = rect.Height;
            ++fitted;
        }
    }
    return fitted;
}

void LayoutEditor::ScaleLayout(const DeviceScreen& from, const DeviceScreen& to) {
    EditScope scope(*this);
    Touch(StepNames::ScaleLayout);
    if (!pendingBefore_.Screen) pendingBefore_.Screen = from;
    pendingScreen_ = to;
    MarkAllPages();
    change_.Restacked = true;
    ScaleBoxes(layout_, from.DrawArea(), to.DrawArea());
    layout_.DeviceTypeCode = to.DeviceTypeCode();
}

int LayoutEditor::NextPage(int current, int pagesInUse) {
    int next = current + 1;
    return next > pagesInUse ? 1 : next;
}

int LayoutEditor::PreviousPage(int current, int pagesInUse) {
    int previous = current - 1;
    return previous < 1 ? std::max(1, pagesInUse) : previous;
}

void LayoutEditor::SwapPages(int a, int b) {
    EditScope scope(*this);
    Touch(StepNames::MovePage);
    change_.MarkPage(a);
    change_.MarkPage(b);
    change_.Restacked = true;
    change_.Renamed = true;
    Page& first = layout_.PageAt(a);
    Page& second = layout_.PageAt(b);
    std::swap(first.Boxes, second.Boxes);
    for (auto& box : first.Boxes)
        if (box.InUse()) box.PageNo = a;
    for (auto& box : second.Boxes)
        if (box.InUse()) box.PageNo = b;
    std::swap(first.PageName, second.PageName);
}

PageMove LayoutEditor::MovePageUp(int pagesInUse) {
    EditScope scope(*this);
    int current = layout_.CurrentPage;
    if (current == pagesInUse) return PageMove::AtLastPage;
    if (current >= MaxPages) return PageMove::AtLastPage;
    SwapPages(current, current + 1);
    layout_.CurrentPage = current + 1;
    selectedSlot_ = NoBox; // the page shown selects its first box
    return PageMove::Moved;
}

PageMove LayoutEditor::MovePageDown() {
    EditScope scope(*this);
    int current = layout_.CurrentPage;
    if (current <= 1) return PageMove::AtFirstPage;
    SwapPages(current, current - 1);
    layout_.CurrentPage = current - 1;
    selectedSlot_ = NoBox; // the page shown selects its first box
    return PageMove::Moved;
}

void LayoutEditor::ClearCurrentPage() {
    EditScope scope(*this);
    Touch(StepNames::ClearPage);
    change_.MarkPage(layout_.CurrentPage);
    change_.Restacked = true;
    ClearPage(layout_, layout_.CurrentPage);
}

bool LayoutEditor::DuplicateCurrentPage() {
    return InsertAfterCurrent({layout_.PageAt(layout_.CurrentPage)}, StepNames::DuplicatePage) == 1;
}

int LayoutEditor::ImportPages(const std::vector<Page>& pages) {
    return InsertAfterCurrent(pages, StepNames::ImportPages);
}

int LayoutEditor::InsertAfterCurrent(const std::vector<Page>& pages, const char* step) {
    EditScope scope(*this);
    const int current = layout_.CurrentPage;
    if (pages.empty() || RoomForPages(layout_, current) == 0) return 0;
    Touch(step);
    MarkAllPages();
    change_.Restacked = true;
    change_.Renamed = true;
    const int inserted = InsertPages(layout_, current, pages);
    ShowPage(current + 1);
    return inserted;
}

void LayoutEditor::DeleteCurrentPage(int pagesInUse) {
    EditScope scope(*this);
    Touch(StepNames::DeletePage);
    int current = layout_.CurrentPage;
    ClearCurrentPage();
    int last = std::min(pagesInUse, MaxPages);
    for (int p = current + 1; p <= last; ++p) SwapPages(p, p - 1);
    selectedSlot_ = NoBox; // the page shown selects its first box
}

void LayoutEditor::SetPageName(const std::string& name) {
    EditScope scope(*this);
    Touch(StepNames::RenamePage);
    change_.MarkPage(layout_.CurrentPage);
    change_.Renamed = true;
    layout_.PageAt(layout_.CurrentPage).PageName = name;
}

void LayoutEditor::NewLayout() {
    EditScope scope(*this);
    for (int p = 1; p <= MaxPages; ++p) ClearPage(layout_, p);
    MarkAllPages();
    change_.Replaced = true;
    ShowPage(1);
    layout_.PageAt(1).PageName = "Page 1";
    layout_.Modified = false;
    ResetHistory();
}

void LayoutEditor::ClearSelection() {
    EditScope scope(*this);
    for (int p = 1; p <= MaxPages; ++p)
        for (int s = 1; s <= SlotsPerPage; ++s)
            if (std::exchange(layout_.Box(p, s).Selected, 0) != 0) change_.MarkBox(p, s);
}

void LayoutEditor::MarkSelected(int slot) {
    EditScope scope(*this);
    Box(slot).Selected = 1;
}

} // namespace roamplot
