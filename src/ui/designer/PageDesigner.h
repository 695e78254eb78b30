#pragma once
// The logic of the "Page Designer" tab: box commands, the list of boxes, the
// parameter choice and the property panel, working as one with the preview.
#include <QObject>
#include <functional>
#include <string>

#include "core/designer/LayoutEditor.h"
#include "ui/preview/PreviewOwner.h"

class QListWidgetItem;

namespace roamplot {

class MainForm;
class PageDesignerTab;
class PreviewWindow;

class PageDesigner : public QObject, public PreviewOwner {
    Q_OBJECT
  public:
    PageDesigner(MainForm& form, PageDesignerTab& tab, PreviewWindow& preview);

    LayoutEditor& Editor() { return editor_; }
    const BoxClipboard& Clipboard() const { return clipboard_; }
    // The first box Ctrl-clicked since the last plain click, 0 when none.
    int ReferenceBox() const { return referenceBox_; }

    // The slot of the box attached to the sizer, or NoBox.
    int GetControl() const;
    // The selected box in the box list, the sizer and the property panel.
    void SelectBox(int slot);
    void RefillBoxList();
    // Draws the current page again (a new screen or zoom) and shows the selection.
    void RefreshPage();
    // The selected box's rectangle in the position fields, not taken as an edit.
    void ShowBoxBounds(BoxRect bounds);
    // Fills the whole panel from the box: its groups, labels, lists and values.
    void ShowBoxProperties(int slot);
    // Puts into the panel's controls the box's values that differ from what they show.
    void ShowBoxValues(int slot);
    void ShowPanelForKind(int id, const std::string& kind, const QString& units);
    void ShowPropertyGroups(bool title, bool text, bool border, bool valueFormat, bool showUnits,
                            bool units);
    // After a load or a reset: list filled, first entry selected, page drawn.
    void ShowLoadedLayout();
    // The main window's tab changed.
    void TabChanged(int index);
    // After a load: the file part of the last symbol record's path.
    void ShowSymbolFileLabel(const QString& name);

    // Undo and redo show the page and box the step changed.
    void Undo();
    void Redo();
    // Records the edit that has just completed as an undo step.
    void FinishEdit();
    // A click, a focus change or the release of a held key: the next edit is a step of its own.
    void EndBurst();

    void bNewClick();
    void Delete1Click();
    void bCopyClick();
    void bPasteClick();
    // Edit menu: the copied box's look for the selected or Ctrl-marked boxes.
    void PasteStyleClick();
    void bUPClick();
    void bDownClick();
    void cParameterListClick();
    void cParameterChange();
    void cParameterClick();

    // The property panel's handlers: each writes one field of the selected box.
    void FillSymbolPlacements(const std::string& kind, int placement);
    void cTitleTextChange();
    void cParTestTextChange();
    void cTitleFontSizeChange();
    void cParFontSizeChange();
    void cAutoFontSizeClick();
    void cBorderWidthChange();
    void cBorderRadiusChange();
    void cUnitsChange();
    void cDisplayUnitsClick();
    void cDecimalsChange();
    void cJustificationChange();
    void cTitleBackStyleChange();
    void cParBackStyleChange();
    void cButtonStyleChange();
    void cButtonSymbolStyleChange();
    void cTitleForeColorColorSelected(Colour colour);
    void cTitleBackColorColorSelected(Colour colour);
    void cParForeColorColorSelected(Colour colour);
    void cParBackColorColorSelected(Colour colour);
    void cBorderColorColorSelected(Colour colour);
    void cAddButtonSymbolClick();

    void bNextClick();
    void bPreviousClick();
    void bPageUpClick();
    void bPageDownClick();
    void bClearPageClick();
    void bDeletePageClick();
    // Page menu: a copy of the current page after it.
    void DuplicatePageClick();
    // File menu: pages of another parameter file after the current page.
    void ImportPagesClick();
    // File menu: every page that holds boxes as a picture, at the preview's zoom.
    void ExportPagesClick();
    void cPageNameChange();
    void bNewFileClick();
    // Page menu: every box of every page moved, then shrunk, into the drawing area.
    void FitBoxesIntoScreenClick();
    // Page menu: the layout scaled to a device screen the user picks, which it then shows.
    void ScaleLayoutToScreenClick();
    // After the device screen changed: one message when boxes lie partly outside.
    void TellBoxesOutsideScreen();
    // Shows a page: its number, its name, its list of boxes, its drawing, and
    // the given box (else the first) selected.
    void ShowPage(int page, int selectedSlot = NoBox);

    // PreviewOwner
    void PreviewBoxPressed(int slot, bool ctrlHeld) override;
    void PreviewBoxMoved(int slot, BoxRect dropped) override;
    void PreviewBoxResized(int slot, BoxRect saved, BoxRect resized) override;
    std::optional<GuidedRect> SnappedMove(int slot, BoxRect dropped) const override;
    std::optional<GuidedRect> SnappedResize(BoxRect saved, BoxRect resized) const override;
    void PreviewDeleteRequested() override;
    void PreviewZoomChanged(int zoom) override;
    void PreviewShown() override;

  signals:
    void HistoryChanged();

  private:
    void ShowUndoneStep(std::optional<EditView> view);
    void ConnectPropertyPanel();
    // The one redraw of a finished edit, when it touched the page shown.
    void ShowChange(const LayoutChange& change);
    // The page number, its name, its box list, its drawing and the selection.
    void ShowView();
    void ShowPageName();
    void ShowSelection();
    QListWidgetItem* ListItemOf(int slot) const;
    // Relabels the list row of a box whose caption may have changed.
    void ShowListRow(int slot);
    // What the property panel was last built for: a box of a page, and its kind.
    struct PanelShown {
        int Page = 0;
        int Slot = NoBox;
        std::string ParameterId;
        std::string Kind;
        bool operator==(const PanelShown&) const = default;
    };
    PanelShown ShownPanel() const;
    // The parameter choice's item for the box: the last catalogue entry of its id.
    std::size_t CatalogueItemOf(const ParameterBox& box) const;
    // The common frame of a property handler: nothing while the panel loads;
    // otherwise the edit of the selected box (slot 0 when none, which only
    // marks the layout changed).
    void EditSelectedBox(const std::function<void(int slot)>& edit);
    void EditText(BoxText field, const QString& value);
    void EditNumber(BoxNumber field, int value);
    void EditColour(BoxColour field, Colour value);
    int CurrentPage() const { return editor_.Layout().CurrentPage; }
    QString ListText(const ParameterBox& box) const;
    std::optional<int> SnapInterval() const;
    // Where a box ends when a move or resize with the mouse is released.
    GuidedRect MoveOutcome(int slot, BoxRect dropped) const;
    GuidedRect ResizeOutcome(BoxRect saved, BoxRect resized) const;
    // The grid, or nothing while Shift is held in the preview.
    DragSnap Snapping() const;
    // The edges and centres of the current page's boxes other than the selected one.
    GuideLines OtherBoxLines() const;
    ScreenSize DrawArea() const;
    int PagesInUse() const;
    // Raises the number of pages in use to the last page that holds boxes,
    // so that pages moved up by an insertion can still be browsed.
    void ShowEveryPageHoldingBoxes();

    MainForm& form_;
    PageDesignerTab& tab_;
    PreviewWindow& preview_;
    LayoutEditor& editor_;
    BoxClipboard clipboard_;
    int referenceBox_ = 0;
    int viewPage_ = 0; // the page whose list and drawing are shown
    PanelShown panelShown_;
    QString symbolFolder_; // where the symbol dialog opens next
    QString exportFolder_; // where the last export went
};

} // namespace roamplot
