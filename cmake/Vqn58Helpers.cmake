# vqn58_add_test(NAME <exe> SOURCES <files...> LIBS <targets...> [QT])
# One GoogleTest executable; every test case becomes a CTest test. QT runs it under the offscreen
# platform so widget tests need no display. Test data lies in tests/data (VQN58_TEST_DATA).
function(vqn58_add_test)
    cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE vqn58_options vqn58_test_support ${T_LIBS} GTest::gtest GTest::gmock
        GTest::gtest_main)
    target_compile_definitions(${T_NAME} PRIVATE VQN58_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
        VQN58_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
    # One environment entry at most: gtest_discover_tests flattens a list-valued property. The test
    # data directory reaches the tests as a compile definition instead.
    set(env "VQN58_TESTS=1")
    if(T_QT)
        set(env "QT_QPA_PLATFORM=offscreen")
        # Widget tests load fonts; the font library's blocks kept for the process are no leak of ours.
        target_sources(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/LsanSuppressions.cpp)
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
