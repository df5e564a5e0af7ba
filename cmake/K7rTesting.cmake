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
