# taoci_add_test(NAME SOURCES file... LIBS lib...)
# One GoogleTest program, registered with CTest as one test. Under Wine every
# process start costs a second or so, so a program runs all its cases at once
# rather than one process per case.
function(taoci_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main taoci_warnings)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  if(ARG_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  else()
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
