#include "toolkit/win32/events.h"

namespace toolkit {
namespace {
int buildDepth = 0;
bool endingMark = false;
bool loopRunning = false;
int quitCode = 0;
}  // namespace

bool EventsAllowed() { return buildDepth == 0 && !endingMark; }
void SetEndingMark() { endingMark = true; }
bool EndingMarkSet() { return endingMark; }

BuildScope::BuildScope() { ++buildDepth; }
BuildScope::~BuildScope() { --buildDepth; }

void SetLoopRunning(bool running) { loopRunning = running; }
bool LoopRunning() { return loopRunning; }
void SetQuitCode(int code) { quitCode = code; }
int QuitCode() { return quitCode; }

}  // namespace toolkit
