# The compilers' thread model. posix (the default) gives std::mutex, which
# GoogleTest needs, but links mingw's thread library into everything, and
# that library imports functions the oldest 5.x platforms lack. So a posix
# tree builds its test programs itself and the plug-in DLL in a sub-build
# with the win32 model (cmake/MarlowDllSubbuild.cmake).
if(NOT DEFINED MARLOW_THREAD_MODEL)
  set(MARLOW_THREAD_MODEL posix)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MARLOW_THREAD_MODEL)
set(CMAKE_C_COMPILER ${MARLOW_TRIPLE}-gcc-${MARLOW_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${MARLOW_TRIPLE}-g++-${MARLOW_THREAD_MODEL})
set(CMAKE_RC_COMPILER ${MARLOW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${MARLOW_TRIPLE}-objdump CACHE FILEPATH "objdump of the target")

set(CMAKE_FIND_ROOT_PATH /usr/${MARLOW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# Test executables run under Wine through a wrapper (see scripts/wine-run.sh)
# with a prefix of their own inside the build tree. A value given with -D wins.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  get_filename_component(_marlow_root "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      "${_marlow_root}/scripts/wine-run.sh;${CMAKE_BINARY_DIR}/wineprefix")
endif()
