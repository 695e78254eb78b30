#pragma once
// The editing operations of the designer. Every change of the layout goes
// through this class, which marks the layout modified, keeps the undo
// history and tells its listener once per finished edit what changed. The
// page shown and the selected box, view state outside the history, live
// here too, so the box list, the sizer and the property panel follow one place.
#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/DeviceScreen.h"
#include "core/designer/BoxGeometry.h"
#include "core/designer/BoxProperty.h"
#include "core/designer/EditHistory.h"
#include "core/designer/LayoutChange.h"
#include "core/model/ParameterCatalogue.h"
#include "core/model/ScreenLayout.h"

namespace roamplot {

// Boxes copied from one page, at the index of their source slot. An entry is
// present when its Selected is 1. Bitmaps are copied, so deleting the source
// box never leaves the clipboard with a released picture.
struct BoxClipboard {
    std::array<ParameterBox, SlotsPerPage> Entries;
    bool IsEmpty() const;
};

struct PasteResult {
    std::vector<int> PastedSlots;
    bool PageFull = false; // "The maximum parameters for this page has been exceeded."
};

enum class PasteStyleResult { Pasted, ClipboardEmpty, NoBox };

enum class ParameterChoice { Applied, AlreadyTheMap, SecondMapRefused, NoBox };

enum class PageMove { Moved, AtLastPage, AtFirstPage };

class LayoutEditor {
  public:
    explicit LayoutEditor(ScreenLayout& layout) : layout_(layout) { history_.Reset(layout_); }

    // Groups the edits of one command: the listener hears of them once, when
    // the outermost scope closes. Every edit below opens one of its own.
    class EditScope {
      public:
        explicit EditScope(LayoutEditor& editor) : editor_(editor) { ++editor_.depth_; }
        ~EditScope();
        EditScope(const EditScope&) = delete;
        EditScope& operator=(const EditScope&) = delete;

      private:
        LayoutEditor& editor_;
    };
    // Whether a scope is open: what changes now is heard of when it closes.
    bool Grouping() const { return depth_ > 0; }
    void OnLayoutChanged(std::function<void(const LayoutChange&)> listener) {
        changed_ = std::move(listener);
    }

    // Read-only: every change goes through the edits below.
    const ScreenLayout& Layout() const { return layout_; }
    // The page shown is view state, not an edit; its first box is selected.
    void ShowPage(int page);
    // The box of the current page the user works on, NoBox when the page has none.
    // A slot without a box selects the nearest box before it, else the first.
    void SelectBox(int slot);
    int SelectedSlot() const { return selectedSlot_; }

    // The one place that marks the layout changed. The first touch of an edit
    // names its undo step and tells the edit-started listener, which calls
    // FinishEdit once the edit is complete.
    void Touch(const char* step);
    void OnEditStarted(std::function<void()> listener) { editStarted_ = std::move(listener); }
    // Records the edit begun by the first Touch as one undo step (or as part
    // of the burst it continues). Returns whether the layout changed.
    bool FinishEdit();
    // Returns whether it recorded a pending edit.
    bool EndBurst();
    const EditHistory& History() const { return history_; }
    // Each returns the view to show, or nothing when there was no step.
    std::optional<EditView> Undo();
    std::optional<EditView> Redo();
    // After a load, a "Get" or "New": an empty history. A load that failed
    // part-way, or a recovered copy, matches no file: the layout counts as
    // modified and no undo step leads back to "unchanged".
    void ResetHistory(bool matchesFile = true);
    // After a save: this state is the unmodified one.
    void MarkSaved();

    // Adds a 60 x 30 box of kind "new" to the first free slot of the current
    // page: the top right corner on landscape handheld screens, the bottom left
    // corner elsewhere, and selects it. Returns the slot, or 0 when the page is full.
    int NewBox(const DeviceScreen& screen);
    void DeleteBox(int slot);
    // The multi-selected boxes of the current page, or else the given slot (NoBox: none).
    BoxClipboard Copy(int selectedSlot) const;
    // The last pasted box is selected; a paste of nothing keeps the selection.
    PasteResult Paste(const BoxClipboard& clipboard);
    // The style of the clipboard's first box given to every multi-selected box
    // of the current page, or else to the given slot.
    PasteStyleResult PasteStyle(const BoxClipboard& clipboard, int selectedSlot);
    // Exchanges two slots of the current page.
    void SwapBoxes(int slotA, int slotB);
    // Gives the box the catalogue entry: kind, title, sample, units, size presets.
    ParameterChoice ChooseParameter(int slot, const CatalogueEntry& entry,
                                    const DeviceScreen& screen);

    // The property panel's edits.
    void SetBoxText(int slot, BoxText field, const std::string& value);
    void SetBoxNumber(int slot, BoxNumber field, int value);
    void SetBoxColour(int slot, BoxColour field, Colour value);
    void SetBoxSymbol(int slot, SharedDib picture, std::filesystem::path file, int placement);

    void SetBoxRect(int slot, BoxRect rect);
    BoxRect BoxRectOf(int slot) const;
    // Fit by shrinking into the drawing area; returns the rectangle now stored.
    BoxRect ApplyBoxGeometry(int slot, ScreenSize drawArea);
    BoxRect ApplyBoxPosition(int slot, ScreenSize drawArea);
    // Over every page: each box partly outside the area is moved inside,
    // keeping its size where it fits, then shrunk where it still does not.
    // Returns how many boxes changed; none, and nothing is recorded.
    int FitBoxesIntoScreen(ScreenSize drawArea);
    // Every box of every page scaled from one screen's drawing area to the
    // other's, the device type code switched with it: one step, whose undo
    // and redo name the screen to show.
    void ScaleLayout(const DeviceScreen& from, const DeviceScreen& to);

    // Page browsing among the pages in use: after page n comes page 1.
    static int NextPage(int current, int pagesInUse);
    static int PreviousPage(int current, int pagesInUse);
    // Exchanges two pages with their boxes and names.
    void SwapPages(int a, int b);
    // The current page takes its neighbour's number and the neighbour its number.
    PageMove MovePageUp(int pagesInUse);
    PageMove MovePageDown();
    void ClearCurrentPage();
    // A copy of the current page (boxes, symbols, name) after it, shown.
    // False, and nothing changed, when no page after it is free.
    bool DuplicateCurrentPage();
    // Pages of another layout after the current page, as many as there is
    // room for, the first of them shown. Returns how many went in.
    int ImportPages(const std::vector<Page>& pages);
    // Empties the current page and moves the pages after it, up to page n, down one place.
    void DeleteCurrentPage(int pagesInUse);
    void SetPageName(const std::string& name);
    // A blank layout: every page empty, page 1 current and named "Page 1".
    void NewLayout();
    // Replaces the layout with what `read` puts into it (a file's boxes, or
    // what a failed read left). The caller then starts an empty history.
    template <class Reader> auto Load(Reader&& read);
    // The device type code the layout carries for the chosen screen: a
    // setting, not an undo step.
    void SetDeviceTypeCode(const std::string& code);

    // A plain click on the preview: no box of any page stays multi-selected.
    void ClearSelection();
    void MarkSelected(int slot);

  private:
    // Marks the edit and gives the box, or null when no box is selected.
    ParameterBox* EditedBox(int slot, const char* step);
    // A box of the current page, taken for writing.
    ParameterBox& Box(int slot);
    void MarkAllPages();
    int InsertAfterCurrent(const std::vector<Page>& pages, const char* step);
    EditView View() const;
    std::optional<EditView> Follow(std::optional<EditView> view);
    void FinishScope();

    ScreenLayout& layout_;
    EditHistory history_;
    std::string pendingStep_;
    EditView pendingBefore_;
    std::optional<DeviceScreen> pendingScreen_; // the screen the pending edit switches to
    std::function<void()> editStarted_;
    std::function<void(const LayoutChange&)> changed_;
    LayoutChange change_;
    int depth_ = 0;
    int selectedSlot_ = NoBox;
};

template <class Reader> auto LayoutEditor::Load(Reader&& read) {
    EditScope scope(*this);
    MarkAllPages();
    change_.Replaced = true;
    auto result = read(layout_);
    ShowPage(layout_.CurrentPage);
    return result;
}

// The units alternatives of a list: split at every "|", the last piece included.
std::vector<std::string> SplitUnits(const std::string& unitsList);

} // namespace roamplot
