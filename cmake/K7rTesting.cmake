# k7r_add_test(NAME SOURCES file... LIBS lib...)
# One test program per subsystem, registered with ctest as one test so that a
# Wine start-up is paid once per program, not once per test case.
function(k7r_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${name} PRIVATE
        K7R_SOURCE_DIR="${PROJECT_SOURCE_DIR}" K7R_BINARY_DIR="${PROJECT_BINARY_DIR}")
    add_test(NAME ${name} COMMAND ${name})
endfunction()

# k7r_add_gui_test(NAME SOURCES file... LIBS lib...)
# A test program that opens windows: run on the test run's display in a Wine
# virtual desktop of its own, one such program at a time, since windows of
# parallel tests would take each other's focus and cover each other.
function(k7r_add_gui_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} WIN32 ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    target_link_options(${name} PRIVATE -mconsole)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${name} PRIVATE
        K7R_SOURCE_DIR="${PROJECT_SOURCE_DIR}" K7R_BINARY_DIR="${PROJECT_BINARY_DIR}")
    add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/scripts/gui-run.sh ${CMAKE_SYSTEM_PROCESSOR}
                                  $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK k7r_display TIMEOUT 300)
endfunction()
