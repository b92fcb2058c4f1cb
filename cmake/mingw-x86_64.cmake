# Cross-compiling for Windows (x86_64) with Debian's mingw-w64 (posix threads model).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZORBEL_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
