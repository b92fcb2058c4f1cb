# Native (Linux) build: the portable logic, its unit tests, the fuzz targets.
find_package(GTest REQUIRED)
# The capture encoders are portable code over libpng and libjpeg; natively they use the system's.
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
target_link_libraries(zorbel_portable PUBLIC PNG::PNG JPEG::JPEG ZLIB::ZLIB)

if(ZORBEL_SANITIZE AND NOT ZORBEL_FUZZ)
    set(zorbel_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(zorbel_portable PUBLIC ${zorbel_sanitizers})
    target_link_options(zorbel_portable PUBLIC ${zorbel_sanitizers})
endif()

if(NOT ZORBEL_FUZZ)
    file(GLOB_RECURSE zorbel_native_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/*_test.cpp)
    list(FILTER zorbel_native_tests EXCLUDE REGEX "_win_test\\.cpp$")
    add_executable(zorbel_native_tests ${zorbel_native_tests})
    target_include_directories(zorbel_native_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_options(zorbel_native_tests PRIVATE ${zorbel_warnings})
    target_link_libraries(zorbel_native_tests PRIVATE zorbel_portable GTest::gtest GTest::gtest_main)
    # The language files are tested where they are kept, in the source tree.
    target_compile_definitions(zorbel_native_tests PRIVATE ZORBEL_LANGUAGE_DIR="${PROJECT_SOURCE_DIR}/Language")
    include(GoogleTest)
    gtest_discover_tests(zorbel_native_tests DISCOVERY_MODE PRE_TEST
        PROPERTIES LABELS native ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")
    # The build and test scripts' own logic, with stand-ins for what they drive.
    file(GLOB zorbel_script_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/scripts/*_test.sh)
    foreach(script ${zorbel_script_tests})
        get_filename_component(name ${script} NAME_WE)
        add_test(NAME scripts.${name} COMMAND bash ${script})
        set_tests_properties(scripts.${name} PROPERTIES LABELS native)
    endforeach()
endif()

# The settings benchmark is not part of the test run: build/native/settings_bench. It times the
# reader and writer as they ship, optimised and without the tests' sanitizers, so it compiles the
# portable settings sources itself instead of linking the instrumented library.
if(NOT ZORBEL_FUZZ)
    find_package(benchmark REQUIRED)
    file(GLOB zorbel_settings_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/settings/*.cpp)
    list(FILTER zorbel_settings_sources EXCLUDE REGEX "_win\\.cpp$")
    add_executable(settings_bench ${PROJECT_SOURCE_DIR}/bench/settings_bench.cpp ${zorbel_settings_sources})
    target_include_directories(settings_bench PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_compile_options(settings_bench PRIVATE ${zorbel_warnings} -O2)
    target_compile_definitions(settings_bench PRIVATE NDEBUG)
    target_link_libraries(settings_bench PRIVATE benchmark::benchmark)
endif()

set(ZORBEL_FUZZ_SECONDS 60 CACHE STRING "How long each fuzz target runs in the test suite")
if(ZORBEL_FUZZ)
    file(GLOB zorbel_fuzzers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*_fuzz.cpp)
    target_compile_options(zorbel_portable PUBLIC -fsanitize=fuzzer-no-link,address,undefined)
    foreach(source ${zorbel_fuzzers})
        get_filename_component(name ${source} NAME_WE)
        add_executable(${name} ${source})
        target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
        target_compile_options(${name} PRIVATE ${zorbel_warnings} -fsanitize=fuzzer,address,undefined)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_libraries(${name} PRIVATE zorbel_portable)
        # Seeds live in fuzz/corpus/<name without _fuzz>; what the run finds goes to the build tree.
        string(REGEX REPLACE "_fuzz$" "" corpus ${name})
        add_test(NAME fuzz.${name}
            COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                $<TARGET_FILE:${name}> -max_total_time=${ZORBEL_FUZZ_SECONDS} -timeout=10
                -rss_limit_mb=2048 ${CMAKE_BINARY_DIR}/corpus-${name} ${PROJECT_SOURCE_DIR}/fuzz/corpus/${corpus})
        file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/corpus-${name})
        set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz)
    endforeach()
endif()

# Benchmarks of portable code, optimised and without sanitizers; built, never run by the tests.
find_package(benchmark QUIET)
if(benchmark_FOUND AND NOT ZORBEL_FUZZ)
    add_executable(wheel_hook_bench ${PROJECT_SOURCE_DIR}/bench/wheel_hook_bench.cpp
        ${PROJECT_SOURCE_DIR}/src/windows/WheelHook.cpp ${PROJECT_SOURCE_DIR}/src/windows/Opacity.cpp)
    target_include_directories(wheel_hook_bench PRIVATE ${PROJECT_SOURCE_DIR}/src)
    target_compile_options(wheel_hook_bench PRIVATE ${zorbel_warnings} -O2)
    target_link_libraries(wheel_hook_bench PRIVATE benchmark::benchmark)
endif()

# The capture encoders against libpng's defaults: build/native/png_encoding_bench [file.png ...].
# A plain timing program, optimised and without sanitizers, so it compiles the encoders itself.
if(NOT ZORBEL_FUZZ)
    find_package(Threads REQUIRED)
    add_executable(png_encoding_bench ${PROJECT_SOURCE_DIR}/bench/png_encoding_bench.cpp
        ${PROJECT_SOURCE_DIR}/src/capture/ImageEncoding.cpp ${PROJECT_SOURCE_DIR}/src/capture/PngEncoding.cpp
        ${PROJECT_SOURCE_DIR}/src/capture/JpegEncoding.cpp)
    target_include_directories(png_encoding_bench PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_compile_options(png_encoding_bench PRIVATE ${zorbel_warnings} -O3) # as the program is built
    target_compile_definitions(png_encoding_bench PRIVATE NDEBUG)
    target_link_libraries(png_encoding_bench PRIVATE PNG::PNG JPEG::JPEG ZLIB::ZLIB Threads::Threads)
endif()
