# Helpers shared by every area's CMakeLists.

# tessellon_add_test(NAME LABEL unit|e2e SOURCES ... LIBS ...)
# One GoogleTest binary, registered with CTest test by test under the given label.
function(tessellon_add_test name)
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT T_LABEL)
    set(T_LABEL unit)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} PROPERTIES LABELS ${T_LABEL} DISCOVERY_TIMEOUT 60)
endfunction()

# tessellon_plugin(NAME) names a plug-in library the way its host looks for it:
# NAME.dll on Windows (no "lib" prefix), libNAME.so elsewhere.
function(tessellon_plugin target)
  if(WIN32)
    set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${target})
    # The real host is 32-bit and calls stdcall exports by their plain names.
    target_link_options(${target} PRIVATE -static -Wl,--kill-at)
  endif()
endfunction()
