#pragma once
// The key code that a key-down event carries for a virtual-key code.

// The keypad's digits become "0" to "9"; its minus, decimal point and divide
// become the main keyboard's minus, full stop and slash. Other codes stay.
int EventKeyCode(int virtualKey);
