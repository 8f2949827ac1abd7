# Cross-compiling for 64-bit Windows with Debian's MinGW-w64: purgewell-host.exe and the Windows
# test helpers (the Linux build's sub-build in host/windows), and the whole Windows build of the
# program (scripts/windows.sh), which passes -DPURGEWELL_WINDOWS_QT=<Qt for Windows>.
#
# Everything uses MinGW's posix thread model, the one Qt for Windows is built with (its QtTest
# needs std::mutex, which the win32 model lacks); one model for Qt, the program and the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_pw_mingw x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER ${_pw_mingw}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER ${_pw_mingw}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER ${_pw_mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_pw_mingw})

# Qt for Windows, when this builds the program itself. Try-compiles see the same value.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PURGEWELL_WINDOWS_QT)
if(PURGEWELL_WINDOWS_QT)
  list(PREPEND CMAKE_FIND_ROOT_PATH ${PURGEWELL_WINDOWS_QT})
endif()

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
