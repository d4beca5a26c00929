#include "toolkit/win32/events.h"

namespace toolkit {
namespace {
int buildDepth = 0;
bool endingMark = false;
}  // namespace

bool EventsAllowed() { return buildDepth == 0 && !endingMark; }
void SetEndingMark() { endingMark = true; }
bool EndingMarkSet() { return endingMark; }

BuildScope::BuildScope() { ++buildDepth; }
BuildScope::~BuildScope() { --buildDepth; }

}  // namespace toolkit
