#include "EntryDialogs.h"

#include "ParameterDialogs.h"
#include "PointPages.h"
#include "PropertySheet.h"
#include "SurfacePages.h"

#include <QApplication>

namespace {

// Each family casts the entry itself, so the more derived kinds come first.
constexpr EntryDialogFn kEntryDialogs[] = {
    EditNumber, EditSwitch, EditChoice, EditWord, EditPointEntry, EditSurfaceEntry,
};

// The tree view shows a wait cursor while an entry is edited; the dialog
// needs the ordinary one.
class CArrowCursor {
public:
  CArrowCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
  ~CArrowCursor() { QApplication::restoreOverrideCursor(); }
  CArrowCursor(const CArrowCursor&) = delete;
  CArrowCursor& operator=(const CArrowCursor&) = delete;
};

} // namespace

bool CEntryDialogs::Change(CItemBase& entry, int editLevel, EntryAccess access)
{
  if (editLevel != 0)
    return false;
  CArrowCursor cursor;
  const CDialogContext context{m_pParent, m_messages, ChangeCaption(), access};
  for (EntryDialogFn edit : kEntryDialogs)
    if (std::optional<bool> result = edit(entry, context))
      return *result;
  return false;
}
