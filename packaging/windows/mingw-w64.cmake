# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix-threads
# variant, which std::thread and Qt need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TORVANE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${TORVANE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TORVANE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER  ${TORVANE_MINGW}-windres)

# Libraries, headers and CMake packages come from the MinGW tree and from the
# prefix of the cross-built Qt and QScintilla (TORVANE_WINDOWS_PREFIX), never
# from the host; programs (moc, rcc, wine) come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TORVANE_MINGW})
if(TORVANE_WINDOWS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${TORVANE_WINDOWS_PREFIX})
  list(APPEND CMAKE_PREFIX_PATH ${TORVANE_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
