// PageDesigner continued from PageDesigner.cpp: File > "Export Pages...",
// every page that holds boxes as a PNG picture at the preview's zoom, and a
// contact sheet, with a progress bar that cancels.
#include <QCoreApplication>
#include <QDir>
#include <QProgressDialog>

#include "render/PageExport.h"
#include "render/PathText.h"
#include "render/RenderContext.h"
#include "ui/app/MainForm.h"
#include "ui/designer/PageDesigner.h"
#include "ui/preview/PreviewWindow.h"

namespace roamplot {

namespace {
constexpr const char* SheetFileName = "contact-sheet.png";

QString PagesText(int count) {
    return QString("%1 %2").arg(count).arg(count == 1 ? "page" : "pages");
}
} // namespace

void PageDesigner::ExportPagesClick() {
    int pages = 0;
    for (int page = 1; page <= MaxPages; ++page)
        if (editor_.Layout().BoxCount(page) > 0) ++pages;
    if (pages == 0) return form_.Prompts().ShowMessage(tr("No page holds boxes to export."));
    const QString initial = exportFolder_.isEmpty()
                                ? QStringFromPath(form_.ParameterFileName().parent_path())
                                : exportFolder_;
    const QString chosen = form_.Prompts().AskFolder(tr("Export Pages"), initial);
    if (chosen.isEmpty()) return;
    exportFolder_ = chosen;
    const std::filesystem::path folder = PathFromQString(chosen);
    const int zoom = preview_.Zoom();

    QProgressDialog progress(tr("Exporting the pages..."), tr("Cancel"), 0, pages + 1, &form_);
    progress.setObjectName("ExportProgress");
    progress.setWindowTitle(tr("Export Pages"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    const PageExportResult result =
        ExportPages(editor_.Layout(), MakeRenderContext(form_.Catalogue(), form_.CurrentSettings()),
                    zoom, folder, folder / SheetFileName, [&progress](int done, int) {
                        progress.setValue(done);
                        QCoreApplication::processEvents();
                        return !progress.wasCanceled();
                    });
    progress.reset();
    if (!result.Ok()) return form_.Prompts().ShowError(MessageNaming(result.Error, result.Failed));
    const QString where = QDir::toNativeSeparators(chosen);
    if (result.Cancelled)
        return form_.Prompts().ShowMessage(
            tr("Export cancelled: %1 written to \"%2\".").arg(PagesText(result.Written), where));
    form_.Prompts().ShowTimedMessage(
        TimedMessageKind::Information, 0,
        tr("%1 and the contact sheet written to \"%2\".").arg(PagesText(result.Written), where));
}

} // namespace roamplot
