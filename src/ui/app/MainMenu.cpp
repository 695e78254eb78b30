#include "ui/app/MainMenu.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "render/PathText.h"
#include "ui/app/MainForm.h"
#include "ui/designer/BoxAdjuster.h"
#include "ui/designer/PageDesigner.h"
#include "ui/device/DeviceCommands.h"
#include "ui/keymap/KeyMapTab.h"
#include "ui/preview/PreviewWindow.h"

namespace roamplot {

MainMenu::MainMenu(MainForm& form, QVBoxLayout& column)
    : QObject(&form), form_(form), bar_(new QMenuBar(&form)) {
    column.setMenuBar(bar_);
    MakeFileMenu();
    MakeEditMenu();
    MakeViewMenu();
    MakePageMenu();
    MakeKeysMenu();
    MakeHelpMenu();
    connect(&form_, &MainForm::RecentFilesChanged, this, &MainMenu::FillRecentFiles);
    connect(form_.Tabs(), &QTabWidget::currentChanged, this, &MainMenu::FollowTab);
    FollowTab(form_.Tabs()->currentIndex());
    qApp->installEventFilter(this);
}

QAction* MainMenu::Action(const QString& name) const {
    return bar_->findChild<QAction*>(name);
}

QAction* MainMenu::Add(QMenu* menu, const QString& text, const char* name, const QKeySequence& keys,
                       std::function<void()> command) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this,
            [this, command = std::move(command)] { form_.Guarded(command); });
    return action;
}

void MainMenu::MakeFileMenu() {
    QMenu* menu = bar_->addMenu(tr("&File"));
    PageDesigner& designer = *form_.Designer();
    DeviceCommands& device = *form_.Device();
    Add(menu, tr("&New"), "aNew", QKeySequence::New, [&designer] { designer.bNewFileClick(); });
    Add(menu, tr("&Load..."), "aLoad", QKeySequence::Open,
        [this] { form_.OpenParameterFile1Click(); });
    Add(menu, tr("&Save"), "aSave", QKeySequence::Save,
        [this] { form_.SaveParameterFile1Click(); });
    Add(menu, tr("Save &As..."), "aSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { form_.SaveParameterFileAsClick(); });
    Add(menu, tr("&Import Pages..."), "aImportPages", {},
        [&designer] { designer.ImportPagesClick(); });
    Add(menu, tr("&Export Pages..."), "aExportPages", {},
        [&designer] { designer.ExportPagesClick(); });
    menu->addSeparator();
    Add(menu, tr("Send to &PDA"), "aSendParameterFile", {},
        [&device] { device.bSendParameterFileClick(); });
    Add(menu, tr("&Get from PDA"), "aGetParameterFile", {},
        [&device] { device.bGetParameterFileClick(); });
    menu->addSeparator();
    recentMenu_ = menu->addMenu(tr("&Recent Files"));
    recentMenu_->setObjectName("mRecentFiles");
    FillRecentFiles();
    menu->addSeparator();
    Add(menu, tr("E&xit"), "aExit", QKeySequence::Quit, [this] { form_.close(); });
}

void MainMenu::FillRecentFiles() {
    recentMenu_->clear();
    int n = 0;
    for (const std::filesystem::path& file : form_.RecentFiles()) {
        ++n;
        const QByteArray name = "aRecent" + QByteArray::number(n);
        Add(recentMenu_, QString("&%1 %2").arg(n).arg(QStringFromPath(file)), name.constData(), {},
            [this, file] { form_.OpenRecentFile(file); });
    }
    recentMenu_->addSeparator();
    QAction* clear = Add(recentMenu_, tr("&Clear Recent Files"), "aClearRecentFiles", {},
                         [this] { form_.ClearRecentFiles(); });
    clear->setEnabled(n > 0);
}

void MainMenu::MakeEditMenu() {
    editMenu_ = bar_->addMenu(tr("&Edit"));
    PageDesigner& designer = *form_.Designer();
    KeyMapTab& keys = *form_.KeyMapPage();
    undo_ = Add(editMenu_, tr("&Undo"), "aUndo", QKeySequence::Undo,
                [this, &designer, &keys] { OnKeyTab() ? keys.Undo() : designer.Undo(); });
    redo_ = Add(editMenu_, tr("&Redo"), "aRedo", {},
                [this, &designer, &keys] { OnKeyTab() ? keys.Redo() : designer.Redo(); });
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(&designer, &PageDesigner::HistoryChanged, this, &MainMenu::ShowUndoSteps);
    connect(&keys, &KeyMapTab::KeyMapEdited, this, &MainMenu::ShowUndoSteps);
    editMenu_->addSeparator();
    Add(editMenu_, tr("&Copy"), "aCopy", QKeySequence::Copy,
        [&designer] { designer.bCopyClick(); });
    Add(editMenu_, tr("&Paste"), "aPaste", QKeySequence::Paste,
        [&designer] { designer.bPasteClick(); });
    Add(editMenu_, tr("Paste &Style"), "aPasteStyle",
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
        [&designer] { designer.PasteStyleClick(); });
    editMenu_->addSeparator();
    Add(editMenu_, tr("&New Box"), "aNewBox", QKeySequence(Qt::Key_Insert),
        [&designer] { designer.bNewClick(); });
    QAction* remove = Add(editMenu_, tr("&Delete Box"), "aDeleteBox", {},
                          [&designer] { designer.Delete1Click(); });
    remove->setShortcuts({QKeySequence(Qt::Key_Delete), QKeySequence(Qt::CTRL | Qt::Key_Delete)});
}

void MainMenu::MakeViewMenu() {
    QMenu* menu = bar_->addMenu(tr("&View"));
    PreviewWindow& preview = *form_.Preview();
    Add(menu, tr("Show &Preview"), "aShowPreview", {}, [&preview] {
        preview.show();
        preview.raise();
        preview.activateWindow();
    });
    zoomGroup_ = new QActionGroup(this);
    for (int zoom = PreviewWindow::MinZoom; zoom <= PreviewWindow::MaxZoom; ++zoom) {
        const QByteArray name = "aZoom" + QByteArray::number(zoom);
        QAction* action = Add(menu, tr("Zoom %1x").arg(zoom), name.constData(), {},
                              [&preview, zoom] { preview.SetZoom(zoom); });
        action->setCheckable(true);
        zoomGroup_->addAction(action);
    }
    // Not a mode of its own: it picks the zoom, which the entries above then show.
    Add(menu, tr("Fit"), "aZoomFit", {}, [&preview] { preview.SetZoom(preview.FitZoom()); });
    // The preview's own keys and wheel change the zoom too.
    connect(menu, &QMenu::aboutToShow, this, [this, &preview] {
        Action("aZoom" + QString::number(preview.Zoom()))->setChecked(true);
    });
    menu->addSeparator();
    QAction* dock = Add(menu, tr("&Dock Preview"), "aDockPreview", {},
                        [this] { form_.SetPreviewDocked(Action("aDockPreview")->isChecked()); });
    dock->setCheckable(true);
    dock->setChecked(form_.PreviewDocked());
    Add(menu, tr("Show &Align Palette"), "aShowAlignPalette", {},
        [this] { form_.Adjuster()->LbButton3Click(); });
}

void MainMenu::MakePageMenu() {
    pageMenu_ = bar_->addMenu(tr("&Page"));
    PageDesigner& designer = *form_.Designer();
    Add(pageMenu_, tr("P&revious Page"), "aPreviousPage", QKeySequence(Qt::Key_PageUp),
        [&designer] { designer.bPreviousClick(); });
    Add(pageMenu_, tr("&Next Page"), "aNextPage", QKeySequence(Qt::Key_PageDown),
        [&designer] { designer.bNextClick(); });
    pageMenu_->addSeparator();
    Add(pageMenu_, tr("Move Page &Up"), "aMovePageUp", {},
        [&designer] { designer.bPageUpClick(); });
    Add(pageMenu_, tr("Move Page &Down"), "aMovePageDown", {},
        [&designer] { designer.bPageDownClick(); });
    pageMenu_->addSeparator();
    Add(pageMenu_, tr("D&uplicate Page"), "aDuplicatePage", {},
        [&designer] { designer.DuplicatePageClick(); });
    Add(pageMenu_, tr("&Clear Page"), "aClearPage", {},
        [&designer] { designer.bClearPageClick(); });
    Add(pageMenu_, tr("De&lete Page"), "aDeletePage", {},
        [&designer] { designer.bDeletePageClick(); });
    pageMenu_->addSeparator();
    Add(pageMenu_, tr("&Fit Boxes Into Screen"), "aFitBoxesIntoScreen", {},
        [&designer] { designer.FitBoxesIntoScreenClick(); });
    Add(pageMenu_, tr("&Scale Layout To Screen..."), "aScaleLayoutToScreen", {},
        [&designer] { designer.ScaleLayoutToScreenClick(); });
}

void MainMenu::MakeKeysMenu() {
    keysMenu_ = bar_->addMenu(tr("&Keys"));
    KeyMapTab& keys = *form_.KeyMapPage();
    DeviceCommands& device = *form_.Device();
    Add(keysMenu_, tr("&Load Key File..."), "aLoadKeyFile", {}, [&keys] { keys.bLoadClick(); });
    Add(keysMenu_, tr("&Save Key File"), "aSaveKeyFile", {}, [&keys] { keys.bSaveClick(); });
    Add(keysMenu_, tr("Save Key File &As..."), "aSaveKeyFileAs", {},
        [&keys] { keys.bSaveAsClick(); });
    keysMenu_->addSeparator();
    Add(keysMenu_, tr("Send Key File to &PDA"), "aSendKeyFile", {},
        [&device] { device.bSendKeyFileClick(); });
    Add(keysMenu_, tr("&Get Key File from PDA"), "aGetKeyFile", {},
        [&device] { device.bGetKeyFileClick(); });
}

void MainMenu::MakeHelpMenu() {
    QMenu* menu = bar_->addMenu(tr("&Help"));
    Add(menu, tr("&Help"), "aHelp", QKeySequence::HelpContents, [this] { form_.ShowHelp(); });
    Add(menu, tr("&About"), "aAbout", {}, [this] { form_.Prompts().ShowMessage(ProgramTitle); });
}

bool MainMenu::OnKeyTab() const {
    return form_.Tabs()->currentIndex() == MainForm::KeyTabIndex;
}

// "Undo Move Box": the step the entry takes back, of the tab shown.
void MainMenu::ShowUndoSteps() {
    const int tab = form_.Tabs()->currentIndex();
    std::string undoName, redoName;
    if (tab == MainForm::KeyTabIndex) {
        undoName = form_.KeyMapPage()->History().UndoName();
        redoName = form_.KeyMapPage()->History().RedoName();
    } else if (tab == MainForm::PageDesignerTabIndex) {
        undoName = form_.Designer()->Editor().History().UndoName();
        redoName = form_.Designer()->Editor().History().RedoName();
    }
    auto show = [](QAction* action, const QString& verb, const std::string& step) {
        action->setText(step.empty() ? verb : verb + " " + QString::fromStdString(step));
        action->setEnabled(!step.empty());
    };
    show(undo_, tr("&Undo"), undoName);
    show(redo_, tr("&Redo"), redoName);
}

void MainMenu::FollowTab(int index) {
    const bool designerTab = index == MainForm::PageDesignerTabIndex;
    const bool keyTab = index == MainForm::KeyTabIndex;
    editMenu_->menuAction()->setEnabled(designerTab || keyTab);
    pageMenu_->menuAction()->setEnabled(designerTab);
    keysMenu_->menuAction()->setEnabled(keyTab);
    for (QAction* action : editMenu_->actions()) action->setEnabled(designerTab);
    ShowUndoSteps();
    for (QAction* action : pageMenu_->actions()) action->setEnabled(designerTab);
    for (QAction* action : keysMenu_->actions()) action->setEnabled(keyTab);
    // Ctrl+O and Ctrl+S mean the file whose tab is shown, as the caption does.
    Action("aLoad")->setShortcut(keyTab ? QKeySequence() : QKeySequence(QKeySequence::Open));
    Action("aSave")->setShortcut(keyTab ? QKeySequence() : QKeySequence(QKeySequence::Save));
    Action("aLoadKeyFile")->setShortcut(keyTab ? QKeySequence(QKeySequence::Open) : QKeySequence());
    Action("aSaveKeyFile")->setShortcut(keyTab ? QKeySequence(QKeySequence::Save) : QKeySequence());
}

// A click, a focus change or letting go of an arrow key ends the burst that
// joins edits into one undo step; typed characters do not.
void MainMenu::EndBurstAt(QEvent* event) {
    const bool ends =
        event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::FocusIn ||
        (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat() &&
         static_cast<QKeyEvent*>(event)->key() >= Qt::Key_Left &&
         static_cast<QKeyEvent*>(event)->key() <= Qt::Key_Down);
    if (!ends) return;
    if (OnKeyTab())
        form_.KeyMapPage()->EndBurst();
    else
        form_.Designer()->EndBurst();
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event) {
    EndBurstAt(event);
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // A field with nothing of its own to undo leaves Ctrl+Z to the layout's undo.
    if (key->matches(QKeySequence::Undo)) {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(watched))
            field = spin->findChild<QLineEdit*>();
        if (field && !field->isUndoAvailable()) {
            event->ignore();
            return true;
        }
        return false;
    }
    const bool pageKey = key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
    const bool insertKey = key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier;
    // Delete and Ctrl+Delete delete text in a field, not the selected box.
    const bool textKey = insertKey || key->key() == Qt::Key_Delete;
    bool fieldsKey = false;
    if (qobject_cast<QAbstractItemView*>(watched) || qobject_cast<QComboBox*>(watched))
        fieldsKey = pageKey;
    else if (qobject_cast<QAbstractSpinBox*>(watched))
        fieldsKey = pageKey || textKey;
    else if (qobject_cast<QLineEdit*>(watched))
        fieldsKey = textKey;
    if (!fieldsKey) return false;
    event->accept();
    return true;
}

} // namespace roamplot
