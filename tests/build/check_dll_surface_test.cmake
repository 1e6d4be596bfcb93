# The DLL surface check on import listings whose verdict is known: the
# listings of marlowui.dll built with the posix thread model (which imports
# what Windows 2000 and the x64 editions of XP lack), of the DLL built with
# the win32 model, and variants of them with one fault each.
#
#   cmake -DCHECK=<check_dll_surface.cmake> -DDATA=<dir> -DWORK=<dir> -P check_dll_surface_test.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")

# check_case(<name> DUMP <file> PLATFORM <oldest> POINTER_SIZE <4|8>
#            PASSES | FAILS  [NAMES <regex>...] [NOT_NAMES <regex>...])
function(check_case name)
  cmake_parse_arguments(C "PASSES;FAILS" "DUMP;PLATFORM;POINTER_SIZE" "NAMES;NOT_NAMES" ${ARGN})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DDUMP=${C_DUMP} "-DOLDEST_PLATFORM=${C_PLATFORM}"
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

# A variant of a listing with every match of a regular expression replaced,
# written to WORK.
function(make_variant out_var source pattern replacement)
  file(READ "${DATA}/${source}" text)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "${source} has nothing that matches '${pattern}'")
  endif()
  string(REGEX REPLACE "${pattern}" "${replacement}" text "${text}")
  string(MAKE_C_IDENTIFIER "${out_var}" tag)
  set(file "${WORK}/${tag}.dump")
  file(WRITE "${file}" "${text}")
  set(${out_var} "${file}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY "${WORK}")
set(posix_x86 "${DATA}/posix_thread_model_x86.dump")
set(posix_x64 "${DATA}/posix_thread_model_x64.dump")
set(win32_x64 "${DATA}/win32_thread_model_x64.dump")

# --- the functions a build's oldest platform lacks ---
check_case("x86 5.x, posix thread model" DUMP ${posix_x86} PLATFORM "Windows 2000" POINTER_SIZE 4 FAILS
  NAMES "oldest platform of this build"
        "kernel32.dll AddVectoredExceptionHandler \\(from Windows XP\\)"
        "kernel32.dll RemoveVectoredExceptionHandler \\(from Windows XP\\)"
        "kernel32.dll GetTickCount64 \\(from Windows Vista\\)"
        "kernel32.dll ReleaseActCtx \\(from Windows XP\\)"
  NOT_NAMES "CloseHandle" "GetVersionExW" "LoadStringW" "GetPrinterDriverW" "_wfopen")
check_case("x64 5.x, posix thread model" DUMP ${posix_x64} PLATFORM "Windows Server 2003" POINTER_SIZE 8 FAILS
  NAMES "kernel32.dll GetTickCount64 \\(from Windows Vista\\)"
  NOT_NAMES "AddVectoredExceptionHandler" "ReleaseActCtx" "RtlVirtualUnwind" "___lc_codepage_func")
check_case("x64 6.0, posix thread model" DUMP ${posix_x64} PLATFORM "Windows Vista" POINTER_SIZE 8 PASSES
  NAMES "all exported by Windows Vista")
check_case("x64 5.x, win32 thread model" DUMP ${win32_x64} PLATFORM "Windows Server 2003" POINTER_SIZE 8 PASSES
  NAMES "all exported by Windows Server 2003")
check_case("the same on Windows 2000" DUMP ${win32_x64} PLATFORM "Windows 2000" POINTER_SIZE 8 FAILS
  NAMES "kernel32.dll RtlCaptureContext \\(from Windows XP\\)"
        "kernel32.dll RtlVirtualUnwind \\(from Windows Server 2003\\)"
        "msvcrt.dll ___lc_codepage_func \\(from Windows XP\\)")

# --- the activation context functions, which 32-bit code looks up by name ---
check_case("x86 6.0, static ReleaseActCtx" DUMP ${posix_x86} PLATFORM "Windows Vista" POINTER_SIZE 4 FAILS
  NAMES "looks up by name: kernel32.dll ReleaseActCtx"
  NOT_NAMES "GetTickCount64" "oldest platform")

# --- a function the table does not know ---
make_variant(unknown posix_thread_model_x64.dump " GetVersionExW\n" " GetVersionExA\n")
check_case("function not in the table" DUMP ${unknown} PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "not in [^ ]*system_imports.csv: kernel32.dll GetVersionExA")
make_variant(renamed_dll win32_thread_model_x64.dump "DLL Name: USER32.dll" "DLL Name: SHELL32.dll")
check_case("function of another DLL" DUMP ${renamed_dll} PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "not in [^ ]*system_imports.csv: shell32.dll LoadStringW")

# --- what the check did before: exports and imported DLLs ---
make_variant(comctl win32_thread_model_x64.dump "DLL Name: USER32.dll" "DLL Name: COMCTL32.dll")
check_case("common controls imported" DUMP ${comctl} PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "imports comctl32.dll, which the plug-in binds by name")
make_variant(runtime win32_thread_model_x64.dump "DLL Name: msvcrt.dll" "DLL Name: libstdc++-6.dll")
check_case("mingw runtime imported" DUMP ${runtime} PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "imports libstdc\\+\\+-6.dll, which is not a system DLL")
make_variant(decorated win32_thread_model_x64.dump "\\] DllGetClassObject" "] DllGetClassObject@12")
check_case("decorated export" DUMP ${decorated} PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "expected exactly DllCanUnloadNow and DllGetClassObject")

# --- listings the check cannot read, and wrong parameters ---
make_variant(no_imports win32_thread_model_x64.dump "DLL Name:" "Dll name:")
check_case("no import table" DUMP ${no_imports} PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "no import table found")
make_variant(no_functions win32_thread_model_x64.dump "\n\t[0-9a-f]+\t +[0-9]+ +[^\n]+" "")
check_case("no function rows" DUMP ${no_functions} PLATFORM "Windows Vista" POINTER_SIZE 8 FAILS
  NAMES "no imported function found")
check_case("unknown platform" DUMP ${win32_x64} PLATFORM "Windows ME" POINTER_SIZE 8 FAILS
  NAMES "OLDEST_PLATFORM 'Windows ME' is none of")

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "every case gave the expected verdict")
