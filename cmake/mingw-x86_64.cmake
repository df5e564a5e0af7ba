# 64-bit Windows (MinGW-w64 x86_64), tested under 64-bit Wine: the Windows
# build that can be tested on a host that runs no 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
