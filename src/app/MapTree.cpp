#include "app/MapTree.h"

#include <QMimeData>

namespace fw {
namespace {

const QString kNodeFormat = QStringLiteral("application/x-fortwright-map-node");

// The rows from the top of the tree down to the node, as "0/3/5".
QByteArray pathOf(const QTreeWidget& tree, QTreeWidgetItem* node)
{
    QList<QByteArray> rows;
    for (; node->parent(); node = node->parent())
        rows.prepend(QByteArray::number(node->parent()->indexOfChild(node)));
    rows.prepend(QByteArray::number(tree.indexOfTopLevelItem(node)));
    return rows.join('/');
}

} // namespace

MapTree::MapTree(QWidget* parent)
    : QTreeWidget(parent)
{
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
}

QStringList MapTree::mimeTypes() const
{
    return { kNodeFormat };
}

QMimeData* MapTree::mimeData(const QList<QTreeWidgetItem*>& items) const
{
    if (items.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(kNodeFormat, pathOf(*this, items.first()));
    return data;
}

void MapTree::startDrag(Qt::DropActions)
{
    QTreeWidget::startDrag(Qt::CopyAction);
}

QTreeWidgetItem* MapTree::draggedNode(const QMimeData* data) const
{
    if (!data || !data->hasFormat(kNodeFormat))
        return nullptr;
    QTreeWidgetItem* node = nullptr;
    for (const QByteArray& row : data->data(kNodeFormat).split('/')) {
        bool ok = false;
        const int index = row.toInt(&ok);
        node = !ok ? nullptr : node ? node->child(index) : topLevelItem(index);
        if (!node)
            return nullptr;
    }
    return node;
}

} // namespace fw
