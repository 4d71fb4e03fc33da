# GoogleTest: Debian's build natively; for Windows, built here from the
# sources that Debian's libgtest-dev installs.
if(CMAKE_CROSSCOMPILING)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # googletest's own CMake defines the GTest:: aliases.
else()
  find_package(GTest REQUIRED)
endif()
