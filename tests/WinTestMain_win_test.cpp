// Entry point of the Win32 test program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    // The tests are over: end the process at once with their result, without tearing down one by
    // one what they left behind (windows of blocked threads, tray icons, cached menus).
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));
    return result;
}
