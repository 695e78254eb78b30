#include "ui/keymap/KeyMapLists.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "render/TextCodec.h"

namespace roamplot {

namespace {

enum HardwareColumn { ButtonColumn = 0, CommandColumn = 1 };
enum ScreenColumn { PageColumn = 0, ScreenButtonColumn, ScreenCommandColumn, CaptionColumn };

QTreeWidget* MakeList(QWidget* parent, const QStringList& columns, const QColor& background) {
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(columns);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setSectionsMovable(false);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, background);
    list->setPalette(palette);
    return list;
}

QString HardwareRowLabel(int row) {
    return row < CursorKeyCount ? ToQString(HardwareKeyName(row))
                                : QString("#%1").arg(row - CursorKeyCount + 1);
}

} // namespace

QTreeWidget* MakeHardwareList(QWidget* parent) {
    QTreeWidget* list = MakeList(parent, {"Button", "Command"}, HardwareListColour);
    list->setColumnWidth(ButtonColumn, 80);
    return list;
}

QTreeWidget* MakeScreenList(QWidget* parent) {
    QTreeWidget* list =
        MakeList(parent, {"Page", "Button", "Command", "Caption"}, ScreenListColour);
    list->setColumnWidth(PageColumn, 45);
    list->setColumnWidth(ScreenButtonColumn, 55);
    list->setColumnWidth(ScreenCommandColumn, 160);
    return list;
}

void FillHardwareList(QTreeWidget* list, const KeyMap& map, const CommandCatalogue& catalogue) {
    list->clear();
    for (int row = 0; row < HardwareKeyCount; ++row) {
        new QTreeWidgetItem(list, {HardwareRowLabel(row), QString()});
        ShowHardwareRow(list, row, map, catalogue);
    }
    list->setCurrentItem(nullptr);
}

void FillScreenList(QTreeWidget* list, const KeyMap& map, const CommandCatalogue& catalogue) {
    list->clear();
    for (int row = 0; row < ScreenButtonPages * ScreenButtonsPerPage; ++row) {
        auto* item = new QTreeWidgetItem(list, {QString::number(ScreenRowPage(row)),
                                                QString("#%1").arg(ScreenRowButton(row)), QString(),
                                                QString()});
        if (ScreenRowPage(row) % 2 == 0)
            for (int column = 0; column < list->columnCount(); ++column)
                item->setBackground(column, EvenPageRowColour);
        ShowScreenRow(list, row, map, catalogue);
    }
    list->setCurrentItem(nullptr);
}

void ShowHardwareRow(QTreeWidget* list, int row, const KeyMap& map,
                     const CommandCatalogue& catalogue) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    if (!item || row >= HardwareKeyCount) return;
    item->setText(CommandColumn,
                  ToQString(catalogue.NameOf(map.HardwareKeys[static_cast<std::size_t>(row)])));
}

void ShowScreenRow(QTreeWidget* list, int row, const KeyMap& map,
                   const CommandCatalogue& catalogue) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    const ScreenButton* button = map.FindScreenButton(ScreenRowPage(row), ScreenRowButton(row));
    if (!item || !button) return;
    item->setText(ScreenCommandColumn, ToQString(catalogue.NameOf(button->Command)));
    item->setText(CaptionColumn, ToQString(button->Caption));
}

QString HardwareChooserLabel(int row) {
    return row < CursorKeyCount ? HardwareRowLabel(row) : "Button " + HardwareRowLabel(row);
}

QString ScreenChooserLabel(int row) {
    return QString("Page %1  Button #%2").arg(ScreenRowPage(row)).arg(ScreenRowButton(row));
}

} // namespace roamplot
