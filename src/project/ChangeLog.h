#pragma once

#include <string>

// Where a document hands each finished change: its name (Windows-1252), the
// project text before and after it, and a merge key. Consecutive changes of
// the same nonzero key and name are one step (a held button's repeats). The
// program keeps them on an undo stack; tests record them.
class CChangeLog {
public:
  virtual ~CChangeLog() = default;
  virtual void RecordChange(const std::string& name, int mergeKey, std::string before, std::string after) = 0;
};
