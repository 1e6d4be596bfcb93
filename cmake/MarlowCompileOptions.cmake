# Warnings and language settings shared by every target of ours (not by the
# third-party code we build, such as GoogleTest). The warning options are
# for the compilers only: the resource compiler takes none of them.
add_library(marlow_options INTERFACE)
if(MSVC)
  target_compile_options(marlow_options INTERFACE "$<$<COMPILE_LANGUAGE:C,CXX>:/W4;/WX;/permissive-;/utf-8>")
else()
  target_compile_options(marlow_options INTERFACE "$<$<COMPILE_LANGUAGE:C,CXX>:-Wall;-Wextra;-Werror>")
endif()
if(MSVC)
  # The plug-in reads its PPD through _wfopen and fgetc, as it must.
  target_compile_definitions(marlow_options INTERFACE _CRT_SECURE_NO_WARNINGS)
endif()
if(WIN32)
  target_compile_definitions(marlow_options INTERFACE UNICODE _UNICODE NOMINMAX)
endif()
if(MARLOW_SANITIZE AND NOT WIN32)
  target_compile_options(marlow_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(marlow_options INTERFACE -fsanitize=address,undefined)
endif()
