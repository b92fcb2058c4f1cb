// Entry point of the Win32 test program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    // Under Wine the orderly process exit now and then never finishes once the tests have left
    // windows, hooks and tray icons behind (the output is complete, the process just stays).
    // The tests are over: end the process at once with their result.
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));
    return result;
}
