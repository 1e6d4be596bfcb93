# Cross compiling for 64-bit Windows with mingw-w64, everything linked
# statically: the products import system DLLs only. The thread model is
# chosen in mingw-common.cmake.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MARLOW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
