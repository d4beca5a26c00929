#include "text/danmaku_lines.h"

#include <memory>

#include "toolkit/core/runtime_error.h"

TextArray* danmakuLines = nullptr;

void CreateEmptyLines() {
  ReleaseLines();
  danmakuLines = new TextArray();
}

void ReplaceLines(std::string_view text) {
  auto fresh = std::make_unique<TextArray>(SplitText(text, "\r\n"));
  delete danmakuLines;
  danmakuLines = fresh.release();
}

int LineCount() { return danmakuLines ? static_cast<int>(danmakuLines->size()) : 0; }

const std::string& LineAt(int i) {
  if (i < 1 || i > LineCount()) RaiseRuntimeError(runtime_errors::IndexOutOfRange);
  return (*danmakuLines)[static_cast<std::size_t>(i - 1)];
}

void ReleaseLines() {
  delete danmakuLines;
  danmakuLines = nullptr;
}
