#include "toolkit/core/runtime_error.h"

#include <algorithm>
#include <array>
#include <cstring>

std::string_view ErrorTextForCode(int code) {
  static constexpr std::array kCoded = {runtime_errors::IndexOutOfRange};
  for (const auto& entry : kCoded)
    if (entry.code == code) return entry.text;
  return {};
}

namespace {

bool IsMarkerAt(std::string_view pattern, std::size_t at) {
  return pattern[at] == '%' && at + 1 < pattern.size() &&
         (pattern[at + 1] == 'd' || pattern[at + 1] == 's');
}

}  // namespace

std::string_view FillErrorText(std::span<char> buffer, std::string_view pattern,
                               std::initializer_list<std::string_view> values) {
  std::size_t used = 0;
  const auto append = [&](std::string_view part) {
    const std::size_t size = std::min(part.size(), buffer.size() - used);
    if (size) std::memcpy(buffer.data() + used, part.data(), size);
    used += size;
  };
  const std::string_view* next = values.begin();
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    if (IsMarkerAt(pattern, at) && next != values.end()) {
      append(*next++);
      ++at;
    } else {
      append(pattern.substr(at, 1));
    }
  }
  return {buffer.data(), used};
}

std::string ComposeErrorBoxText(int code, std::string_view message) {
  std::string text = "运行时出错!\r\n\r\n";
  if (code != 0) {
    text += "错误代码：";
    text += std::to_string(code);
    text += "\r\n\r\n";
  }
  if (!message.empty()) {
    text += "错误信息：";
    text += message;
    text += "\r\n";
  }
  return text;
}

void RaiseRuntimeError(int code) { ShowRuntimeErrorAndExit(code, ErrorTextForCode(code)); }

void RaiseRuntimeError(int code, std::string_view message) { ShowRuntimeErrorAndExit(code, message); }

void RaiseRuntimeError(const RuntimeErrorText& error) {
  ShowRuntimeErrorAndExit(error.code, error.text);
}
