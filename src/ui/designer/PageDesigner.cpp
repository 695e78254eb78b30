// PageDesigner; it continues in PropertyEditing.cpp (the property panel),
// PageCopying.cpp (duplicating and importing pages) and PageExporting.cpp
// (exporting pages as pictures).
#include "ui/designer/PageDesigner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <utility>

#include "core/app/SaveTarget.h"
#include "core/designer/BoxFindings.h"
#include "core/designer/StepNames.h"
#include "core/model/FieldFunctions.h"
#include "render/PathText.h"
#include "render/TextCodec.h"
#include "ui/app/ConfigurationTab.h"
#include "ui/app/MainForm.h"
#include "ui/designer/AdjustPanel.h"
#include "ui/designer/PageDesignerTab.h"
#include "ui/designer/PanelLoading.h"
#include "ui/designer/ParameterChoice.h"
#include "ui/designer/ScaleScreenDialog.h"
#include "ui/preview/PreviewControl.h"
#include "ui/preview/PreviewWindow.h"
#include "ui/widgets/FieldText.h"

namespace roamplot {

namespace {
constexpr const char* NoMoreFields = "There are no more fields available.";
constexpr const char* NothingToDelete = "No parameter box selected for deletion";
constexpr const char* PageFilledUp = "The maximum parameters for this page has been exceeded.";
} // namespace

PageDesigner::PageDesigner(MainForm& form, PageDesignerTab& tab, PreviewWindow& preview)
    : QObject(&form), form_(form), tab_(tab), preview_(preview), editor_(form.Editor()) {
    preview_.SetOwner(this);
    editor_.OnLayoutChanged([this](const LayoutChange& change) { ShowChange(change); });
    editor_.OnEditStarted([this] {
        form_.UpdateCaption();
        // The command runs to its end first, so its undo step holds all of it.
        QMetaObject::invokeMethod(this, &PageDesigner::FinishEdit, Qt::QueuedConnection);
    });
    tab_.cParameter->Fill(form_.Catalogue());

    auto guarded = [this](void (PageDesigner::*handler)()) {
        return [this, handler] { form_.Guarded([&] { (this->*handler)(); }); };
    };
    connect(tab_.bNew, &QPushButton::clicked, this, guarded(&PageDesigner::bNewClick));
    connect(tab_.Delete1, &QPushButton::clicked, this, guarded(&PageDesigner::Delete1Click));
    connect(tab_.bCopy, &QPushButton::clicked, this, guarded(&PageDesigner::bCopyClick));
    connect(tab_.bPaste, &QPushButton::clicked, this, guarded(&PageDesigner::bPasteClick));
    connect(tab_.bUP, &QPushButton::clicked, this, guarded(&PageDesigner::bUPClick));
    connect(tab_.bDown, &QPushButton::clicked, this, guarded(&PageDesigner::bDownClick));
    // A click and the arrow keys alike; the commands' own row changes are silent.
    connect(tab_.cParameterList, &QListWidget::currentRowChanged, this,
            guarded(&PageDesigner::cParameterListClick));
    connect(tab_.cParameter, &QComboBox::activated, this, guarded(&PageDesigner::cParameterClick));
    connect(tab_.cParameter, &QComboBox::activated, this, guarded(&PageDesigner::cParameterChange));
    ConnectPropertyPanel();
    connect(tab_.bNext, &QPushButton::clicked, this, guarded(&PageDesigner::bNextClick));
    connect(tab_.bPrevious, &QPushButton::clicked, this, guarded(&PageDesigner::bPreviousClick));
    connect(tab_.bPageUp, &QPushButton::clicked, this, guarded(&PageDesigner::bPageUpClick));
    connect(tab_.bPageDown, &QPushButton::clicked, this, guarded(&PageDesigner::bPageDownClick));
    connect(tab_.bClearPage, &QPushButton::clicked, this, guarded(&PageDesigner::bClearPageClick));
    connect(tab_.bDeletePage, &QPushButton::clicked, this,
            guarded(&PageDesigner::bDeletePageClick));
    connect(tab_.cPageName, &QLineEdit::textEdited, this, guarded(&PageDesigner::cPageNameChange));
    connect(tab_.bNewFile, &QPushButton::clicked, this, guarded(&PageDesigner::bNewFileClick));

    // The main window's menu has these keys; the preview is a window of its own.
    auto shortcut = [&](QKeySequence keys, void (PageDesigner::*handler)()) {
        auto* s = new QShortcut(keys, &preview_);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, guarded(handler));
    };
    shortcut(QKeySequence::Copy, &PageDesigner::bCopyClick);
    shortcut(QKeySequence::Paste, &PageDesigner::bPasteClick);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &PageDesigner::PasteStyleClick);
    shortcut(QKeySequence(Qt::Key_Insert), &PageDesigner::bNewClick);
}

int PageDesigner::GetControl() const {
    return editor_.SelectedSlot();
}

ScreenSize PageDesigner::DrawArea() const {
    return form_.Screen().DrawArea();
}

int PageDesigner::PagesInUse() const {
    return form_.Configuration()->cNumPages->value();
}

std::optional<int> PageDesigner::SnapInterval() const {
    if (!form_.Configuration()->cUseSnap->isChecked()) return std::nullopt;
    return ParseSnapInterval(FromQString(form_.Configuration()->eSnap->text()));
}

QString PageDesigner::ListText(const ParameterBox& box) const {
    QString text = ToQString(form_.Catalogue().NameOf(box.ParameterId));
    if (box.Kind == BoxKind::Text) text += " (" + ToQString(box.TitleText) + ")";
    return text;
}

void PageDesigner::RefillBoxList() {
    const ScreenLayout& layout = editor_.Layout();
    QSignalBlocker quiet(tab_.cParameterList);
    tab_.cParameterList->clear();
    for (int slot = 1; slot <= SlotsPerPage; ++slot) {
        const ParameterBox& box = layout.Box(layout.CurrentPage, slot);
        if (box.PageNo != layout.CurrentPage) continue;
        auto* item = new QListWidgetItem(ListText(box), tab_.cParameterList);
        item->setData(Qt::UserRole, slot);
    }
}

QListWidgetItem* PageDesigner::ListItemOf(int slot) const {
    for (int r = 0; r < tab_.cParameterList->count(); ++r)
        if (tab_.cParameterList->item(r)->data(Qt::UserRole).toInt() == slot)
            return tab_.cParameterList->item(r);
    return nullptr;
}

void PageDesigner::ShowListRow(int slot) {
    QListWidgetItem* item = ListItemOf(slot);
    if (!item) return;
    const QString text = ListText(editor_.Layout().Box(CurrentPage(), slot));
    if (item->text() != text) item->setText(text);
}

void PageDesigner::ShowSelection() {
    const int slot = editor_.SelectedSlot();
    QListWidgetItem* item = ListItemOf(slot);
    if (tab_.cParameterList->currentItem() != item) {
        QSignalBlocker quiet(tab_.cParameterList);
        tab_.cParameterList->setCurrentItem(item);
    }
    if (preview_.Sizer().Control() != preview_.Control(CurrentPage(), slot))
        preview_.AttachSlot(CurrentPage(), slot);
    // The panel is built anew only for another box or another kind of box;
    // otherwise only values that differ are put in, so a field being typed in
    // keeps its focus and its cursor.
    if (ShownPanel() != panelShown_)
        ShowBoxProperties(slot);
    else if (slot >= 1)
        ShowBoxValues(slot);
    if (slot >= 1) ShowBoxBounds(editor_.BoxRectOf(slot));
    form_.UpdateStatus();
}

PageDesigner::PanelShown PageDesigner::ShownPanel() const {
    const int slot = editor_.SelectedSlot();
    if (slot < 1) return {CurrentPage(), NoBox, {}, {}};
    const ParameterBox& box = editor_.Layout().Box(CurrentPage(), slot);
    return {CurrentPage(), slot, box.ParameterId, box.Kind};
}

void PageDesigner::RefreshPage() {
    const ScreenLayout& layout = editor_.Layout();
    preview_.ShowPage(layout, layout.CurrentPage,
                      MakeRenderContext(form_.Catalogue(), form_.CurrentSettings()));
    ShowSelection();
}

void PageDesigner::ShowChange(const LayoutChange& change) {
    if (change.Replaced) referenceBox_ = 0;
    const int page = CurrentPage();
    if (!change.Touches(page)) return form_.UpdateStatus();
    if (!change.InPlaceOn(page) || viewPage_ != page) return ShowView();
    // An edit in place: the boxes it changed are drawn again and their list
    // rows relabelled; nothing else is rebuilt.
    if (change.Renamed) ShowPageName();
    std::vector<int> changedSlots;
    for (const auto& [p, slot] : change.Boxes)
        if (p == page) changedSlots.push_back(slot);
    if (!changedSlots.empty())
        preview_.RedrawBoxes(editor_.Layout(), page,
                             MakeRenderContext(form_.Catalogue(), form_.CurrentSettings()),
                             changedSlots);
    for (int slot : changedSlots) ShowListRow(slot);
    ShowSelection();
}

void PageDesigner::ShowPageName() {
    const int page = CurrentPage();
    tab_.lCurrentPage->setText(QString::number(page));
    ShowText(tab_.cPageName, ToQString(editor_.Layout().PageAt(page).PageName));
}

void PageDesigner::ShowView() {
    const PanelLoadingScope loading = form_.FillingPanel();
    viewPage_ = CurrentPage();
    ShowPageName();
    RefillBoxList();
    RefreshPage();
}

void PageDesigner::ShowBoxBounds(BoxRect bounds) {
    const PanelLoadingScope loading = form_.FillingPanel();
    tab_.Adjust->ShowBoxBounds(bounds);
}

void PageDesigner::SelectBox(int slot) {
    editor_.SelectBox(slot);
    // A box picked by the user is shown whole, even when it is the one shown.
    panelShown_ = {};
    ShowSelection();
}

void PageDesigner::bNewClick() {
    if (editor_.NewBox(form_.Screen()) == 0) form_.Prompts().ShowMessage(NoMoreFields);
}

void PageDesigner::Delete1Click() {
    if (form_.PanelLoading()) return;
    // Marked changed before it may refuse: a refused command still leaves the layout
    // modified, and that is kept on purpose.
    editor_.Touch(StepNames::DeleteBox);
    if (int slot = GetControl(); slot != NoBox)
        editor_.DeleteBox(slot);
    else
        form_.Prompts().ShowMessage(NothingToDelete);
}

void PageDesigner::bCopyClick() {
    clipboard_ = editor_.Copy(GetControl());
}

void PageDesigner::bPasteClick() {
    const PasteResult result = editor_.Paste(clipboard_);
    referenceBox_ = 0;
    if (result.PageFull) form_.Prompts().ShowMessage(PageFilledUp);
}

void PageDesigner::PasteStyleClick() {
    switch (editor_.PasteStyle(clipboard_, GetControl())) {
    case PasteStyleResult::ClipboardEmpty:
        form_.Prompts().ShowMessage(tr("Copy a box first, then paste its style."));
        break;
    case PasteStyleResult::NoBox:
        form_.Prompts().ShowMessage(tr("No Window Box selected"));
        break;
    case PasteStyleResult::Pasted:
        break;
    }
}

void PageDesigner::bUPClick() {
    // Marked changed before it may refuse: a refused command still leaves the layout
    // modified, and that is kept on purpose.
    editor_.Touch(StepNames::ReorderBoxes);
    const int slot = GetControl();
    if (slot < 2) return;
    editor_.SwapBoxes(slot, slot - 1);
    preview_.RestackControls(CurrentPage());
}

void PageDesigner::bDownClick() {
    // Marked changed before it may refuse: a refused command still leaves the layout
    // modified, and that is kept on purpose.
    editor_.Touch(StepNames::ReorderBoxes);
    const int slot = GetControl();
    if (slot < 1 || slot >= SlotsPerPage || !editor_.Layout().Box(CurrentPage(), slot + 1).InUse())
        return;
    editor_.SwapBoxes(slot, slot + 1);
    preview_.RestackControls(CurrentPage());
}

void PageDesigner::cParameterListClick() {
    if (form_.PanelLoading()) return;
    if (QListWidgetItem* item = tab_.cParameterList->currentItem())
        SelectBox(item->data(Qt::UserRole).toInt());
}

void PageDesigner::cParameterChange() {
    if (form_.PanelLoading()) return;
    int k = tab_.cParameter->currentIndex();
    if (k < 0 || static_cast<std::size_t>(k) >= form_.Catalogue().Size()) return;
    const CatalogueEntry& entry = form_.Catalogue().At(static_cast<std::size_t>(k));
    int slot = GetControl();
    // A refused choice shows the box's own parameter again, with the redraw of the edit.
    if (editor_.ChooseParameter(slot, entry, form_.Screen()) == ParameterChoice::SecondMapRefused)
        form_.Prompts().ShowMessage(
            QString("Page %1 already has a map, cannot add a second map to the same page.")
                .arg(CurrentPage()));
}

void PageDesigner::cParameterClick() {
    if (GetControl() != NoBox) return;
    int k = tab_.cParameter->currentIndex();
    if (k < 0 || static_cast<std::size_t>(k) >= form_.Catalogue().Size()) return;
    const CatalogueEntry& entry = form_.Catalogue().At(static_cast<std::size_t>(k));
    tab_.cTitleText->setText(ToQString(entry.DefaultTitle));
    tab_.cParTestText->setText(ToQString(entry.SampleValue));
    ShowPanelForKind(entry.Id, entry.Kind, tab_.cUnits->currentText());
    editor_.Touch(StepNames::ChooseParameter);
}

void PageDesigner::FinishEdit() {
    if (editor_.FinishEdit()) emit HistoryChanged();
}

void PageDesigner::EndBurst() {
    // Every click ends a burst: the menu is told only when a step was recorded.
    if (editor_.EndBurst()) emit HistoryChanged();
}

// A step that names a screen has it in place before its page is drawn, once.
void PageDesigner::Undo() {
    LayoutEditor::EditScope scope(editor_);
    ShowUndoneStep(editor_.Undo());
}

void PageDesigner::Redo() {
    LayoutEditor::EditScope scope(editor_);
    ShowUndoneStep(editor_.Redo());
}

void PageDesigner::ShowUndoneStep(std::optional<EditView> view) {
    if (view && view->Screen) form_.SwitchDeviceScreen(*view->Screen);
    if (view) form_.UpdateCaption();
    emit HistoryChanged();
}

void PageDesigner::ShowLoadedLayout() {
    referenceBox_ = 0;
    ShowPage(editor_.Layout().CurrentPage);
}

void PageDesigner::ShowPage(int page, int selectedSlot) {
    LayoutEditor::EditScope scope(editor_);
    editor_.ShowPage(page);
    editor_.SelectBox(selectedSlot);
}

void PageDesigner::bNextClick() {
    ShowPage(LayoutEditor::NextPage(editor_.Layout().CurrentPage, PagesInUse()));
}

void PageDesigner::bPreviousClick() {
    ShowPage(LayoutEditor::PreviousPage(editor_.Layout().CurrentPage, PagesInUse()));
}

void PageDesigner::bPageUpClick() {
    if (editor_.MovePageUp(PagesInUse()) == PageMove::AtLastPage)
        form_.Prompts().ShowMessage("Cannot move the page, maximum pages reached.");
}

void PageDesigner::bPageDownClick() {
    if (editor_.MovePageDown() == PageMove::AtFirstPage)
        form_.Prompts().ShowMessage("Cannot move the page, already on Page 1.");
}

void PageDesigner::bClearPageClick() {
    // Marked changed before it may refuse: a refused command still leaves the layout
    // modified, and that is kept on purpose.
    editor_.Touch(StepNames::ClearPage);
    if (!form_.Prompts().AskYesNo("Clear the current page?")) return;
    editor_.ClearCurrentPage();
}

void PageDesigner::bDeletePageClick() {
    // Marked changed before it may refuse: a refused command still leaves the layout
    // modified, and that is kept on purpose.
    editor_.Touch(StepNames::DeletePage);
    if (!form_.Prompts().AskYesNo("Delete the current page?")) return;
    editor_.DeleteCurrentPage(PagesInUse());
}

void PageDesigner::cPageNameChange() {
    if (form_.PanelLoading()) return;
    editor_.SetPageName(FromQString(tab_.cPageName->text()));
}

void PageDesigner::bNewFileClick() {
    if (!form_.GoOnPastUnsavedLayout(tr("Changes have been made which have not been saved. "
                                        "Continue to create a new (blank) parameter file?")))
        return;
    editor_.NewLayout();
    form_.SetParameterFileName(PathFromQString(
        QDir::toNativeSeparators(form_.ProgramFolder() + "/" + UntitledParameterFileName)));
}

void PageDesigner::FitBoxesIntoScreenClick() {
    editor_.FitBoxesIntoScreen(DrawArea());
}

void PageDesigner::ScaleLayoutToScreenClick() {
    const DeviceScreen from = form_.Screen();
    ScaleScreenDialog dialog(from, form_.Prompts(), &form_);
    form_.Prompts().RunDialog(dialog);
    if (dialog.result() != QDialog::Accepted) return;
    const DeviceScreen to = dialog.Target();
    if (!form_.Prompts().Confirm(
            tr("Scale every box of every page from %1 x %2 to %3 x %4? Symbols and background "
               "pictures keep their size.")
                .arg(from.Size().Width)
                .arg(from.Size().Height)
                .arg(to.Size().Width)
                .arg(to.Size().Height)))
        return;
    LayoutEditor::EditScope scope(editor_);
    editor_.ScaleLayout(from, to);
    form_.SwitchDeviceScreen(to);
}

void PageDesigner::TellBoxesOutsideScreen() {
    const OutsideCount outside = CountOutside(editor_.Layout(), DrawArea());
    if (outside.Boxes > 0) form_.Prompts().ShowMessage(ToQString(OutsideMessage(outside)));
}

void PageDesigner::PreviewShown() {
    preview_.ShowDevicePicture(form_.Tabs()->currentIndex() != MainForm::PageDesignerTabIndex);
}

void PageDesigner::TabChanged(int index) {
    bool devicePicture = index == MainForm::KeyTabIndex && form_.Screen().Row == 0;
    preview_.ShowDevicePicture(devicePicture);
    if (!devicePicture) RefreshPage();
}

void PageDesigner::PreviewBoxPressed(int slot, bool ctrlHeld) {
    {
        // The marks of the multi-selection, when they change, redraw the page once.
        LayoutEditor::EditScope scope(editor_);
        if (ctrlHeld) {
            editor_.MarkSelected(slot);
            if (referenceBox_ == 0) referenceBox_ = slot;
        } else {
            referenceBox_ = 0;
            editor_.ClearSelection();
        }
        editor_.SelectBox(slot);
    }
    ShowSelection();
}

DragSnap PageDesigner::Snapping() const {
    return {SnapInterval(), preview_.GuidesHeldOff()};
}

GuideLines PageDesigner::OtherBoxLines() const {
    std::vector<BoxRect> others;
    for (int slot = 1; slot <= SlotsPerPage; ++slot)
        if (slot != editor_.SelectedSlot() && editor_.Layout().Box(CurrentPage(), slot).InUse())
            others.push_back(editor_.BoxRectOf(slot));
    return GuideLinesOf(others, DrawArea());
}

GuidedRect PageDesigner::MoveOutcome(int slot, BoxRect dropped) const {
    BoxRect current = editor_.BoxRectOf(slot);
    dropped.Width = current.Width;
    dropped.Height = current.Height;
    return roamplot::MoveOutcome(dropped, Snapping(), OtherBoxLines(), DrawArea());
}

GuidedRect PageDesigner::ResizeOutcome(BoxRect saved, BoxRect resized) const {
    return roamplot::ResizeOutcome(saved, resized, Snapping(), OtherBoxLines(), DrawArea());
}

std::optional<GuidedRect> PageDesigner::SnappedMove(int slot, BoxRect dropped) const {
    GuidedRect outcome = MoveOutcome(slot, dropped);
    if (!SnapInterval() && outcome.Guides.empty()) return std::nullopt;
    return outcome;
}

std::optional<GuidedRect> PageDesigner::SnappedResize(BoxRect saved, BoxRect resized) const {
    GuidedRect outcome = ResizeOutcome(saved, resized);
    if (!SnapInterval() && outcome.Guides.empty()) return std::nullopt;
    return outcome;
}

void PageDesigner::PreviewBoxMoved(int slot, BoxRect dropped) {
    editor_.Touch(StepNames::MoveBox);
    editor_.SetBoxRect(slot, MoveOutcome(slot, dropped).Rect);
}

void PageDesigner::PreviewBoxResized(int slot, BoxRect saved, BoxRect resized) {
    LayoutEditor::EditScope scope(editor_);
    editor_.Touch(StepNames::ResizeBox);
    editor_.SetBoxRect(slot, ResizeOutcome(saved, resized).Rect);
    editor_.ApplyBoxGeometry(slot, DrawArea());
}

void PageDesigner::PreviewDeleteRequested() {
    form_.Guarded([&] { Delete1Click(); });
}

void PageDesigner::PreviewZoomChanged(int zoom) {
    form_.SetPreviewZoom(zoom);
    RefreshPage();
}

} // namespace roamplot
