# taoci_add_test(NAME SOURCES file... LIBS lib... [TIMEOUT s] [LABELS l...]
#                [WITH_TEST_SERVER [SERVER_ARGS arg...]])
# One GoogleTest program, registered with CTest as one test. Under Wine every
# process start costs a second or so, so a program runs all its cases at once
# rather than one process per case.
# WITH_TEST_SERVER runs the program through tools/with_test_server.py: its own
# loopback server (tools/test_server.py, started with SERVER_ARGS), whose ports
# reach the program in TAOCI_TEST_SERVER_PORT, TAOCI_TEST_SERVER_TLS_PORT and
# TAOCI_TEST_SERVER_REFUSED_PORT.
function(taoci_add_test name)
  cmake_parse_arguments(ARG "WITH_TEST_SERVER" "TIMEOUT" "SOURCES;LIBS;LABELS;SERVER_ARGS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main taoci_warnings)
  if(ARG_WITH_TEST_SERVER)
    find_program(TAOCI_PYTHON3 python3 REQUIRED)
    add_test(NAME ${name}
      COMMAND ${TAOCI_PYTHON3} ${PROJECT_SOURCE_DIR}/tools/with_test_server.py ${ARG_SERVER_ARGS}
              -- ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}> --gtest_color=no)
  else()
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  endif()
  if(ARG_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  else()
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
