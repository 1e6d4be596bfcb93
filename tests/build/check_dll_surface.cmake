# Checks what a built plug-in shows the system: it exports exactly
# DllGetClassObject and DllCanUnloadNow (undecorated, also in the 32-bit
# build) and imports system DLLs only - no mingw runtime - and not the common
# controls or msimg32, which it binds by name when it first needs them.
#
#   cmake -DOBJDUMP=<objdump> -DDLL=<marlowui.dll> -P check_dll_surface.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -p ${DLL}
  OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${DLL}")
endif()

# --- exports: the names under "[Ordinal/Name Pointer] Table" ---
string(FIND "${dump}" "[Ordinal/Name Pointer] Table" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${DLL} exports nothing")
endif()
string(SUBSTRING "${dump}" ${at} -1 tail)
string(REGEX MATCHALL "\n[ \t]*\\[ *[0-9]+\\] [^\n]+" rows "${tail}")
set(exports)
foreach(row IN LISTS rows)
  string(REGEX REPLACE "^\n[ \t]*\\[ *[0-9]+\\] " "" name "${row}")
  string(STRIP "${name}" name)
  list(APPEND exports "${name}")
endforeach()
list(SORT exports)
if(NOT exports STREQUAL "DllCanUnloadNow;DllGetClassObject")
  message(FATAL_ERROR "${DLL} exports [${exports}]; expected exactly DllCanUnloadNow and DllGetClassObject")
endif()

# --- imports ---
string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
set(system_dlls kernel32.dll msvcrt.dll user32.dll gdi32.dll advapi32.dll winspool.drv
                ole32.dll oleaut32.dll shell32.dll shlwapi.dll version.dll)
set(bound_at_run_time comctl32.dll msimg32.dll)
set(imports)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "DLL Name: " "" name "${line}")
  string(STRIP "${name}" name)
  string(TOLOWER "${name}" name)
  list(APPEND imports ${name})
  if(name IN_LIST bound_at_run_time)
    message(FATAL_ERROR "${DLL} imports ${name}, which the plug-in binds by name at run time")
  endif()
  if(NOT name IN_LIST system_dlls)
    message(FATAL_ERROR "${DLL} imports ${name}, which is not a system DLL")
  endif()
endforeach()
list(REMOVE_DUPLICATES imports)
message(STATUS "exports: ${exports}")
message(STATUS "imports: ${imports}")
