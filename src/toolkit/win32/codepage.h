#pragma once
// The one place where texts cross between code page 936 and UTF-16.
#include <string>
#include <string_view>

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);
