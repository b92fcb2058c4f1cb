// The program's start-up sequence and its event loop.
#pragma once

#include <windows.h>

namespace zorbel {

// Runs start-up and then the event loop; never returns (the process ends through an exit).
[[noreturn]] void runProgram(HINSTANCE instance);

// Compares the checksum stored in the executable with its contents.
bool programFileIsIntact(const wchar_t* path);

} // namespace zorbel
