# Cross compiling for 64-bit Windows with mingw-w64 (posix thread model, so
# that GoogleTest builds), everything linked statically: the products import
# system DLLs only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MARLOW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
