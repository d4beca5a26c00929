#pragma once
// Error box texts that more than one suite expects, byte for byte.

// Run-time error 1, as raised by an index outside a list.
inline constexpr const char* kIndexOutOfRangeBox =
    "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n";
