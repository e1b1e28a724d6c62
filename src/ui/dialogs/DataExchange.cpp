#include "DataExchange.h"

#include "Messages.h"
#include "TextEncoding.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTabWidget>

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

// The text between blanks and tabs, as bytes; non-ASCII text is no number.
std::optional<std::string> NumberText(const QString& text)
{
  std::string bytes = text.toStdString();
  size_t first = bytes.find_first_not_of(" \t");
  if (first == std::string::npos)
    return std::nullopt;
  size_t last = bytes.find_last_not_of(" \t");
  bytes = bytes.substr(first, last - first + 1);
  // from_chars takes no "+", scanf does.
  if (bytes.size() > 1 && bytes[0] == '+' && bytes[1] != '-' && bytes[1] != '+')
    bytes.erase(0, 1);
  return bytes;
}

template <class T> std::optional<T> ParseWhole(const std::string& bytes, auto... format)
{
  T value{};
  const char* end = bytes.data() + bytes.size();
  auto [next, error] = std::from_chars(bytes.data(), end, value, format...);
  if (error != std::errc() || next != end)
    return std::nullopt;
  return value;
}

std::string GeneralText(double value)
{
  std::array<char, 64> buffer{};
  auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, kDoubleDigits);
  return std::string(buffer.data(), result.ptr);
}

std::string WithBounds(std::string text, const std::string& low, const std::string& high)
{
  text.replace(text.find("%1"), 2, low);
  text.replace(text.find("%2"), 2, high);
  return text;
}

} // namespace

QString FormatDouble(double value)
{
  return QString::fromStdString(GeneralText(value));
}

std::optional<double> ParseDouble(const QString& text)
{
  std::optional<std::string> bytes = NumberText(text);
  if (!bytes)
    return std::nullopt;
  // German users type "1,5"; with a point beside it ("1.000,5") or a second
  // comma the text stays no number.
  if (size_t comma = bytes->find(','); comma != std::string::npos && bytes->find(',', comma + 1) == std::string::npos &&
                                       bytes->find('.') == std::string::npos)
    (*bytes)[comma] = '.';
  std::optional<double> value = ParseWhole<double>(*bytes, std::chars_format::general);
  if (!value || !std::isfinite(*value))
    return std::nullopt;
  return value;
}

std::optional<long> ParseInteger(const QString& text)
{
  std::optional<std::string> bytes = NumberText(text);
  return bytes ? ParseWhole<long>(*bytes, 10) : std::nullopt;
}

std::optional<unsigned long> ParseUnsigned(const QString& text)
{
  std::optional<std::string> bytes = NumberText(text);
  return bytes ? ParseWhole<unsigned long>(*bytes, 10) : std::nullopt;
}

std::string NumberRangeMessage(double low, double high)
{
  return WithBounds("Geben Sie bitte eine Zahl zwischen %1 und %2 ein.", GeneralText(low), GeneralText(high));
}

std::string IntegerRangeMessage(long low, long high)
{
  return WithBounds("Geben Sie bitte eine ganze Zahl zwischen %1 und %2 ein.", std::to_string(low),
                    std::to_string(high));
}

std::string TextLengthMessage(int maxLength)
{
  std::string text = "Geben Sie bitte nicht mehr als %1 Zeichen ein.";
  return text.replace(text.find("%1"), 2, std::to_string(maxLength));
}

void FocusField(QWidget* control)
{
  // A field on a hidden tab cannot take the focus: bring each tab that holds
  // it to the front, outermost last.
  for (QWidget* inner = control; inner; inner = inner->parentWidget())
    for (QWidget* outer = inner->parentWidget(); outer; outer = outer->parentWidget())
      if (auto* tabs = qobject_cast<QTabWidget*>(outer); tabs && tabs->indexOf(inner) >= 0)
        tabs->setCurrentWidget(inner);
  control->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(control))
    edit->selectAll();
}

void CFieldBinder::BindDouble(QLineEdit* edit, double& value)
{
  m_fields.push_back({edit, [edit, &value] { edit->setText(FormatDouble(value)); },
                      [edit] { return ParseDouble(edit->text()) ? std::string() : std::string(kNumberMessage); },
                      [edit, &value] { value = *ParseDouble(edit->text()); }});
  m_fields.back().load();
}

void CFieldBinder::BindDouble(QLineEdit* edit, double& value, double low, double high)
{
  BindDouble(edit, value);
  m_fields.back().check = [edit, low, high] {
    std::optional<double> number = ParseDouble(edit->text());
    if (!number)
      return std::string(kNumberMessage);
    return *number < low || *number > high ? NumberRangeMessage(low, high) : std::string();
  };
}

void CFieldBinder::BindInteger(QLineEdit* edit, int& value, int low, int high)
{
  m_fields.push_back({edit, [edit, &value] { edit->setText(QString::number(value)); },
                      [edit, low, high] {
                        std::optional<long> number = ParseInteger(edit->text());
                        if (!number)
                          return std::string(kIntegerMessage);
                        return *number < low || *number > high ? IntegerRangeMessage(low, high) : std::string();
                      },
                      [edit, &value] { value = static_cast<int>(*ParseInteger(edit->text())); }});
  m_fields.back().load();
}

void CFieldBinder::BindUnsigned(QLineEdit* edit, unsigned& value, unsigned high)
{
  m_fields.push_back({edit, [edit, &value] { edit->setText(QString::number(value)); },
                      [edit, high] {
                        std::optional<unsigned long> number = ParseUnsigned(edit->text());
                        if (!number)
                          return std::string(kUnsignedMessage);
                        return *number > high ? IntegerRangeMessage(0, high) : std::string();
                      },
                      [edit, &value] { value = static_cast<unsigned>(*ParseUnsigned(edit->text())); }});
  m_fields.back().load();
}

void CFieldBinder::BindText(QLineEdit* edit, std::string& value, int maxLength)
{
  m_fields.push_back({edit,
                      [edit, &value, maxLength] {
                        QString text = QString::fromStdString(Cp1252ToUtf8(value));
                        edit->setMaxLength(std::max(maxLength, static_cast<int>(text.size())));
                        edit->setText(text);
                      },
                      [edit, maxLength] {
                        return Utf8ToCp1252(edit->text().toStdString()).size() > static_cast<size_t>(maxLength)
                                   ? TextLengthMessage(maxLength)
                                   : std::string();
                      },
                      [edit, &value] { value = Utf8ToCp1252(edit->text().toStdString()); }});
  m_fields.back().load();
}

void CFieldBinder::BindCheck(QAbstractButton* box, int& value)
{
  box->setCheckable(true);
  m_fields.push_back({box, [box, &value] { box->setChecked(value != 0); }, [] { return std::string(); },
                      [box, &value] { value = box->isChecked() ? 1 : 0; }});
  m_fields.back().load();
}

void CFieldBinder::Load()
{
  for (Field& field : m_fields)
    field.load();
}

bool CFieldBinder::Store()
{
  for (Field& field : m_fields) {
    std::string message = field.check();
    if (!message.empty()) {
      m_messages.ShowMessage(kApplicationName, message);
      FocusField(field.pControl);
      return false;
    }
  }
  for (Field& field : m_fields)
    field.store();
  return true;
}
