#include "toolkit/win32/codepage.h"

#include <windows.h>

#include <climits>

namespace {
constexpr UINT kCodePage = 936;

// The system converts at most INT_MAX units at once; no text of the program
// comes near that, and a longer one is cut there rather than overflowing.
int SizeAsInt(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }
}  // namespace

std::wstring Widen(std::string_view text) {
  if (text.empty()) return {};
  const int length = SizeAsInt(text.size());
  const int needed = MultiByteToWideChar(kCodePage, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(kCodePage, 0, text.data(), length, wide.data(), needed);
  return wide;
}

std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = SizeAsInt(text.size());
  const int needed =
      WideCharToMultiByte(kCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(kCodePage, 0, text.data(), length, narrow.data(), needed, nullptr, nullptr);
  return narrow;
}
