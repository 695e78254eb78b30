#include "ui/designer/ImportPagesDialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "render/PageCompositor.h"
#include "render/RenderContext.h"
#include "render/TextCodec.h"

namespace roamplot {

namespace {
constexpr int ThumbnailSide = 120;
}

ImportPagesDialog::ImportPagesDialog(const ScreenLayout& other, const RenderContext& render,
                                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Import Pages"));
    lPages = new QListWidget(this);
    lPages->setObjectName("lPages");
    lPages->setViewMode(QListView::IconMode);
    lPages->setIconSize({ThumbnailSide, ThumbnailSide});
    lPages->setResizeMode(QListView::Adjust);
    lPages->setMovement(QListView::Static);
    lPages->setSpacing(6);
    for (int page = 1; page <= MaxPages; ++page) {
        if (other.BoxCount(page) == 0) continue;
        const QImage composed = ComposePage(other, page, render);
        const QPixmap thumbnail = QPixmap::fromImage(composed.scaled(
            ThumbnailSide, ThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        auto* item = new QListWidgetItem(
            QIcon(thumbnail),
            QString("%1  %2").arg(page).arg(ToQString(other.PageAt(page).PageName)), lPages);
        item->setData(Qt::UserRole, page);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    bImport = new QPushButton(tr("Import"), this);
    bImport->setObjectName("bImport");
    bImport->setDefault(true);
    bCancel = new QPushButton(tr("Cancel"), this);
    bCancel->setObjectName("bCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bImport);
    buttons->addWidget(bCancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lPages, 1);
    column->addLayout(buttons);
    resize(560, 420);
    connect(bImport, &QPushButton::clicked, this, &ImportPagesDialog::accept);
    connect(bCancel, &QPushButton::clicked, this, &ImportPagesDialog::reject);
}

std::vector<int> ImportPagesDialog::ChosenPages() const {
    std::vector<int> pages;
    for (int row = 0; row < lPages->count(); ++row)
        if (lPages->item(row)->checkState() == Qt::Checked)
            pages.push_back(lPages->item(row)->data(Qt::UserRole).toInt());
    return pages;
}

} // namespace roamplot
