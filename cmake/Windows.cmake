# Windows build: the program, the Win32 tests, the end-to-end driver and the benchmarks.
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
target_link_libraries(zorbel_portable PUBLIC PNG::PNG JPEG::JPEG ZLIB::ZLIB)

set(zorbel_system_libs user32 gdi32 shell32 shlwapi ole32 comctl32 comdlg32 advapi32 imagehlp
    wininet uxtheme msimg32 version ws2_32)

if(MINGW)
    # One self-contained executable: the C and C++ runtimes are linked in, and the image
    # carries ASLR and DEP marks.
    set(zorbel_hardening -fstack-protector-strong -D_FORTIFY_SOURCE=2)
    set(zorbel_link -static -static-libgcc -static-libstdc++
        -Wl,--dynamicbase -Wl,--nxcompat
        # No link time in the header, so that the same sources give the same bytes.
        -Wl,--no-insert-timestamp)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        list(APPEND zorbel_link -Wl,--high-entropy-va)
    else()
        # Up to 4 GB of address space on 64-bit Windows instead of 2: a capture of several 8K
        # screens needs about 10 bytes a pixel at its peak.
        list(APPEND zorbel_link -Wl,--large-address-aware)
    endif()
    # No build folder in the program either (__FILE__ in an assertion kept in a release, for
    # one): sources are named relative to the tree.
    target_compile_options(zorbel_portable PUBLIC ${zorbel_hardening}
        -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=)
    target_link_options(zorbel_portable PUBLIC ${zorbel_link} -fstack-protector-strong)
else()
    target_link_options(zorbel_portable PUBLIC /DYNAMICBASE /NXCOMPAT /RELEASE)
endif()
target_compile_definitions(zorbel_portable PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
    _WIN32_WINNT=0x0A00 WINVER=0x0A00)

add_library(zorbel_glue STATIC ${zorbel_glue_sources})
target_compile_options(zorbel_glue PRIVATE ${zorbel_warnings})
target_link_libraries(zorbel_glue PUBLIC zorbel_portable PNG::PNG JPEG::JPEG ZLIB::ZLIB ${zorbel_system_libs})

# Menu images and the application icon are drawn as SVG and rasterised here.
file(GLOB zorbel_icon_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/icons/*.svg)
set(zorbel_icon_dir ${CMAKE_BINARY_DIR}/icons)
set(zorbel_icon_outputs ${zorbel_icon_dir}/zorbel.ico)
foreach(slot 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 26 27)
    list(APPEND zorbel_icon_outputs ${zorbel_icon_dir}/${slot}.png)
endforeach()
add_custom_command(OUTPUT ${zorbel_icon_outputs}
    COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/render-icons.sh ${zorbel_icon_dir}
    DEPENDS ${zorbel_icon_sources} ${PROJECT_SOURCE_DIR}/scripts/render-icons.sh
    COMMENT "Rasterising the menu images")
add_custom_target(zorbel_icons DEPENDS ${zorbel_icon_outputs})

# Version resource numbers from the build date (string(TIMESTAMP) honours SOURCE_DATE_EPOCH).
set(ENV{SOURCE_DATE_EPOCH} ${ZORBEL_BUILD_DATE})
string(TIMESTAMP ZORBEL_YEAR "%Y" UTC)
string(TIMESTAMP ZORBEL_MONTH "%m" UTC)
string(TIMESTAMP ZORBEL_DAY "%d" UTC)
math(EXPR ZORBEL_MONTH_N "${ZORBEL_MONTH}")
math(EXPR ZORBEL_DAY_N "${ZORBEL_DAY}")
unset(ENV{SOURCE_DATE_EPOCH})
configure_file(${PROJECT_SOURCE_DIR}/res/Zorbel.rc.in ${CMAKE_BINARY_DIR}/Zorbel.rc @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/res/Zorbel.manifest ${CMAKE_BINARY_DIR}/Zorbel.manifest COPYONLY)

add_executable(zorbel WIN32 ${PROJECT_SOURCE_DIR}/src/app/Main_win.cpp ${CMAKE_BINARY_DIR}/Zorbel.rc)
add_dependencies(zorbel zorbel_icons)
set_target_properties(zorbel PROPERTIES OUTPUT_NAME "Zorbel!")
set_source_files_properties(${CMAKE_BINARY_DIR}/Zorbel.rc PROPERTIES
    OBJECT_DEPENDS "${zorbel_icon_outputs};${CMAKE_BINARY_DIR}/Zorbel.manifest")
target_compile_options(zorbel PRIVATE ${zorbel_warnings})
# wWinMain / wmain entry points.
if(MINGW)
    target_link_options(zorbel PRIVATE -municode -s)
endif()
target_link_libraries(zorbel PRIVATE zorbel_glue)
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(ZORBEL_DIST_DIR ${PROJECT_SOURCE_DIR}/dist CACHE PATH "Where the finished program is copied")
add_custom_command(TARGET zorbel POST_BUILD
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/pe-checksum.py stamp $<TARGET_FILE:zorbel>
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZORBEL_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:zorbel> ${ZORBEL_DIST_DIR}/
    COMMENT "Stamping the checksum and copying the program to ${ZORBEL_DIST_DIR}")
if(EXISTS ${PROJECT_SOURCE_DIR}/Language)
    add_custom_command(TARGET zorbel POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/Language ${ZORBEL_DIST_DIR}/Language)
endif()

# GoogleTest: Debian ships its sources; on Windows vcpkg provides the package.
if(EXISTS /usr/src/googletest/CMakeLists.txt)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(t gtest gtest_main gmock)
        target_compile_options(${t} PRIVATE -w)
    endforeach()
    set(zorbel_gtest gtest)
else()
    find_package(GTest REQUIRED)
    set(zorbel_gtest GTest::gtest)
endif()

file(GLOB_RECURSE zorbel_win32_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/*_win_test.cpp)
if(zorbel_win32_tests)
    add_executable(zorbel_win32_tests ${zorbel_win32_tests} ${CMAKE_BINARY_DIR}/Zorbel.rc)
    add_dependencies(zorbel_win32_tests zorbel_icons)
    target_include_directories(zorbel_win32_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_options(zorbel_win32_tests PRIVATE ${zorbel_warnings})
    target_link_libraries(zorbel_win32_tests PRIVATE zorbel_glue ${zorbel_gtest})
    include(GoogleTest)
    gtest_discover_tests(zorbel_win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
        PROPERTIES LABELS win32 TIMEOUT 60)
endif()

# Helper programs of the end-to-end tests and the benchmarks (one executable per source).
file(GLOB zorbel_helper_sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/tests/e2e/*_win.cpp ${PROJECT_SOURCE_DIR}/bench/*_win.cpp)
foreach(source ${zorbel_helper_sources})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source} ${CMAKE_BINARY_DIR}/Zorbel.rc)
    add_dependencies(${name} zorbel_icons)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_options(${name} PRIVATE ${zorbel_warnings})
    target_link_libraries(${name} PRIVATE zorbel_glue)
    if(MINGW)
        target_link_options(${name} PRIVATE -municode)
    endif()
endforeach()

# End-to-end tests. Those that run Zorbel!.exe under Wine are registered in both builds and run
# with the loader and prefixes of the build's architecture; those that only read the file check
# the shipped (32-bit) program and need no Wine, so they belong to the i686 build alone.
if(CMAKE_CROSSCOMPILING)
    file(GLOB zorbel_e2e_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/*_test.sh)
    foreach(script ${zorbel_e2e_tests})
        get_filename_component(name ${script} NAME_WE)
        file(STRINGS ${script} zorbel_no_wine REGEX "^e2e_begin [a-z0-9]+ no-wine")
        if(zorbel_no_wine)
            if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
                continue()
            endif()
            set(label static)
        else()
            set(label e2e)
        endif()
        add_test(NAME e2e.${name} COMMAND bash ${script}
            WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
        set_tests_properties(e2e.${name} PROPERTIES LABELS ${label} TIMEOUT 600 RUN_SERIAL TRUE
            ENVIRONMENT "ZORBEL_EXE=$<TARGET_FILE:zorbel>;ZORBEL_BUILD_DIR=${CMAKE_BINARY_DIR};ZORBEL_SOURCE_DIR=${PROJECT_SOURCE_DIR};ZORBEL_WINE_ARCH=${CMAKE_SYSTEM_PROCESSOR}")
    endforeach()
endif()
