# Checks what a built plug-in shows the system: it exports exactly
# DllGetClassObject and DllCanUnloadNow (undecorated, also in the 32-bit
# build) and imports system DLLs only - no mingw runtime - and not the common
# controls or msimg32, which it binds by name when it first needs them.
#
# Every function it imports must be in system_imports.csv (beside this
# script) and be exported by the build's oldest platform, or the DLL would
# not load there: the loader refuses a DLL with an import it cannot resolve.
# Nor may its header ask for a later subsystem version than that platform's
# (Windows refuses such programs; for the DLL the same limit costs nothing).
# The 32-bit builds import no activation context function: they look those
# up by name, so that they also load where there are none.
#
#   cmake -DOBJDUMP=<objdump> -DDLL=<marlowui.dll>
#         -DOLDEST_PLATFORM=<name in system_imports.csv> -DPOINTER_SIZE=<4|8>
#         -P check_dll_surface.cmake
#
# -DDUMP=<file> checks a saved `objdump -p` listing instead of a DLL (the
# tests of this check use that).
cmake_minimum_required(VERSION 3.25)

set(platform_order "Windows 2000" "Windows XP" "Windows Server 2003" "Windows Vista"
                   "Windows 7" "Windows 8" "Windows 10")
set(platform_versions 5.0 5.1 5.2 6.0 6.1 6.2 10.0)
set(bound_by_name_in_32_bit CreateActCtxW ActivateActCtx DeactivateActCtx ReleaseActCtx)

if(DEFINED DUMP)
  set(subject "${DUMP}")
  file(READ "${DUMP}" dump)
else()
  set(subject "${DLL}")
  execute_process(COMMAND ${OBJDUMP} -p ${DLL}
    OUTPUT_VARIABLE dump RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "objdump failed on ${DLL}")
  endif()
endif()
list(FIND platform_order "${OLDEST_PLATFORM}" oldest_rank)
if(oldest_rank EQUAL -1)
  message(FATAL_ERROR "OLDEST_PLATFORM '${OLDEST_PLATFORM}' is none of: ${platform_order}")
endif()
if(NOT POINTER_SIZE MATCHES "^(4|8)$")
  message(FATAL_ERROR "POINTER_SIZE must be 4 or 8, not '${POINTER_SIZE}'")
endif()

# --- the subsystem version the header asks for ---
if(NOT dump MATCHES "MajorSubsystemVersion[ \t]+([0-9]+)\nMinorSubsystemVersion[ \t]+([0-9]+)")
  message(FATAL_ERROR "${subject}: no subsystem version in the header")
endif()
set(subsystem "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}")
list(GET platform_versions ${oldest_rank} oldest_version)

# --- exports: the names under "[Ordinal/Name Pointer] Table" ---
string(FIND "${dump}" "[Ordinal/Name Pointer] Table" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${subject} exports nothing")
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
  message(FATAL_ERROR "${subject} exports [${exports}]; expected exactly DllCanUnloadNow and DllGetClassObject")
endif()

# --- imported DLLs ---
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
    message(FATAL_ERROR "${subject} imports ${name}, which the plug-in binds by name at run time")
  endif()
  if(NOT name IN_LIST system_dlls)
    message(FATAL_ERROR "${subject} imports ${name}, which is not a system DLL")
  endif()
endforeach()
list(REMOVE_DUPLICATES imports)
if(NOT imports)
  message(FATAL_ERROR "${subject}: no import table found")
endif()

# --- imported functions, against the table of first platforms ---
# Rows of the import listing: "<tab><thunk address><tab> <hint>  <name>",
# under the "DLL Name:" line of their DLL; a line that starts in the first
# column ends the import tables.
set(first_platform_of_table "${CMAKE_CURRENT_LIST_DIR}/system_imports.csv")
file(STRINGS "${first_platform_of_table}" table_rows REGEX "^[^#]")
list(POP_FRONT table_rows header)
if(NOT header STREQUAL "dll,function,first_platform")
  message(FATAL_ERROR "${first_platform_of_table}: unexpected header '${header}'")
endif()
foreach(row IN LISTS table_rows)
  if(NOT row MATCHES "^([^,]+),([^,]+),([^,]+)$")
    message(FATAL_ERROR "${first_platform_of_table}: malformed row '${row}'")
  endif()
  if(NOT CMAKE_MATCH_3 IN_LIST platform_order)
    message(FATAL_ERROR "${first_platform_of_table}: unknown platform in '${row}'")
  endif()
  set("first_platform_of_${CMAKE_MATCH_1}.${CMAKE_MATCH_2}" "${CMAKE_MATCH_3}")
endforeach()

string(REPLACE ";" "\\;" dump_escaped "${dump}")
string(REPLACE "\n" ";" dump_lines "${dump_escaped}")
set(dll "")
set(function_count 0)
set(not_in_table)
set(too_new)
set(bound_by_name)
foreach(line IN LISTS dump_lines)
  if(line MATCHES "^\tDLL Name: (.+)$")
    string(STRIP "${CMAKE_MATCH_1}" dll)
    string(TOLOWER "${dll}" dll)
  elseif(line MATCHES "^[^ \t]")
    set(dll "")
  elseif(dll AND line MATCHES "^\t[0-9a-fA-F]+\t +[0-9]+ +([^ ]+)")
    set(function "${CMAKE_MATCH_1}")
    math(EXPR function_count "${function_count} + 1")
    set(first "${first_platform_of_${dll}.${function}}")
    if(first STREQUAL "")
      list(APPEND not_in_table "  ${dll} ${function}")
    else()
      list(FIND platform_order "${first}" rank)
      if(rank GREATER oldest_rank)
        list(APPEND too_new "  ${dll} ${function} (from ${first})")
      endif()
    endif()
    if(POINTER_SIZE EQUAL 4 AND dll STREQUAL "kernel32.dll" AND function IN_LIST bound_by_name_in_32_bit)
      list(APPEND bound_by_name "  ${dll} ${function}")
    endif()
  endif()
endforeach()
if(function_count EQUAL 0)
  message(FATAL_ERROR "${subject}: no imported function found in the import tables")
endif()

set(problems "")
# Adds a heading and the names under it to the problems, if there are names.
macro(add_problem names heading)
  if(${names})
    list(JOIN ${names} "\n" text)
    string(APPEND problems "${heading}:\n${text}\n")
  endif()
endmacro()
if(subsystem VERSION_GREATER oldest_version)
  string(APPEND problems "asks for subsystem version ${subsystem}; ${OLDEST_PLATFORM}, the oldest platform of this build, is ${oldest_version}\n")
endif()
add_problem(too_new "imports functions that ${OLDEST_PLATFORM}, the oldest platform of this build, does not export")
add_problem(not_in_table "imports functions that are not in ${first_platform_of_table}")
add_problem(bound_by_name "imports activation context functions, which the 32-bit plug-in looks up by name")
if(problems)
  message(FATAL_ERROR "${subject}\n${problems}")
endif()

list(JOIN exports ", " exports)
list(JOIN imports ", " imports)
message(STATUS "subsystem version: ${subsystem}")
message(STATUS "exports: ${exports}")
message(STATUS "imports: ${function_count} functions of ${imports}, all exported by ${OLDEST_PLATFORM}")
