# The shipped marlowui.dll of a mingw tree whose compilers use the posix
# thread model.
#
# The posix model links mingw's thread library (winpthread) into every
# program and DLL, and that library imports GetTickCount64 (Vista) and the
# vectored exception handler functions (XP): a DLL built that way does not
# load on Windows 2000, nor on XP x64 and Server 2003 x64. The plug-in runs
# no threads of its own, so the DLL is built with the win32 thread model,
# whose runtime uses the system's own primitives. GoogleTest needs
# std::mutex, which GCC 12's win32 model lacks, so the test programs stay
# with posix: this tree builds them, and the same sources are configured
# once more in <tree>/dll with the win32 compilers to build the DLL alone.
# Its marlowui.dll is written into this tree's bin/, where the tests load it
# from; `marlowui` here is that file, as an imported target.
#
# The sub-build runs on every build of this tree (a no-op when nothing
# changed), so an edited source reaches the DLL as it would in one tree.
include(ExternalProject)

set(_marlow_dll ${MARLOW_BIN_DIR}/marlowui.dll)
ExternalProject_Add(marlowui_dll_build
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/dll
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DMARLOW_THREAD_MODEL=win32
    -DMARLOW_DLL_ONLY=ON
    -DMARLOW_BIN_DIR=${MARLOW_BIN_DIR}
    -DMARLOW_PLATFORM_GENERATION=${MARLOW_PLATFORM_GENERATION}
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${_marlow_dll}
  INSTALL_COMMAND ""
  USES_TERMINAL_CONFIGURE ON
  USES_TERMINAL_BUILD ON)

add_library(marlowui SHARED IMPORTED GLOBAL)
set_target_properties(marlowui PROPERTIES
  IMPORTED_LOCATION ${_marlow_dll}
  IMPORTED_IMPLIB ${CMAKE_BINARY_DIR}/dll/src/libmarlowui.dll.a)
add_dependencies(marlowui marlowui_dll_build)
