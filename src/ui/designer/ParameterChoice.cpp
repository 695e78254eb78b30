#include "ui/designer/ParameterChoice.h"

#include <algorithm>

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QStandardItemModel>

#include "core/designer/ParameterSearch.h"
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

ParameterChoiceBox::ParameterChoiceBox(QWidget* parent) : QComboBox(parent) {
    // A list below the choice that shows its 24 rows, not one as high as the
    // screen over it, so that a narrowed list stays where the eye is.
    setStyleSheet("QComboBox { combobox-popup: 0; }");
    // Installed after the list's own container filter, so this one sees the keys first.
    view()->installEventFilter(this);
    // The typed text stands above the list while there is one.
    if (auto* column = qobject_cast<QBoxLayout*>(view()->parentWidget()->layout())) {
        searchLine_ = new QLabel(view()->parentWidget());
        searchLine_->setObjectName("lParameterSearch");
        searchLine_->setContentsMargins(3, 1, 3, 1);
        searchLine_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        searchLine_->hide();
        column->insertWidget(0, searchLine_);
    }
}

void ParameterChoiceBox::Fill(const ParameterCatalogue& catalogue) {
    catalogue_ = &catalogue;
    clear();
    setItemDelegate(new ParameterChoiceDelegate(catalogue, this));
    setMaxVisibleItems(VisibleRows);
    auto* items = qobject_cast<QStandardItemModel*>(model());
    for (std::size_t k = 0; k < catalogue.Size(); ++k) {
        const CatalogueEntry& entry = catalogue.At(k);
        addItem(ToQString(entry.ItemText()), entry.Id);
        if (entry.IsGroupTitle() && items)
            items->item(static_cast<int>(k))->setFlags(Qt::ItemIsEnabled);
    }
    setCurrentIndex(0);
}

void ParameterChoiceBox::hidePopup() {
    QComboBox::hidePopup();
    SetSearch({});
}

bool ParameterChoiceBox::Searches(const QKeyEvent& event) const {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    // A space opens the closed list, as it always has; once typing began it is text.
    return text != " " || !search_.isEmpty();
}

void ParameterChoiceBox::keyPressEvent(QKeyEvent* event) {
    if (!catalogue_ || !Searches(*event)) {
        QComboBox::keyPressEvent(event);
        return;
    }
    // Not a jump to the first entry starting with the letter: that would
    // change the box's parameter at once.
    if (view()->isVisible()) {
        SetSearch(search_ + event->text());
    } else {
        showPopup();
        SetSearch(event->text());
    }
    event->accept();
}

bool ParameterChoiceBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view() || event->type() != QEvent::KeyPress || !catalogue_) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace && !search_.isEmpty()) {
        SetSearch(search_.chopped(1));
        return true;
    }
    if (!Searches(*key)) return false;
    SetSearch(search_ + key->text());
    return true;
}

void ParameterChoiceBox::SetSearch(const QString& search) {
    auto* list = qobject_cast<QListView*>(view());
    const bool changed = search != search_;
    search_ = search;
    if (!catalogue_ || !list || !changed) return;
    const std::vector<bool> shown = ParameterItemsShown(*catalogue_, FromQString(search_));
    int firstEntry = -1;
    for (int row = 0; row < count(); ++row) {
        const bool keep = static_cast<std::size_t>(row) < shown.size() && shown[row];
        list->setRowHidden(row, !keep);
        const bool heading = !(model()->flags(model()->index(row, 0)) & Qt::ItemIsSelectable);
        if (keep && !heading && firstEntry < 0) firstEntry = row;
    }
    if (searchLine_) {
        searchLine_->setText(tr("Search: %1").arg(search_));
        searchLine_->setVisible(!search_.isEmpty());
    }
    // The open list fits the rows it shows now (at most the usual 24), with
    // the typed text above them.
    if (list->isVisible()) {
        QComboBox::showPopup();
        const int rows = static_cast<int>(std::count(shown.begin(), shown.end(), true));
        const int listHeight =
            std::clamp(rows, 1, VisibleRows) * RowHeight + 2 * list->frameWidth();
        const int lineHeight =
            searchLine_ && searchLine_->isVisible() ? searchLine_->sizeHint().height() : 0;
        QWidget* popup = list->parentWidget();
        popup->resize(popup->width(), popup->height() + listHeight + lineHeight - list->height());
    }
    if (search_.isEmpty()) return;
    // The first entry shown is highlighted, so Enter picks what is seen; with
    // nothing shown there is nothing to pick.
    const QModelIndex first = firstEntry < 0 ? QModelIndex() : model()->index(firstEntry, 0);
    list->setCurrentIndex(first);
    if (first.isValid()) list->scrollTo(first);
}

} // namespace roamplot
