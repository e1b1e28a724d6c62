#pragma once

#include "KMVDocument.h"
#include "SensorSet.h"
#include "SourceFile.h"

#include <memory>
#include <string>

// A SOURCE opened as the program opens a document: "*NAME" is a built-in
// model, a path ending in ".kmv" a scrambled file, any other path plain
// project text. Opening a file makes its folder the current folder, as the
// program does for includes, so callers resolve their own paths first.
class CLoadedDocument {
public:
  CLoadedDocument() { m_document.SetMessageSink(&m_messages); }

  // Returns the exit status: unreadable, or read with a format error (the
  // document then holds what was read before it and IsOpen is TRUE).
  int Open(const std::string& source);
  bool IsOpen() const { return m_bOpen; }
  // The commands stop after a refused request.
  void Close() { m_bOpen = false; }

  CKMVDocument m_document;
  // The document's sensors, once OpenAndStep opened it.
  std::unique_ptr<CSensorSet> m_pSensors;

private:
  CStderrMessages m_messages;
  bool m_bOpen = false;
};

// The path made absolute against the current folder, for paths that must
// survive the change of folder when a document opens.
std::string MakeAbsolute(const std::string& path);
