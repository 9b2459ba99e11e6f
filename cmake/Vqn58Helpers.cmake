# Headers nearly every test parses: GoogleTest and the standard library, and for the tests on Qt the
# classes every widget test meets. They are parsed once, into a precompiled header of the test support
# library (one for the tests on Qt, one for the rest), which every test executable reuses.
set(VQN58_TEST_PCH <gtest/gtest.h> <gmock/gmock.h> <algorithm> <array> <filesystem> <fstream> <functional>
    <map> <memory> <optional> <set> <sstream> <string> <string_view> <vector>)
set(VQN58_TEST_PCH_QT <QtCore/QObject> <QtCore/QString> <QtCore/QTimer> <QtGui/QImage> <QtGui/QKeyEvent>
    <QtGui/QPainter> <QtWidgets/QApplication> <QtWidgets/QWidget>)

# How the tests' own sources are compiled. The code under test comes from the libraries, built with the
# project's settings; the tests are compiled without optimisation (GoogleTest's expanded macros are most
# of the build's time at -O2 and run in an instant either way). CMake compiles every user of a precompiled
# header with -Winvalid-pch, so under -Werror a header that no longer fits its flags fails the build
# instead of silently slowing it.
function(vqn58_test_compile_settings target)
    target_compile_options(${target} PRIVATE -O0)
    target_compile_definitions(${target} PRIVATE VQN58_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
        VQN58_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
endfunction()

# vqn58_add_test(NAME <exe> SOURCES <files...> LIBS <targets...> [QT])
# One GoogleTest executable; every test case becomes a CTest test. QT runs it under the offscreen
# platform so widget tests need no display. Test data lies in tests/data (VQN58_TEST_DATA).
function(vqn58_add_test)
    cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE vqn58_options vqn58_test_support ${T_LIBS} GTest::gtest GTest::gmock
        GTest::gtest_main)
    vqn58_test_compile_settings(${T_NAME})
    # One environment entry at most: gtest_discover_tests flattens a list-valued property. The test
    # data directory reaches the tests as a compile definition instead.
    set(env "VQN58_TESTS=1")
    if(T_QT)
        set(env "QT_QPA_PLATFORM=offscreen")
        target_link_libraries(${T_NAME} PRIVATE vqn58_test_support_qt)
        target_precompile_headers(${T_NAME} REUSE_FROM vqn58_test_support_qt)
    else()
        target_precompile_headers(${T_NAME} REUSE_FROM vqn58_test_support)
    endif()
    # Test names without the printed parameter values: a structure prints as its bytes, padding included,
    # so the names changed from run to run and neither ctest -R nor --rerun-failed found them again.
    # Every parameterised suite names its cases instead.
    gtest_discover_tests(${T_NAME} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 30 NO_PRETTY_VALUES
        PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
endfunction()

# vqn58_add_benchmark(NAME <exe> SOURCES <files...> LIBS <targets...>)
function(vqn58_add_benchmark)
    cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${B_NAME} ${B_SOURCES})
    target_link_libraries(${B_NAME} PRIVATE vqn58_options ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# vqn58_add_fuzzer(NAME <exe> SOURCES <files...> LIBS <targets...>)
function(vqn58_add_fuzzer)
    cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${F_NAME} ${F_SOURCES})
    target_link_libraries(${F_NAME} PRIVATE vqn58_options ${F_LIBS})
    target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
endfunction()
