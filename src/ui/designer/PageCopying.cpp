// PageDesigner continued from PageDesigner.cpp: the commands that bring whole
// pages in, "Duplicate Page" and "Import Pages...".
#include <QSpinBox>
#include <memory>

#include "core/app/ListSummary.h"
#include "core/designer/PageInsertion.h"
#include "core/model/ParameterFileReader.h"
#include "render/PathText.h"
#include "render/RenderContext.h"
#include "render/TextCodec.h"
#include "ui/app/ConfigurationTab.h"
#include "ui/app/MainForm.h"
#include "ui/app/WaitCursor.h"
#include "ui/designer/ImportPagesDialog.h"
#include "ui/designer/PageDesigner.h"

namespace roamplot {

void PageDesigner::DuplicatePageClick() {
    if (!editor_.DuplicateCurrentPage()) return form_.Prompts().ShowMessage(tr(NoMorePagesMessage));
    ShowEveryPageHoldingBoxes();
}

void PageDesigner::ImportPagesClick() {
    FileDialogRequest request;
    request.Title = tr("Import Pages");
    request.Filter = "Roamplot Parameter File (*.par1)";
    const QString chosen = form_.Prompts().AskOpenFileName(request);
    if (chosen.isEmpty()) return;
    const std::filesystem::path file = PathFromQString(chosen);
    auto other = std::make_unique<ScreenLayout>();
    DesignerSettings settings = form_.CurrentSettings();
    ParameterFileLoadReport report;
    {
        WaitCursor wait;
        report = LoadParameterFile(*other, settings, form_.Catalogue(), file, ReadSymbolBitmapFile);
    }
    if (!report.Readable) return form_.Prompts().ShowError(MessageNaming(report.ReadError, file));
    // A file read only in part still offers the pages read, after the reader's report.
    if (!report.StopError.empty() || !report.EndedPass.empty()) {
        QString text = tr("\"%1\" could not be read whole; the pages read before the fault are "
                          "offered.")
                           .arg(chosen);
        for (const std::string& line : SummariseLines(report.Findings()))
            text += "\n" + ToQString(line);
        form_.Prompts().ShowMessage(text);
    }
    std::vector<Page> offered;
    for (int page = 1; page <= MaxPages; ++page)
        if (other->BoxCount(page) > 0) offered.push_back(other->PageAt(page));
    if (offered.empty())
        return form_.Prompts().ShowMessage(
            tr("\"%1\" holds no boxes; there is nothing to import.").arg(chosen));

    ImportPagesDialog dialog(*other, MakeRenderContext(form_.Catalogue(), settings), &form_);
    form_.Prompts().RunDialog(dialog);
    if (dialog.result() != QDialog::Accepted) return;
    std::vector<Page> pages;
    for (int page : dialog.ChosenPages()) pages.push_back(other->PageAt(page));
    if (pages.empty()) return;
    const int room = RoomForPages(editor_.Layout(), CurrentPage());
    if (room == 0) return form_.Prompts().ShowMessage(tr(NoMorePagesMessage));
    if (static_cast<int>(pages.size()) > room)
        form_.Prompts().ShowMessage(ToQString(OnlyPagesMessage(room)));
    editor_.ImportPages(pages);
    ShowEveryPageHoldingBoxes();
}

void PageDesigner::ShowEveryPageHoldingBoxes() {
    int last = 0;
    for (int page = 1; page <= MaxPages; ++page)
        if (editor_.Layout().BoxCount(page) > 0) last = page;
    QSpinBox* pagesInUse = form_.Configuration()->cNumPages;
    if (last > pagesInUse->value()) pagesInUse->setValue(last);
}

} // namespace roamplot
