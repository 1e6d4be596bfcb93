# The DLL surface check on import listings whose verdict is known: the
# listings of marlowui.dll built with the posix thread model (which imports
# what Windows 2000 and the x64 editions of XP lack), of the DLL built with
# the win32 model, and variants of them with one fault each.
#
#   cmake -DCHECK=<check_dll_surface.cmake> -DDATA=<dir> -DWORK=<dir> -P check_dll_surface_test.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")
file(MAKE_DIRECTORY "${WORK}")

# check_case(<name> LISTING <file in DATA> [CHANGE <regex> <replacement>]
#            PLATFORM <oldest> POINTER_SIZE <4|8> PASSES | FAILS
#            [NAMES <regex>...] [NOT_NAMES <regex>...])
# CHANGE checks a copy of the listing with every match of <regex> replaced.
# NAMES must be in the check's output, NOT_NAMES must not.
function(check_case name)
  cmake_parse_arguments(C "PASSES;FAILS" "LISTING;PLATFORM;POINTER_SIZE" "CHANGE;NAMES;NOT_NAMES" ${ARGN})
  set(listing "${DATA}/${C_LISTING}")
  if(C_CHANGE)
    list(GET C_CHANGE 0 pattern)
    list(GET C_CHANGE 1 replacement)
    file(READ "${listing}" text)
    if(NOT text MATCHES "${pattern}")
      message(FATAL_ERROR "${name}: ${C_LISTING} has nothing that matches '${pattern}'")
    endif()
    string(REGEX REPLACE "${pattern}" "${replacement}" text "${text}")
    string(MAKE_C_IDENTIFIER "${name}" tag)
    set(listing "${WORK}/${tag}.dump")
    file(WRITE "${listing}" "${text}")
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DDUMP=${listing} "-DOLDEST_PLATFORM=${C_PLATFORM}"
            -DPOINTER_SIZE=${C_POINTER_SIZE} -P ${CHECK}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  set(text "${out}${err}")
  # CMake wraps long messages; compare with the line breaks taken out.
  string(REGEX REPLACE "[ \n]+" " " flat "${text}")
  set(problems "")
  if(C_PASSES AND NOT status EQUAL 0)
    string(APPEND problems "  expected to pass, failed with status ${status}\n")
  elseif(C_FAILS AND status EQUAL 0)
    string(APPEND problems "  expected to fail, passed\n")
  endif()
  foreach(pattern IN LISTS C_NAMES)
    if(NOT flat MATCHES "${pattern}")
      string(APPEND problems "  expected the output to name '${pattern}'\n")
    endif()
  endforeach()
  foreach(pattern IN LISTS C_NOT_NAMES)
    if(flat MATCHES "${pattern}")
      string(APPEND problems "  expected the output not to name '${pattern}'\n")
    endif()
  endforeach()
  if(problems)
    set(failures "${failures}${name}:\n${problems}  output was:\n${text}\n" PARENT_SCOPE)
  endif()
endfunction()

set(posix_x86 posix_thread_model_x86.dump)
set(posix_x64 posix_thread_model_x64.dump)
set(win32_x64 win32_thread_model_x64.dump)

# --- the functions a build's oldest platform lacks ---
check_case("x86 5.x, posix thread model" LISTING ${posix_x86}
  PLATFORM "Windows 2000" POINTER_SIZE 4 FAILS
  NAMES "oldest platform of this build"
        "kernel32.dll AddVectoredExceptionHandler \\(from Windows XP\\)"
        "kernel32.dll RemoveVectoredExceptionHandler \\(from Windows XP\\)"
        "kernel32.dll GetTickCount64 \\(from Windows Vista\\)"
        "kernel32.dll ReleaseActCtx \\(from Windows XP\\)"
  NOT_NAMES "CloseHandle" "GetVersionExW" "LoadStringW" "GetPrinterDriverW" "_wfopen")
check_case("x64 5.x, posix thread model" LISTING ${posix_x64}
  PLATFORM "Windows Server 2003" POINTER_SIZE 8 FAILS
  NAMES "kernel32.dll GetTickCount64 \\(from Windows Vista\\)"
  NOT_NAMES "AddVectoredExceptionHandler" "ReleaseActCtx" "RtlVirtualUnwind" "___lc_codepage_func")
check_case("x64 6.0, posix thread model" LISTING ${posix_x64}
  PLATFORM "Windows Vista" POINTER_SIZE 8 PASSES
  NAMES "all exported by Windows Vista")
check_case("x64 5.x, win32 thread model" LISTING ${win32_x64}
  PLATFORM "Windows Server 2003" POINTER_SIZE 8 PASSES
  NAMES "all exported by Windows Server 2003")
check_case("the x64 DLL on Windows 2000" LISTING ${win32_x64}
  PLATFORM "Windows 2000" POINTER_SIZE 8 FAILS
  NAMES "kernel32.dll RtlCaptureContext \\(from Windows XP\\)"
        "kernel32.dll RtlVirtualUnwind \\(from Windows Server 2003\\)"
        "msvcrt.dll ___lc_codepage_func \\(from Windows XP\\)")

# --- the activation context functions, which 32-bit code looks up by name ---
check_case("x86 6.0, static ReleaseActCtx" LISTING ${posix_x86}
  PLATFORM "Windows Vista" POINTER_SIZE 4 FAILS
  NAMES "looks up by name: kernel32.dll ReleaseActCtx"
  NOT_NAMES "GetTickCount64" "oldest platform")

# --- the subsystem version in the header ---
check_case("x64 DLL for 6.0 subsystems" LISTING ${win32_x64}
  CHANGE "MajorSubsystemVersion\t5\nMinorSubsystemVersion\t2" "MajorSubsystemVersion\t6\nMinorSubsystemVersion\t0"
  PLATFORM "Windows Server 2003" POINTER_SIZE 8 FAILS
  NAMES "asks for subsystem version 6.0; Windows Server 2003, the oldest platform of this build, is 5.2")
check_case("the same on Vista" LISTING ${win32_x64}
  CHANGE "MajorSubsystemVersion\t5\nMinorSubsystemVersion\t2" "MajorSubsystemVersion\t6\nMinorSubsystemVersion\t0"
  PLATFORM "Windows Vista" POINTER_SIZE 8 PASSES
  NAMES "subsystem version: 6.0")

# --- functions the table does not know ---
check_case("function not in the table" LISTING ${posix_x64}
  CHANGE " GetVersionExW\n" " GetVersionExA\n"
  PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "not in [^ ]*system_imports.csv: kernel32.dll GetVersionExA")
check_case("function of another DLL" LISTING ${win32_x64}
  CHANGE "DLL Name: USER32.dll" "DLL Name: SHELL32.dll"
  PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "not in [^ ]*system_imports.csv: shell32.dll LoadStringW")

# --- exports and imported DLLs ---
check_case("common controls imported" LISTING ${win32_x64}
  CHANGE "DLL Name: USER32.dll" "DLL Name: COMCTL32.dll"
  PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "imports comctl32.dll, which the plug-in binds by name")
check_case("mingw runtime imported" LISTING ${win32_x64}
  CHANGE "DLL Name: msvcrt.dll" "DLL Name: libstdc++-6.dll"
  PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "imports libstdc\\+\\+-6.dll, which is not a system DLL")
check_case("decorated export" LISTING ${win32_x64}
  CHANGE "DllGetClassObject\n" "DllGetClassObject@12\n"
  PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "expected exactly DllCanUnloadNow and DllGetClassObject")

# --- listings the check cannot read, and wrong parameters ---
check_case("no import table" LISTING ${win32_x64}
  CHANGE "DLL Name:" "Dll name:"
  PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "no import table found")
check_case("no function rows" LISTING ${win32_x64}
  CHANGE "\n\t[0-9a-f]+\t +[0-9]+ +[^\n]+" "\n"
  PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "no imported function found")
check_case("no subsystem version" LISTING ${win32_x64}
  CHANGE "MinorSubsystemVersion" "MinorSubsystem"
  PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "no subsystem version in the header")
check_case("unknown platform" LISTING ${win32_x64}
  PLATFORM "Windows ME" POINTER_SIZE 8 FAILS
  NAMES "OLDEST_PLATFORM 'Windows ME' is none of")

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "every case gave the expected verdict")
