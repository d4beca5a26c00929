#pragma once
// Run-time errors: the error box, then the end of the process with exit code -1.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// An entry of the table of error texts. Code 0 shows no code line.
struct RuntimeErrorText {
  int code;
  const char* text;
};

namespace runtime_errors {
inline constexpr RuntimeErrorText IndexOutOfRange{1, "数组成员引用下标超出定义范围"};
inline constexpr RuntimeErrorText WindowNotLoaded{0, "指定窗口或窗口组件不存在或尚未载入"};
inline constexpr RuntimeErrorText StartupWindowFailed{0, "载入启动窗口失败"};
inline constexpr RuntimeErrorText OutOfMemory{0, "分配 %d 字节内存失败!"};
inline constexpr RuntimeErrorText DeclaredFunctionMissing{0, "无法找到指定DLL库文件“%s”中的输出命令“%s”"};
}  // namespace runtime_errors

// The message text that the table gives for `code` (empty for an unknown code).
std::string_view ErrorTextForCode(int code);

// Writes `pattern` into `buffer` with each "%d" or "%s" replaced by the next
// of `values`; a marker left without a value stays as it is, and what does not
// fit is cut. It allocates nothing and cannot throw, so it serves when memory
// has run out and whatever a table text says. Returns the text written.
std::string_view FillErrorText(std::span<char> buffer, std::string_view pattern,
                               std::initializer_list<std::string_view> values);

// The error box's text: the heading, the code line unless the code is 0, and
// the message line unless the message is empty.
std::string ComposeErrorBoxText(int code, std::string_view message);

// Raises the run-time error `code` with its text from the table.
[[noreturn]] void RaiseRuntimeError(int code);

// Raises a run-time error with a message composed by the caller.
[[noreturn]] void RaiseRuntimeError(int code, std::string_view message);
[[noreturn]] void RaiseRuntimeError(const RuntimeErrorText& error);

// Shows the box (or, off Windows, writes its text to stderr) and ends the
// process with exit code -1 without running the exit routines. Provided by
// the platform layer.
[[noreturn]] void ShowRuntimeErrorAndExit(int code, std::string_view message);
