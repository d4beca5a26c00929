#pragma once
// The program's entry routine: returns once the message loop has ended.
int QuillaroEntry();
