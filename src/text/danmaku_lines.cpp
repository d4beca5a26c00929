#include "text/danmaku_lines.h"

#include "toolkit/core/runtime_error.h"

std::unique_ptr<TextArray> danmakuLines;

void CreateEmptyLines() {
  ReleaseLines();
  danmakuLines = std::make_unique<TextArray>();
}

void ReplaceLines(std::string_view text) {
  // The new list is cut in full first; the assignment releases the old one last.
  danmakuLines = std::make_unique<TextArray>(SplitText(text, "\r\n"));
}

int LineCount() { return danmakuLines ? static_cast<int>(danmakuLines->size()) : 0; }

const std::string& LineAt(int i) {
  if (i < 1 || i > LineCount()) RaiseRuntimeError(runtime_errors::IndexOutOfRange);
  return (*danmakuLines)[static_cast<std::size_t>(i - 1)];
}

void ReleaseLines() { danmakuLines.reset(); }
