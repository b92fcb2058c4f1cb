# Cross-compiling for Windows (i686) with Debian's mingw-w64 (posix threads model).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZORBEL_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
