# Runs a program (through the cross-compiling emulator when there is one)
# and checks its exit status, its standard output byte for byte against an
# expected file, and its standard error against a pattern.
#
#   cmake -DPROGRAM=... [-DEMULATOR=a|b] [-DARGS=x|y] -DSTATUS=n
#         [-DEXPECTED=file | -DEXPECT_EMPTY=ON] [-DSTDOUT_MATCH=regex]
#         [-DSTDERR_MATCH=regex] [-DWINE_VERSION=win2k] -DWORK=prefix -P run_and_compare.cmake
#
# Lists are given with '|' between their elements. Without STDERR_MATCH the
# standard error must be empty. With MARLOW_UPDATE_GOLDEN=1 in the
# environment, the standard output becomes the expected file (the other
# checks still run): `MARLOW_UPDATE_GOLDEN=1 ctest --preset ... -R name`.
string(REPLACE "|" ";" emulator "${EMULATOR}")
string(REPLACE "|" ";" arguments "${ARGS}")
set(stdout_file "${WORK}.stdout")
set(stderr_file "${WORK}.stderr")
set(wine_stderr_file "${WORK}.wine-stderr")
file(REMOVE "${stdout_file}" "${stderr_file}" "${wine_stderr_file}")
file(WRITE "${wine_stderr_file}" "")

set(wine_version "$ENV{MARLOW_WINE_VERSION}")
if(DEFINED WINE_VERSION)
  set(wine_version "${WINE_VERSION}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "MARLOW_WINE_STDERR=${wine_stderr_file}"
          "MARLOW_WINE_VERSION=${wine_version}"
          ${emulator} ${PROGRAM} ${arguments}
  OUTPUT_FILE "${stdout_file}"
  ERROR_FILE "${stderr_file}"
  RESULT_VARIABLE status)

file(READ "${stderr_file}" stderr_text)
file(READ "${wine_stderr_file}" wine_stderr_text)
string(APPEND stderr_text "${wine_stderr_text}")

set(failures "")
if(NOT "${status}" STREQUAL "${STATUS}")
  string(APPEND failures "exit status ${status}, expected ${STATUS}\n")
endif()
if(DEFINED EXPECTED AND "$ENV{MARLOW_UPDATE_GOLDEN}" STREQUAL "1")
  file(COPY_FILE "${stdout_file}" "${EXPECTED}")
  message(STATUS "written ${EXPECTED}")
elseif(DEFINED EXPECTED)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${stdout_file}" "${EXPECTED}"
                  RESULT_VARIABLE different)
  if(different)
    string(APPEND failures "standard output ${stdout_file} differs from ${EXPECTED}\n")
  endif()
elseif(EXPECT_EMPTY)
  file(SIZE "${stdout_file}" stdout_size)
  if(NOT stdout_size EQUAL 0)
    string(APPEND failures "standard output is not empty\n")
  endif()
endif()
if(DEFINED STDOUT_MATCH)
  file(READ "${stdout_file}" stdout_text)
  if(NOT stdout_text MATCHES "${STDOUT_MATCH}")
    string(APPEND failures "standard output does not match '${STDOUT_MATCH}'\n")
  endif()
endif()
if(DEFINED STDERR_MATCH)
  if(NOT stderr_text MATCHES "${STDERR_MATCH}")
    string(APPEND failures "standard error does not match '${STDERR_MATCH}'\n")
  endif()
elseif(NOT stderr_text STREQUAL "")
  string(APPEND failures "standard error is not empty\n")
endif()

if(failures)
  message(FATAL_ERROR "${PROGRAM} ${arguments}:\n${failures}standard error:\n${stderr_text}")
endif()
