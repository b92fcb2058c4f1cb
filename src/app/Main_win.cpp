#include <windows.h>

#include "app/Startup_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The command line is ignored.
    zorbel::runProgram(instance);
}
