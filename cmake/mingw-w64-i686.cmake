# Cross-compiling for 32-bit Windows with Debian's MinGW-w64: purgewell-host32.exe, the host that
# serves 32-bit Wine prefixes (WINEARCH=win32), where no 64-bit program runs. The Linux build's
# second sub-build of host/windows uses it; nothing else is built for 32-bit Windows.
#
# The posix thread model, as for the 64-bit host (cmake/mingw-w64-x86_64.cmake): one model for
# every Windows program the build makes.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(_pw_mingw i686-w64-mingw32)
find_program(CMAKE_C_COMPILER ${_pw_mingw}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER ${_pw_mingw}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER ${_pw_mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_pw_mingw})

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
