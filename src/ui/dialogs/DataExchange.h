#pragma once

// Data exchange and validation for the entry dialogs and property pages.
//
// A page or dialog keeps its own copies of the values it shows and declares
// each field once with a CFieldBinder:
//
//   CFieldBinder binder(messages);               // CMessageSink of the program
//   binder.BindDouble(edit, m_value, 0.0, 10.0); // shows m_value at once
//   binder.BindInteger(count, m_nCount, 1, 1000);
//   binder.BindText(name, m_strName, 63);        // Windows-1252 copy
//   ...
//   if (!binder.Store()) return;                 // on OK: check, then copy
//
// Store() checks every field in the order bound; the first failure shows its
// German message, brings the field's tab to the front, focuses the field and
// leaves every copy untouched. Load() shows the copies again (after a copy
// changed behind the controls, as the colour chooser does).
//
// Numbers are one number with optional blanks or tabs around it, read in the
// "C" locale whatever the desktop's locale; doubles are shown as "%.*g" with
// 15 digits.

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CMessageSink;
class QAbstractButton;
class QLineEdit;
class QWidget;

inline constexpr int kDoubleDigits = 15;

QString FormatDouble(double value);
// Finite numbers only; one comma is the decimal point when no point is there.
std::optional<double> ParseDouble(const QString& text);
std::optional<long> ParseInteger(const QString& text);
// No sign but an optional "+".
std::optional<unsigned long> ParseUnsigned(const QString& text);

// The framework's German validation messages (Windows-1252).
inline constexpr const char* kNumberMessage = "Geben Sie bitte eine Zahl ein.";
inline constexpr const char* kIntegerMessage = "Geben Sie bitte eine ganze Zahl ein.";
inline constexpr const char* kUnsignedMessage = "Geben Sie bitte eine positive ganze Zahl ein.";
std::string NumberRangeMessage(double low, double high);
std::string IntegerRangeMessage(long low, long high);
std::string TextLengthMessage(int maxLength);

// Shows the page or tab that holds the widget and gives it the focus.
void FocusField(QWidget* control);

class CFieldBinder {
public:
  explicit CFieldBinder(CMessageSink& messages) : m_messages(messages) {}
  CFieldBinder(const CFieldBinder&) = delete;
  CFieldBinder& operator=(const CFieldBinder&) = delete;

  // The bound copies must outlive the binder; each bind shows the copy.
  void BindDouble(QLineEdit* edit, double& value);
  void BindDouble(QLineEdit* edit, double& value, double low, double high);
  void BindInteger(QLineEdit* edit, int& value, int low, int high);
  void BindUnsigned(QLineEdit* edit, unsigned& value, unsigned high);
  // Typing stops at maxLength characters; a longer copy is shown whole and
  // refused on Store().
  void BindText(QLineEdit* edit, std::string& value, int maxLength);
  // Ticked when the copy is not 0; stored as 1 or 0.
  void BindCheck(QAbstractButton* box, int& value);

  void Load();
  // TRUE when every field passed and the copies took the values.
  bool Store();

private:
  struct Field {
    QWidget* pControl;
    std::function<void()> load;
    // The message of a refused field, empty when it passes.
    std::function<std::string()> check;
    std::function<void()> store;
  };

  CMessageSink& m_messages;
  std::vector<Field> m_fields;
};
