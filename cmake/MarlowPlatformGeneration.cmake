# The plug-in is built for one of two platform generations. Everything that
# differs between them is keyed off the version macros set here, which the
# platform headers read too (they gate the newer DMPUB_ values, the fusion
# context function and the version-4 property page layout).
set(MARLOW_PLATFORM_GENERATION "6.0" CACHE STRING "Target platform generation: 6.0 or 5.x")
set_property(CACHE MARLOW_PLATFORM_GENERATION PROPERTY STRINGS "6.0" "5.x")

if(MARLOW_PLATFORM_GENERATION STREQUAL "6.0")
  set(MARLOW_WIN32_WINNT 0x0600)
  set(MARLOW_NTDDI 0x06000000)
elseif(MARLOW_PLATFORM_GENERATION STREQUAL "5.x")
  set(MARLOW_WIN32_WINNT 0x0501)
  set(MARLOW_NTDDI 0x05010000)
else()
  message(FATAL_ERROR "MARLOW_PLATFORM_GENERATION must be 6.0 or 5.x, not '${MARLOW_PLATFORM_GENERATION}'")
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(MARLOW_ARCH "AMD64")
else()
  set(MARLOW_ARCH "x86")
endif()

# The oldest platform the DLL must load on: everything it imports must be
# there (`marlowpkg surface`, the dll_surface test). The x64 editions of XP and
# Server 2003 are one system, Windows 5.2.
if(MARLOW_PLATFORM_GENERATION STREQUAL "6.0")
  set(MARLOW_OLDEST_PLATFORM "Windows Vista")
elseif(MARLOW_ARCH STREQUAL "AMD64")
  set(MARLOW_OLDEST_PLATFORM "Windows Server 2003")
else()
  set(MARLOW_OLDEST_PLATFORM "Windows 2000")
endif()

target_compile_definitions(marlow_options INTERFACE
  _WIN32_WINNT=${MARLOW_WIN32_WINNT}
  WINVER=${MARLOW_WIN32_WINNT}
  NTDDI_VERSION=${MARLOW_NTDDI})
message(STATUS "marlowui: platform generation ${MARLOW_PLATFORM_GENERATION}, ${MARLOW_ARCH}, from ${MARLOW_OLDEST_PLATFORM}")
