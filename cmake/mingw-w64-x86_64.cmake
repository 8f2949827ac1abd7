# Cross-compiling the Windows parts (purgewell-host.exe and the Windows test helpers) with
# Debian's MinGW-w64 for 64-bit Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_pw_mingw x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER ${_pw_mingw}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER ${_pw_mingw}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER ${_pw_mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_pw_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
