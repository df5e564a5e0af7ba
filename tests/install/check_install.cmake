# cmake -DBUILD_DIR=<build> -DPREFIX=<dir> -DPROGRAM=<name> [-DEMULATOR=<runner>]
#       [-DMANUAL=ON] -P check_install.cmake
# Installs the build under a fresh prefix and runs the installed command
# line from there: it must find the panel file installed beside it.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(status)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected bin/${PROGRAM} bin/PANELS.DEF include/k7r58c22/hal_struct.h)
if(MANUAL)
    list(APPEND expected share/man/man1/58c22cfg.1.gz)
endif()
foreach(file IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

execute_process(COMMAND ${EMULATOR} "${PREFIX}/bin/${PROGRAM}" panels
                RESULT_VARIABLE status OUTPUT_VARIABLE listed ERROR_VARIABLE said)
if(status OR NOT listed MATCHES "Panel file: [^\n]*PANELS.DEF\nQVGA TFT 320x240 18-bit\n")
    message(FATAL_ERROR "the installed program lists no panels (${status}):\n${listed}${said}")
endif()
execute_process(COMMAND ${EMULATOR} "${PREFIX}/bin/${PROGRAM}" --version
                RESULT_VARIABLE status OUTPUT_VARIABLE version)
if(status OR NOT version MATCHES "build 17")
    message(FATAL_ERROR "the installed program has no version (${status}):\n${version}")
endif()
message(STATUS "installed under ${PREFIX} and run from there")
