# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# so that std::thread and std::mutex work), tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TAOCI_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${TAOCI_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAOCI_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TAOCI_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TAOCI_MINGW} ${TAOCI_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)

# Static libraries only: the program must be one file, and Debian's zlib for
# MinGW also ships an import library that would otherwise win.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
set(ZLIB_USE_STATIC_LIBS ON)
set(ZLIB_LIBRARY /usr/${TAOCI_MINGW}/lib/libz.a CACHE FILEPATH "zlib, static" FORCE)
