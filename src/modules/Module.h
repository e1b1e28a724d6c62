#pragma once

#include "ModuleResult.h"

#include <string>
#include <string_view>

class CItemGroup;
class CMessageSink;
class CModuleDialog;
class CRecordCursor;
class CTextBuffer;
struct CModuleForm;

// Longest entry path a module keeps; longer paths in a record or a dialog
// are cut to it.
constexpr size_t kMaxModulePathLength = 999;

// What a configuring run needs of the user interface. A missing dialog
// counts as cancelled, missing messages are not shown.
struct CModuleUi {
  CModuleDialog* pDialog = nullptr;
  CMessageSink* pMessages = nullptr;
};

// A calculation module: entry paths (and for some a number) read from and
// written to its record, and a run over the project tree that looks the
// entries up by path every time.
class CModule {
public:
  virtual ~CModule() = default;
  CModule(const CModule&) = delete;
  CModule& operator=(const CModule&) = delete;

  const std::string& GetName() const { return m_strName; }

  // Reads the record after the keyword; missing fields keep their values.
  virtual void ReadConfig(CRecordCursor& rest) = 0;
  // Appends the record, starting with a line feed and the keyword.
  virtual void WriteConfig(CTextBuffer& out) const = 0;
  virtual ModuleResult Run(CItemGroup& root) = 0;

  // Shows the dialog; on OK takes its values over and runs. A failed run,
  // or values the module cannot take, show the module's error box.
  ModuleResult Configure(CItemGroup& root, const CModuleUi& ui);
  ModuleResult Execute(CItemGroup& root, bool configure, const CModuleUi& ui);

  // The error box: a title, then one line per error with a message id.
  void BeginErrors(int messageId);
  void AddError(bool failed, int messageId);
  void ShowErrors(CMessageSink* messages) const;
  int GetErrorCount() const { return m_nErrorCount; }

protected:
  // errorTitleId and errorDetailId (0: none) make the box of a failed
  // configuring run.
  CModule(std::string_view name, int errorTitleId, int errorDetailId);

  virtual void FillForm(CModuleForm& form) const = 0;
  // FALSE when the form holds values the module refuses; nothing changes then.
  virtual bool TakeForm(const CModuleForm& form) = 0;

  void WriteKeyword(CTextBuffer& out) const;
  // A path field: "_" for blanks, an empty path as "_".
  static void WritePath(CTextBuffer& out, const std::string& path);
  static bool ReadPath(CRecordCursor& rest, std::string& path);
  // A path typed into the dialog, cut to its limit, line breaks as blanks.
  static std::string CleanPath(const std::string& path);

private:
  void ReportFailure(CMessageSink* messages);

  std::string m_strName;
  std::string m_strErrorText;
  int m_nErrorCount = 0;
  int m_nErrorTitleId;
  int m_nErrorDetailId;
};
