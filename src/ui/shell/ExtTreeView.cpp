#include "ExtTreeView.h"

#include <QHeaderView>

CExtTreeView::CExtTreeView(QWidget* parent) : QTreeWidget(parent)
{
  setColumnCount(1);
  setHeaderHidden(true);
  setRootIsDecorated(true);
  setItemsExpandable(true);
  setSortingEnabled(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformRowHeights(true);
  // Long names scroll sideways instead of being cut.
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
}
