#include "ui/designer/ParameterChoice.h"

#include <QPainter>
#include <QStandardItemModel>

#include "render/TextCodec.h"

namespace roamplot {

namespace {
constexpr int RowHeight = 16;
constexpr int VisibleRows = 24;
constexpr int MostHeadingCharacters = 250;

QColor ToQColor(Colour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
} // namespace

void ParameterChoiceDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    int k = index.row();
    if (k < 0 || static_cast<std::size_t>(k) >= catalogue_.Size()) return;
    QString text = index.data(Qt::DisplayRole).toString();
    QColor group = ToQColor(catalogue_.At(static_cast<std::size_t>(k)).GroupColor);
    QRect row = option.rect;
    painter->save();
    if (text.startsWith('-')) {
        painter->fillRect(row, group);
        painter->setPen(Qt::black);
        int middle = (row.top() + row.bottom()) / 2;
        painter->drawLine(row.left(), middle - 1, row.right(), middle - 1);
        painter->drawLine(row.left(), middle + 1, row.right(), middle + 1);
        QString heading = " " + text.mid(1, MostHeadingCharacters) + " ";
        QRect label = painter->fontMetrics().boundingRect(heading);
        QRect behind(row.left() + 3, row.top() + 1, label.width(), row.height() - 2);
        painter->fillRect(behind, group);
        painter->drawText(behind, Qt::AlignLeft | Qt::AlignVCenter, heading);
    } else {
        bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(row, selected ? QColor(0, 0, 128) : group);
        painter->setPen(selected ? Qt::white : Qt::black);
        painter->drawText(row.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    painter->restore();
}

QSize ParameterChoiceDelegate::sizeHint(const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), RowHeight};
}

void FillParameterChoice(QComboBox& choice, const ParameterCatalogue& catalogue) {
    choice.clear();
    choice.setItemDelegate(new ParameterChoiceDelegate(catalogue, &choice));
    choice.setMaxVisibleItems(VisibleRows);
    auto* model = qobject_cast<QStandardItemModel*>(choice.model());
    for (std::size_t k = 0; k < catalogue.Size(); ++k) {
        const CatalogueEntry& entry = catalogue.At(k);
        choice.addItem(ToQString(entry.ItemText()), entry.Id);
        if (entry.IsGroupTitle() && model)
            model->item(static_cast<int>(k))->setFlags(Qt::ItemIsEnabled);
    }
    choice.setCurrentIndex(0);
}

} // namespace roamplot
