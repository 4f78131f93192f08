#include "system/windows/windows_regional.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "system/windows/wide_text.h"

namespace reminder {

namespace {

const wchar_t* nameOrUser(const std::wstring& name) {
  return name.empty() ? LOCALE_NAME_USER_DEFAULT : name.c_str();
}

std::string decimalSeparator(const std::wstring& localeName) {
  wchar_t separator[8]{};  // at most three characters and the nul
  if (GetLocaleInfoEx(nameOrUser(localeName), LOCALE_SDECIMAL, separator,
                      static_cast<int>(std::size(separator))) <= 1) {
    return ".";
  }
  return utf8Text(separator);
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

WindowsRegional::WindowsRegional() : WindowsRegional(std::wstring()) {}

WindowsRegional::WindowsRegional(std::wstring localeName)
    : localeName_(std::move(localeName)), decimal_(decimalSeparator(localeName_)) {}

std::optional<double> WindowsRegional::toNumber(std::string_view text) const {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  // Only the regional separator counts as one; any other point or comma is not a number.
  std::string plain;
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, decimal_.size(), decimal_) == 0) {
      plain += '.';
      i += decimal_.size();
    } else if (text[i] == '.') {
      return std::nullopt;
    } else {
      plain += text[i++];
    }
  }
  // Digits, a point, a sign and an exponent only: the C library would also take blanks, hex,
  // "inf" and "nan". (Not std::from_chars and std::to_chars: their tables alone would make up
  // a fifth of the program file.)
  if (plain.empty() || plain.find_first_not_of("0123456789.eE+-") != std::string::npos) {
    return std::nullopt;
  }
  char* stop = nullptr;
  const double value = std::strtod(plain.c_str(), &stop);
  if (stop != plain.c_str() + plain.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string WindowsRegional::numberText(double value) const {
  // The fewest decimals that read back as the same number, in fixed notation.
  char buffer[400];  // the longest double in fixed notation has 309 digits before the point
  for (int decimals = 0; decimals <= 17; ++decimals) {
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    if (std::strtod(buffer, nullptr) == value) break;
  }
  std::string text;
  for (const char* c = buffer; *c != '\0'; ++c) {
    text += *c == '.' ? decimal_ : std::string(1, *c);
  }
  return text;
}

std::string WindowsRegional::timeText(const TimeOfDay& time) const {
  SYSTEMTIME moment{};
  moment.wYear = 2000;
  moment.wMonth = 1;
  moment.wDay = 1;
  moment.wHour = static_cast<WORD>(time.hour);
  moment.wMinute = static_cast<WORD>(time.minute);
  moment.wSecond = static_cast<WORD>(time.second);
  wchar_t text[128]{};
  const int length = GetTimeFormatEx(nameOrUser(localeName_), 0, &moment, nullptr, text,
                                     static_cast<int>(std::size(text)));
  return length > 1 ? utf8Text(std::wstring_view(text, length - 1)) : std::string();
}

}  // namespace reminder
