# Cross build for Windows with Debian's MinGW-w64, included by the toolchain
# file of each architecture after it has set CMAKE_SYSTEM_PROCESSOR; tests
# run under the Wine of that architecture.
# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(k7r_triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${k7r_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${k7r_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${k7r_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${k7r_triple}
    ${CMAKE_CURRENT_LIST_DIR}/../.deps/mingw-${CMAKE_SYSTEM_PROCESSOR})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh ${CMAKE_SYSTEM_PROCESSOR})
