// The program's dealings with its own process and file: its path, elevation, the single-instance
// mutex, running at log-on, and ending the process in order.
#pragma once

#include <windows.h>

#include <string>

namespace zorbel {

// The full path of the program file, however long; empty when it cannot be read.
std::u16string programPath();

// True when the process token is a member of the local Administrators group (runs elevated).
bool isProcessElevated();

enum class InstanceCheck { FirstInstance, AlreadyRunning };
// Creates the "Zorbel!_Mutex" mutex; a mutex that cannot be created does not stop the program.
InstanceCheck createSingleInstanceMutex();

// check: decides whether the program runs from the user's Startup folder.
// copy: copies the program there as "Zorbel!.exe" and tells the user how that went.
void startupFolderOperation(bool check, bool copy);
bool runsFromStartupFolder();

// Restarts the program with the "runas" verb; returns only when that failed (the user is told).
void relaunchElevated();

[[noreturn]] void exitRoutine();
[[noreturn]] void plainExit();

} // namespace zorbel
