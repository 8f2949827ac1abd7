# The Windows build's tests are Windows programs: CTest runs each under Wine, in a throwaway
# prefix of its own (cmake/winetestrun.sh.in), offscreen. Included by the top-level
# CMakeLists.txt when cross-compiling for Windows.
find_program(PURGEWELL_WINE wine)
if(NOT PURGEWELL_WINE)
  message(FATAL_ERROR "wine was not found: the Windows build's tests run under Wine. Install the "
                      "Debian packages wine and wine64 (scripts/setup.sh does).")
endif()

# Where the DLLs the test programs load come from: Qt's bin folder and MinGW's runtime.
set(_pw_dll_dirs ${PURGEWELL_WINDOWS_QT}/bin)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE _pw_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(_pw_dll_dir ${_pw_dll} DIRECTORY)
  get_filename_component(_pw_dll_dir ${_pw_dll_dir} REALPATH)
  list(APPEND _pw_dll_dirs ${_pw_dll_dir})
endforeach()
list(REMOVE_DUPLICATES _pw_dll_dirs)
set(PURGEWELL_WINE_DLL_PATH "")
foreach(dir IN LISTS _pw_dll_dirs)
  string(REPLACE "/" "\\\\" _pw_win "Z:${dir}")
  string(APPEND PURGEWELL_WINE_DLL_PATH "${_pw_win};")
endforeach()
string(REPLACE "/" "\\\\" PURGEWELL_WINE_PLUGIN_PATH "Z:${PURGEWELL_WINDOWS_QT}/plugins")
# The offscreen platform of Qt for Windows reads fonts from a folder rather than from Windows:
# the same DejaVu fonts the Linux build's tests draw with.
find_path(PURGEWELL_TEST_FONT_DIR DejaVuSans.ttf PATHS /usr/share/fonts/truetype/dejavu NO_CMAKE_FIND_ROOT_PATH)
if(NOT PURGEWELL_TEST_FONT_DIR)
  message(FATAL_ERROR "DejaVuSans.ttf was not found: install the Debian package fonts-dejavu-core "
                      "(scripts/setup.sh does).")
endif()
string(REPLACE "/" "\\\\" PURGEWELL_WINE_FONT_DIR "Z:${PURGEWELL_TEST_FONT_DIR}")
set(PURGEWELL_WINE_TEMPLATE ${CMAKE_BINARY_DIR}/wine-template)

set(PURGEWELL_WINE_TEST_RUNNER ${CMAKE_BINARY_DIR}/winetestrun.sh)
configure_file(${CMAKE_CURRENT_LIST_DIR}/winetestrun.sh.in ${PURGEWELL_WINE_TEST_RUNNER} @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PURGEWELL_WINE_TEST_RUNNER})
