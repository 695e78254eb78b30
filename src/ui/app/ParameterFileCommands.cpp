// MainForm continued from MainForm.cpp: its parameter file commands "Save", "Load", the reload.
#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QSpinBox>

#include "core/app/ListSummary.h"
#include "core/app/RecentFiles.h"
#include "core/app/SaveTarget.h"
#include "core/device/FetchedFiles.h"
#include "core/io/FileIo.h"
#include "core/model/ParameterFileReader.h"
#include "core/model/ParameterFileWriter.h"
#include "render/PageThumbnail.h"
#include "render/PathText.h"
#include "render/RenderContext.h"
#include "render/TextCodec.h"
#include "ui/app/ConfigurationTab.h"
#include "ui/app/MainForm.h"
#include "ui/app/WaitCursor.h"
#include "ui/designer/PageDesigner.h"
#include "ui/designer/PageDesignerTab.h"
#include "ui/preview/PreviewWindow.h"

namespace roamplot {

namespace {

bool SameScreen(const DeviceScreen& a, const DeviceScreen& b) {
    return a.Row == b.Row && a.CustomWidth == b.CustomWidth && a.CustomHeight == b.CustomHeight;
}

QString MissingSymbolsText(const std::vector<std::string>& paths) {
    QString text = QObject::tr("These symbol files were not found; their boxes show no symbol "
                               "and are saved without one:");
    for (const std::string& path : SummariseLines(paths)) text += "\n" + ToQString(path);
    return text;
}

// A name Windows-1252 cannot hold reaches the file as "?"s; one sentence a name.
QString UnwritableSymbolNamesText(const std::vector<std::filesystem::path>& names) {
    QStringList sentences;
    for (const std::filesystem::path& name : names)
        sentences << QObject::tr("The symbol file name \"%1\" cannot be written in the parameter "
                                 "file; the symbol is embedded only if it is small enough.")
                         .arg(QStringFromPath(name));
    return sentences.join("\n");
}

} // namespace

void MainForm::AddParameterFileButtons() {
    QGroupBox* group = pageDesigner_->FileGroup();
    auto add = [this, group](const QString& caption, const char* name, const QString& tip,
                             void (MainForm::*handler)()) {
        auto* button = new QPushButton(caption, group);
        button->setObjectName(name);
        button->setToolTip(tip);
        group->layout()->addWidget(button);
        connect(button, &QPushButton::clicked, this,
                [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    };
    add(tr("Load"), "bLoad", tr("Load a parameter file (Ctrl+O)"),
        &MainForm::OpenParameterFile1Click);
    add(tr("Save"), "bSave", tr("Save the layout as a parameter file (Ctrl+S)"),
        &MainForm::SaveParameterFile1Click);
}

void MainForm::SaveParameterFile1Click() {
    if (SaveAsksForName(ParameterFileName()))
        SaveParameterFileAsClick();
    else
        WriteLayoutTo(ParameterFileName());
}

void MainForm::SaveParameterFileAsClick() {
    FileDialogRequest request;
    request.Title = tr("Save RoamplotCE Parameter File");
    request.Filter = "RoamCE Parameter Files (*.par1)";
    request.DefaultExtension = "par1";
    const std::filesystem::path lastPcFile = RecentFiles().empty() ? "" : RecentFiles().front();
    request.InitialFile = QStringFromPath(ProposedSaveName(ParameterFileName(), lastPcFile));
    const QString chosen = prompter_.AskSaveFileName(request);
    if (chosen.isEmpty()) return;
    std::filesystem::path file = PathFromQString(chosen);
    if (!file.has_extension()) file += ".par1";
    WriteLayoutTo(file);
}

void MainForm::WriteLayoutTo(const std::filesystem::path& file) {
    ParameterFileWriteResult result;
    {
        WaitCursor wait;
        const RenderContext context = MakeRenderContext(catalogue_, CurrentSettings());
        result = WriteParameterFile(layout_, screen_, file, MakeThumbnailRenderer(context));
    }
    // A failed save keeps the old file, the remembered name and the unsaved-changes guard.
    if (!result.Ok()) {
        prompter_.ShowError(MessageNaming(result.Error, file));
        return;
    }
    editor_.MarkSaved();
    SetParameterFileName(file);
    RememberRecentFile(file);
    UpdateStatus();
    const std::vector<std::filesystem::path> unwritable = UnwritableSymbolNames(result.SymbolList);
    if (!unwritable.empty()) prompter_.ShowMessage(UnwritableSymbolNamesText(unwritable));
}

void MainForm::RememberRecentFile(const std::filesystem::path& file) {
    heldSettings_.RecentFiles = roamplot::RememberRecentFile(heldSettings_.RecentFiles, file);
    emit RecentFilesChanged();
}

void MainForm::ClearRecentFiles() {
    heldSettings_.RecentFiles.clear();
    emit RecentFilesChanged();
}

void MainForm::OpenRecentFile(const std::filesystem::path& file) {
    if (!FileExists(file)) {
        prompter_.ShowMessage(tr("\"%1\" no longer exists; it is removed from the recent files.")
                                  .arg(QStringFromPath(file)));
        heldSettings_.RecentFiles = ForgetRecentFile(heldSettings_.RecentFiles, file);
        emit RecentFilesChanged();
        return;
    }
    if (!ConfirmReplaceLayout()) return;
    LoadParameterFileAs(file, file);
}

bool MainForm::ConfirmReplaceLayout() {
    return GoOnPastUnsavedLayout(
        tr("Changes have been made which have not been saved. Load a new file?"));
}

bool MainForm::GoOnPastUnsavedLayout(const QString& question) {
    return !layout_.Modified || GoOnPastUnsaved(prompter_, question, [this] {
        SaveParameterFile1Click();
        return !layout_.Modified;
    });
}

void MainForm::OpenParameterFile1Click() {
    if (!ConfirmReplaceLayout()) return;
    FileDialogRequest request;
    request.Title = tr("Load RoamplotCE Parameter File");
    request.Filter = "Roamplot Parameter File (*.par1)";
    request.InitialFile = QStringFromPath(ParameterFileName());
    const QString chosen = prompter_.AskOpenFileName(request);
    if (!chosen.isEmpty()) {
        const std::filesystem::path file = PathFromQString(chosen);
        LoadParameterFileAs(file, file);
    }
}

bool MainForm::LoadParameterFileAs(const std::filesystem::path& file,
                                   const std::filesystem::path& name) {
    ParameterFileOutcome outcome = ReadParameterFile(file);
    if (outcome.Loaded) {
        SetParameterFileName(name);
        RememberRecentFile(name);
    } else {
        UpdateCaption();
    }
    if (!outcome.Error.isEmpty()) prompter_.ShowError(outcome.Error);
    if (!outcome.Message.isEmpty()) prompter_.ShowMessage(outcome.Message);
    return outcome.Loaded;
}

void MainForm::LoadRememberedParameterFile() {
    // A name a get left (a path on the handheld) is no file of this PC.
    bool opened = false;
    if (IsPcFilePath(ParameterFileName()) && FileExists(ParameterFileName())) {
        const ParameterFileOutcome outcome = ReadParameterFile(ParameterFileName());
        for (const QString& text : {outcome.Error, outcome.Message})
            if (!text.isEmpty()) AddStartupProblem(text);
        // A file that holds no boxes reads as the empty layout it is.
        opened = outcome.Loaded || outcome.Error.isEmpty();
    }
    // The caption names only a file that is open; a Save of a half-read file
    // asks for a name rather than overwrite the file it stopped in.
    if (!opened) SetParameterFileName({});
}

MainForm::ParameterFileOutcome MainForm::ReadParameterFile(const std::filesystem::path& file) {
    WaitCursor wait;
    // The page is shown once, when the file's screen is in place.
    LayoutEditor::EditScope scope(editor_);
    ParameterFileOutcome outcome;
    DesignerSettings settings = CurrentSettings();
    // Filling the controls from a loaded file is no edit, however the load ends.
    PanelLoadingScope loading(panelLoading_);
    const ParameterFileLoadReport report = editor_.Load([&](ScreenLayout& layout) {
        return LoadParameterFile(layout, settings, catalogue_, file, ReadSymbolBitmapFile);
    });
    if (!report.Readable || report.Version == 0) {
        if (!report.Readable)
            outcome.Error = MessageNaming(report.ReadError, file);
        else
            outcome.Message =
                tr("\"%1\" holds no boxes; nothing was loaded.").arg(QStringFromPath(file));
        return outcome;
    }
    configuration_->cNumPages->setValue(settings.NumberOfPages);
    if (!SameScreen(settings.Screen, screen_)) {
        // The file's device type code stays until the user picks another screen.
        const std::string deviceTypeCode = layout_.DeviceTypeCode;
        screen_ = settings.Screen;
        configuration_->SelectDeviceRow(screen_.Row);
        ApplyDeviceType();
        editor_.SetDeviceTypeCode(deviceTypeCode);
        if (preview_) preview_->ApplyDeviceScreen(screen_.Size());
        PlacePreview();
    }
    if (designer_) designer_->ShowSymbolFileLabel(ToQString(report.SymbolFileLabel));

    outcome.Loaded = report.StopError.empty();
    editor_.ResetHistory(outcome.Loaded);
    outcome.Error = ToQString(report.StopError);
    if (!report.MissingSymbolFiles.empty())
        outcome.Message = MissingSymbolsText(report.MissingSymbolFiles);
    return outcome;
}

} // namespace roamplot
