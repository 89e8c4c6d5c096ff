#pragma once

class QTableView;
class QTreeView;
class QWidget;

namespace fw {

// The one row height of the window's lists and of the available-maps tree: a line of the view's
// font or a small icon, whichever is taller, with room around it.
int listRowHeight(const QWidget& view);
// Gives every row of a table or a tree that height.
void useListRowHeight(QTableView* table);
void useListRowHeight(QTreeView* tree);

} // namespace fw
