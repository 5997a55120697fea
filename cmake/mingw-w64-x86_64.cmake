# Cross-building the Windows programs on Debian with the MinGW-w64 compilers
# (POSIX threads, as the Windows Qt was built). Chain-loaded by Qt's own
# toolchain file; VANTELO_WINDOWS_DEPS is the prefix holding the cross-built
# SQLite and libmdb. tools/windows/build sets the emulator (Wine) for the
# data-file builder and the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(VANTELO_WINDOWS_DEPS "$ENV{VANTELO_WINDOWS_DEPS}" CACHE PATH "Prefix of the cross-built SQLite and libmdb")
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${VANTELO_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} "${VANTELO_WINDOWS_DEPS}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
