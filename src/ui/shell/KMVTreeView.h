#pragma once

#include "ExtTreeView.h"
#include "ProjectTree.h"
#include "TreeRecorder.h"

#include <QAction>
#include <QList>
#include <QPersistentModelIndex>

#include <string>
#include <vector>

class CItemGroup;
class CKMVDocument;

// The entry tree of a project document. It holds nothing of its own: each
// item carries the address of the entry it shows, and the items are rebuilt
// from the project whenever the document announces a change of the tree.
// A double or right click on an item opens the entry's properties; with
// root actions given, a right click on the root opens its menu instead.
// Making an entry current names the sensor it belongs to.
class CKMVTreeView : public CExtTreeView, public CProjectTree {
  Q_OBJECT

public:
  explicit CKMVTreeView(CKMVDocument& document, QWidget* parent = nullptr);
  ~CKMVTreeView() override;

  // Registers with the document, then fills the tree.
  void OnInitialUpdate();
  // Hint bit 0 clear: rebuilds the tree. Set: keeps every item that still
  // shows its entry; where a container's children were replaced (the
  // detection results), the items that look as a rebuild would make them
  // are pointed at the new entries and only the others replaced, so
  // nothing leads to a deleted entry.
  void OnUpdate(int hint);
  // The document's properties operation on the selected item, with the
  // wait cursor.
  void OpenProperties();

  TreeItemHandle GetRootItem() const override;
  TreeItemHandle InsertItem(TreeItemHandle parent, const std::string& text, CItemBase* entry, bool expanded,
                            bool bold) override;
  // Expanded 0x20, bold 0x10, selected 0x02.
  int GetItemState(TreeItemHandle item) const override;
  TreeItemHandle GetSelectedItem() const override;
  // The item's entry while it is still part of the project's tree, else
  // null, so a stale item never leads to an entry, even at a reused address.
  CItemBase* GetItemData(TreeItemHandle item) const override;
  void DeleteAllItems() override;

  // The entry address stored with the item, unchecked.
  static CItemBase* StoredEntry(const QTreeWidgetItem& item);

  // The root's context menu: "Eigenschaften..." and then these commands.
  void SetRootActions(QList<QAction*> actions) { m_rootActions = std::move(actions); }

signals:
  // The current item's entry belongs to sensor N (SensorOfEntry).
  void SensorChosen(size_t sensor);

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

private:
  QTreeWidgetItem* ItemAtRow(const QPoint& point) const;
  void SelectAndOpenProperties(QTreeWidgetItem& item);
  void ShowRootMenu(QTreeWidgetItem& root, const QPoint& globalPoint);
  void NameSensorOf(QTreeWidgetItem* item);
  CItemBase* LiveEntry(QTreeWidgetItem& item) const;
  void MendTree();
  bool MendChildren(CItemGroup& group, QTreeWidgetItem& item);
  // What a rebuild of the group's items would insert, as a tree of records.
  struct CRecordTree {
    const std::vector<CTreeRecorder::CRecord>& records;
    // The records under record i at i + 1, those under the group's item at 0.
    const std::vector<std::vector<size_t>>& children;
  };
  // Makes the items under item show what a rebuild would, keeping every
  // row that already looks so (text, font, expansion, place) and pointing
  // it at its new entry, so that only added or dropped rows are laid out
  // and drawn anew. TRUE when rows were added or removed.
  bool UpdateChildren(CItemGroup& group, QTreeWidgetItem& item);
  bool UpdateItems(QTreeWidgetItem& item, size_t level, const CRecordTree& tree);
  void InsertRecord(QTreeWidgetItem& parent, int row, size_t index, const CRecordTree& tree);
  static QTreeWidgetItem* NewItem(const std::string& text, CItemBase* entry, bool bold);

  CKMVDocument& m_document;
  // The item under the last left press and whether it was expanded then:
  // the press of a double click may toggle it, the double click undoes that.
  QPersistentModelIndex m_pressedIndex;
  bool m_bPressedExpanded = false;
  // The release that ends a handled double click must not toggle either.
  bool m_bSwallowRelease = false;
  QList<QAction*> m_rootActions;
};
