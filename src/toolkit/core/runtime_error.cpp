#include "toolkit/core/runtime_error.h"

#include <array>

std::string_view ErrorTextForCode(int code) {
  static constexpr std::array kCoded = {runtime_errors::IndexOutOfRange};
  for (const auto& entry : kCoded)
    if (entry.code == code) return entry.text;
  return {};
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
