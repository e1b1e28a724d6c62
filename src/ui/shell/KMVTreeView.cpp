#include "KMVTreeView.h"

#include "DocumentViews.h"
#include "ItemImport.h"
#include "KMVDocument.h"
#include "SensorSet.h"
#include "TextEncoding.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kEntryRole = Qt::UserRole;
constexpr int kStateBold = 0x10;
constexpr int kStateSelected = 0x02;

QTreeWidgetItem* ItemOf(TreeItemHandle handle)
{
  return reinterpret_cast<QTreeWidgetItem*>(handle);
}

TreeItemHandle HandleOf(const QTreeWidgetItem* item)
{
  return reinterpret_cast<TreeItemHandle>(item);
}

// Whether the item is still the one made for the entry: an entry created at
// the address of a deleted one has no item yet.
bool Shows(const QTreeWidgetItem* item, const CItemBase& entry)
{
  return item && CKMVTreeView::StoredEntry(*item) == &entry && entry.m_hTreeItem == HandleOf(item);
}

// Includes and libraries insert no item at the user level, and nothing
// inside them is ever shown.
bool IsHiddenImport(const CItemBase& entry)
{
  return entry.m_hTreeItem == 0 && dynamic_cast<const CItemImport*>(&entry) != nullptr;
}

// Whether the items under item show exactly the shown children of group.
// Compares addresses only; no stored entry is dereferenced.
bool ChildrenAreCurrent(const CItemGroup& group, const QTreeWidgetItem& item)
{
  int next = 0;
  for (const auto& child : group.Children()) {
    if (IsHiddenImport(*child))
      continue;
    if (next >= item.childCount() || !Shows(item.child(next++), *child))
      return false;
  }
  return next == item.childCount();
}

bool IsBelow(const QTreeWidgetItem* item, const QTreeWidgetItem& ancestor)
{
  for (const QTreeWidgetItem* parent = item ? item->parent() : nullptr; parent; parent = parent->parent())
    if (parent == &ancestor)
      return true;
  return false;
}

void CollectHandles(const CItemGroup& group, std::vector<std::pair<CItemBase*, TreeItemHandle>>& handles)
{
  for (const auto& child : group.Children()) {
    handles.emplace_back(child.get(), child->m_hTreeItem);
    if (const CItemGroup* inner = child->AsGroup())
      CollectHandles(*inner, handles);
  }
}

bool LooksAs(const QTreeWidgetItem& item, const CTreeRecorder::CRecord& record)
{
  return item.text(0) == QString::fromStdString(Cp1252ToUtf8(record.text)) && item.font(0).bold() == record.bold &&
         item.isExpanded() == record.expanded;
}

} // namespace

CKMVTreeView::CKMVTreeView(CKMVDocument& document, QWidget* parent) : CExtTreeView(parent), m_document(document)
{
  setExpandsOnDoubleClick(false);
  connect(this, &QTreeWidget::currentItemChanged, this, &CKMVTreeView::NameSensorOf);
}

CKMVTreeView::~CKMVTreeView()
{
  m_document.SetTreeView(nullptr);
  // Saving the tree state walks down from the root and stops at an entry
  // without item, so no entry is left with a handle of this view.
  m_document.GetProject().GetRoot().m_hTreeItem = 0;
}

void CKMVTreeView::OnInitialUpdate()
{
  m_document.SetTreeView(this);
  OnUpdate(0);
}

void CKMVTreeView::OnUpdate(int hint)
{
  if (hint & kHintTreeUnchanged)
    MendTree();
  else
    m_document.GetProject().RebuildTree(*this);
}

void CKMVTreeView::OpenProperties()
{
  // A module run may have replaced entries since the last update; their
  // items go before anything is edited.
  MendTree();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_document.EditProperties();
  QApplication::restoreOverrideCursor();
}

TreeItemHandle CKMVTreeView::GetRootItem() const
{
  return HandleOf(invisibleRootItem());
}

QTreeWidgetItem* CKMVTreeView::NewItem(const std::string& text, CItemBase* entry, bool bold)
{
  auto* item = new QTreeWidgetItem({QString::fromStdString(Cp1252ToUtf8(text))});
  item->setData(0, kEntryRole, QVariant::fromValue(reinterpret_cast<quintptr>(entry)));
  if (bold) {
    QFont font = item->font(0);
    font.setBold(true);
    item->setFont(0, font);
  }
  return item;
}

TreeItemHandle CKMVTreeView::InsertItem(TreeItemHandle parent, const std::string& text, CItemBase* entry, bool expanded,
                                        bool bold)
{
  QTreeWidgetItem* item = NewItem(text, entry, bold);
  ItemOf(parent)->addChild(item);
  item->setExpanded(expanded);
  return HandleOf(item);
}

int CKMVTreeView::GetItemState(TreeItemHandle handle) const
{
  const QTreeWidgetItem* item = ItemOf(handle);
  return (item->isExpanded() ? kTreeStateExpanded : 0) | (item->font(0).bold() ? kStateBold : 0) |
         (item->isSelected() ? kStateSelected : 0);
}

TreeItemHandle CKMVTreeView::GetSelectedItem() const
{
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? 0 : HandleOf(selected.front());
}

CItemBase* CKMVTreeView::GetItemData(TreeItemHandle handle) const
{
  QTreeWidgetItem* item = ItemOf(handle);
  return item && item != invisibleRootItem() ? LiveEntry(*item) : nullptr;
}

void CKMVTreeView::DeleteAllItems()
{
  clear();
}

CItemBase* CKMVTreeView::StoredEntry(const QTreeWidgetItem& item)
{
  return reinterpret_cast<CItemBase*>(item.data(0, kEntryRole).value<quintptr>());
}

void CKMVTreeView::mousePressEvent(QMouseEvent* event)
{
  QTreeWidgetItem* item = ItemAtRow(event->position().toPoint());
  if (event->button() == Qt::RightButton && item) {
    event->accept();
    if (!item->parent() && !m_rootActions.isEmpty())
      ShowRootMenu(*item, event->globalPosition().toPoint());
    else
      SelectAndOpenProperties(*item);
    return;
  }
  if (event->button() == Qt::LeftButton) {
    m_pressedIndex = item ? QPersistentModelIndex(indexFromItem(item)) : QPersistentModelIndex();
    m_bPressedExpanded = item && item->isExpanded();
  }
  CExtTreeView::mousePressEvent(event);
}

void CKMVTreeView::mouseReleaseEvent(QMouseEvent* event)
{
  if (m_bSwallowRelease) {
    m_bSwallowRelease = false;
    event->accept();
    return;
  }
  CExtTreeView::mouseReleaseEvent(event);
}

void CKMVTreeView::mouseDoubleClickEvent(QMouseEvent* event)
{
  // A double click never expands or collapses and never reaches the tree.
  event->accept();
  if (event->button() != Qt::LeftButton)
    return;
  QTreeWidgetItem* item = ItemAtRow(event->position().toPoint());
  if (!item)
    return;
  if (m_pressedIndex.isValid() && itemFromIndex(m_pressedIndex) == item)
    item->setExpanded(m_bPressedExpanded);
  m_pressedIndex = QPersistentModelIndex();
  m_bSwallowRelease = true;
  SelectAndOpenProperties(*item);
}

void CKMVTreeView::keyPressEvent(QKeyEvent* event)
{
  // Enter opens the current entry's properties, as a double click does.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
    event->accept();
    SelectAndOpenProperties(*currentItem());
    return;
  }
  CExtTreeView::keyPressEvent(event);
}

void CKMVTreeView::contextMenuEvent(QContextMenuEvent* event)
{
  // The right press on an item opened its properties; no menu follows.
  if (event->reason() == QContextMenuEvent::Mouse && ItemAtRow(event->pos())) {
    event->accept();
    return;
  }
  CExtTreeView::contextMenuEvent(event);
}

QTreeWidgetItem* CKMVTreeView::ItemAtRow(const QPoint& point) const
{
  // The whole row counts: indentation, button, label and the space right of it.
  return itemAt(QPoint(columnViewportPosition(0), point.y()));
}

void CKMVTreeView::SelectAndOpenProperties(QTreeWidgetItem& item)
{
  setCurrentItem(&item);
  OpenProperties();
}

void CKMVTreeView::ShowRootMenu(QTreeWidgetItem& root, const QPoint& globalPoint)
{
  setCurrentItem(&root);
  QMenu menu(this);
  QAction* properties = menu.addAction("&Eigenschaften...");
  menu.addSeparator();
  menu.addActions(m_rootActions);
  if (menu.exec(globalPoint) == properties)
    OpenProperties();
}

void CKMVTreeView::NameSensorOf(QTreeWidgetItem* item)
{
  // Items come and go while the tree is rebuilt: only a live entry counts.
  CItemBase* entry = item ? LiveEntry(*item) : nullptr;
  if (size_t sensor = entry ? SensorOfEntry(m_document.GetProject(), *entry) : 0; sensor != 0)
    emit SensorChosen(sensor);
}

CItemBase* CKMVTreeView::LiveEntry(QTreeWidgetItem& item) const
{
  // Checked from the root down: each entry must still be a child of the
  // entry above and still own its item before it is looked at.
  const CItemBase* stored = StoredEntry(item);
  CItemGroup& root = m_document.GetProject().GetRoot();
  QTreeWidgetItem* parentItem = item.parent();
  if (!parentItem)
    return Shows(&item, root) ? &root : nullptr;
  CItemBase* parent = LiveEntry(*parentItem);
  CItemGroup* group = parent ? parent->AsGroup() : nullptr;
  if (!group)
    return nullptr;
  for (const auto& child : group->Children())
    if (child.get() == stored)
      return Shows(&item, *child) ? child.get() : nullptr;
  return nullptr;
}

void CKMVTreeView::MendTree()
{
  CItemGroup& root = m_document.GetProject().GetRoot();
  QTreeWidgetItem* rootItem = topLevelItem(0);
  if (!Shows(rootItem, root))
    return;
  const int left = horizontalScrollBar()->value();
  const int top = verticalScrollBar()->value();
  if (MendChildren(root, *rootItem)) {
    horizontalScrollBar()->setValue(left);
    verticalScrollBar()->setValue(top);
  }
}

bool CKMVTreeView::MendChildren(CItemGroup& group, QTreeWidgetItem& item)
{
  if (!ChildrenAreCurrent(group, item))
    return UpdateChildren(group, item);
  bool mended = false;
  for (const auto& child : group.Children()) {
    CItemGroup* inner = child->AsGroup();
    if (inner && !dynamic_cast<const CItemImport*>(inner))
      mended = MendChildren(*inner, *ItemOf(inner->m_hTreeItem)) || mended;
  }
  return mended;
}

bool CKMVTreeView::UpdateChildren(CItemGroup& group, QTreeWidgetItem& item)
{
  group.SaveTreeState(*this);
  // Recording sets the entries' handles; those of entries that insert no
  // item are put back.
  std::vector<std::pair<CItemBase*, TreeItemHandle>> handles;
  CollectHandles(group, handles);
  CTreeRecorder recorder(GetRootItem());
  const int editLevel = m_document.GetProject().GetEditLevel();
  for (const auto& child : group.Children())
    child->InsertIntoTree(editLevel, recorder, HandleOf(&item));
  for (const auto& [entry, handle] : handles)
    entry->m_hTreeItem = handle;

  // A record's handle is its place plus one, so the records under record i
  // are listed at i + 1 and those under item at 0.
  const std::vector<CTreeRecorder::CRecord>& records = recorder.Records();
  std::vector<std::vector<size_t>> children(records.size() + 1);
  for (size_t i = 0; i < records.size(); ++i)
    children[records[i].parent == HandleOf(&item) ? 0 : std::min<size_t>(records[i].parent, i)].push_back(i);
  return UpdateItems(item, 0, {records, children});
}

bool CKMVTreeView::UpdateItems(QTreeWidgetItem& item, size_t level, const CRecordTree& tree)
{
  // The rows that look as the records at either end are kept, the rows
  // between them replaced: a step that adds or drops one result moves no
  // other row.
  const std::vector<size_t>& wanted = tree.children[level];
  const size_t count = wanted.size();
  const auto rows = static_cast<size_t>(item.childCount());
  size_t front = 0;
  while (front < count && front < rows && LooksAs(*item.child(static_cast<int>(front)), tree.records[wanted[front]]))
    ++front;
  size_t back = 0;
  while (back < count - front && back < rows - front &&
         LooksAs(*item.child(static_cast<int>(rows - 1 - back)), tree.records[wanted[count - 1 - back]]))
    ++back;

  bool changed = false;
  for (size_t row = rows - back; row-- > front;) {
    QTreeWidgetItem* old = item.child(static_cast<int>(row));
    // Deleting the current item would move the caret and scroll to it.
    if (currentItem() == old || IsBelow(currentItem(), *old))
      selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    delete old;
    changed = true;
  }
  for (size_t k = front; k < count - back; ++k) {
    InsertRecord(item, static_cast<int>(k), wanted[k], tree);
    changed = true;
  }
  auto keep = [&](size_t k) {
    QTreeWidgetItem& kept = *item.child(static_cast<int>(k));
    const CTreeRecorder::CRecord& record = tree.records[wanted[k]];
    {
      // The entry's address is shown nowhere: without the model's signals
      // no row is measured or drawn again.
      const QSignalBlocker quiet(model());
      kept.setData(0, kEntryRole, QVariant::fromValue(reinterpret_cast<quintptr>(record.entry)));
    }
    record.entry->m_hTreeItem = HandleOf(&kept);
    changed = UpdateItems(kept, wanted[k] + 1, tree) || changed;
  };
  for (size_t k = 0; k < front; ++k)
    keep(k);
  for (size_t k = count - back; k < count; ++k)
    keep(k);
  return changed;
}

void CKMVTreeView::InsertRecord(QTreeWidgetItem& parent, int row, size_t index, const CRecordTree& tree)
{
  const CTreeRecorder::CRecord& record = tree.records[index];
  QTreeWidgetItem* item = NewItem(record.text, record.entry, record.bold);
  parent.insertChild(row, item);
  item->setExpanded(record.expanded);
  record.entry->m_hTreeItem = HandleOf(item);
  int next = 0;
  for (size_t child : tree.children[index + 1])
    InsertRecord(*item, next++, child, tree);
}
