#include "LinkSupport.h"

#include "RecordCursor.h"
#include "RecordText.h"

namespace {

constexpr size_t kMaxLinkPathLength = 4096;

} // namespace

bool ReadLinkPath(CRecordCursor& line, std::string& path)
{
  return line.ReadText(path, kMaxLinkPathLength);
}

void WriteLinkPath(CTextBuffer& out, const std::string& path)
{
  AppendTextField(out, path, true);
}

void ReleaseLink(CLinkSlot& slot)
{
  if (slot.pEntry)
    slot.pEntry->RemoveBackReference(&slot);
  slot = {};
}
