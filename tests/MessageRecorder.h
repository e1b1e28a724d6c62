#pragma once

#include "Messages.h"

#include <string>
#include <vector>

// Records the texts of all messages; every caption must be the program's name.
class CMessageRecorder : public CMessageSink {
public:
  void ShowMessage(const std::string& caption, const std::string& text) override
  {
    texts.push_back(caption == kApplicationName ? text : "wrong caption");
  }
  std::vector<std::string> texts;
};
