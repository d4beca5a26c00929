#pragma once
// The one list of danmaku texts, cut from the edit box's content at CR LF.
#include <memory>
#include <string>
#include <string_view>

#include "toolkit/core/text_split.h"

// The list in place, owned here; replaced whole, never changed element by
// element. Null once ReleaseLines has run.
extern std::unique_ptr<TextArray> danmakuLines;

// Puts an empty list in place.
void CreateEmptyLines();

// Cuts `text` at CR LF into a new list, then releases the old list and puts
// the new one in its place. The new list is complete before the old one goes.
void ReplaceLines(std::string_view text);

// The number of lines, 0 for an empty list.
int LineCount();

// Line `i`, counted from 1. Outside 1 ... LineCount it raises run-time error 1.
const std::string& LineAt(int i);

// Frees every line and then the list (an exit routine).
void ReleaseLines();
