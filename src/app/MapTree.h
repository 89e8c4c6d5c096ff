#pragma once

#include <QTreeWidget>

namespace fw {

// The available-maps tree. A node dragged out of it carries its place in the tree, so that the
// window it is dropped on finds the node itself and adds it as a double-click would.
class MapTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit MapTree(QWidget* parent = nullptr);

    // The node a drag from this tree carries, or null for anything else.
    QTreeWidgetItem* draggedNode(const QMimeData* data) const;

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    // Copies only: a move would take the node out of the tree.
    void startDrag(Qt::DropActions supportedActions) override;
};

} // namespace fw
