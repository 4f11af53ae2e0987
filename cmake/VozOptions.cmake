# Compiler settings shared by every target of the project.
add_library(voz_options INTERFACE)
target_compile_features(voz_options INTERFACE cxx_std_20)

if(MSVC)
  target_compile_options(voz_options INTERFACE /W4 /utf-8 /permissive-)
else()
  target_compile_options(voz_options INTERFACE -Wall -Wextra -Wpedantic -Werror=return-type
    -Wno-missing-field-initializers)
endif()

if(WIN32)
  target_compile_definitions(voz_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
    _WIN32_WINNT=0x0A00 WINVER=0x0A00 STRSAFE_NO_DEPRECATE)
  if(MINGW)
    # Each .exe runs with no DLL of ours beside it.
    target_link_options(voz_options INTERFACE -static -static-libgcc -static-libstdc++)
  endif()
endif()

option(VOZ_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VOZ_SANITIZE)
  target_compile_options(voz_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(voz_options INTERFACE -fsanitize=address,undefined)
endif()

# voz_add_gtest(NAME SOURCES... LIBS ...): one GoogleTest executable, one ctest entry.
function(voz_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE voz_options GTest::gtest_main GTest::gmock ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()

# voz_add_program(NAME [GUI] SOURCES...): a program whose entry point is
# wmain (console) or wWinMain (GUI) on Windows and main elsewhere.
function(voz_add_program name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE voz_options ${ARG_LIBS})
  if(MINGW)
    target_link_options(${name} PRIVATE -municode)
    if(ARG_GUI)
      target_link_options(${name} PRIVATE -mwindows)
    endif()
  elseif(WIN32 AND ARG_GUI)
    set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE ON)
  endif()
endfunction()
