#include "DoubleList.h"

#include "RecordCursor.h"
#include "RecordText.h"

bool ReadDoubleList(CRecordCursor& line, std::initializer_list<double*> fields)
{
  for (double* field : fields)
    if (!line.ReadDouble(*field))
      return false;
  return true;
}

void AppendDoubleList(CTextBuffer& out, std::initializer_list<double> values)
{
  for (double value : values)
    AppendDoubleField(out, value);
}
