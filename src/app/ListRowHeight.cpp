#include "app/ListRowHeight.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTreeView>

namespace fw {
namespace {

constexpr int kSmallIcon = 16;
constexpr int kRowPadding = 6;

// A tree row is as tall as its delegate says; a table's row is its header section instead.
class RowHeightDelegate : public QStyledItemDelegate {
public:
    RowHeightDelegate(int height, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_height(height)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return { QStyledItemDelegate::sizeHint(option, index).width(), m_height };
    }

private:
    int m_height;
};

} // namespace

int listRowHeight(const QWidget& view)
{
    return std::max(view.fontMetrics().height(), kSmallIcon) + kRowPadding;
}

void useListRowHeight(QTableView* table)
{
    QHeaderView* rows = table->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(listRowHeight(*table));
    rows->setDefaultSectionSize(listRowHeight(*table));
}

void useListRowHeight(QTreeView* tree)
{
    tree->setUniformRowHeights(true);
    tree->setItemDelegate(new RowHeightDelegate(listRowHeight(*tree), tree));
}

} // namespace fw
