# The Windows packages, made by `cpack` in the Windows build folder (scripts/windows.sh):
# purgewell-<version>-win64.zip, the portable program folder, and purgewell-<version>-setup.exe,
# the installer, built from the same staged files. The folder holds the program as it expects to
# be laid out (purgewell.exe, Resources/, QSS/, translations/, uiconfig), the Qt plugins the
# program loads, and every DLL these import that Windows does not provide, found by following the
# imports recursively with MinGW's objdump.
set(_pw_qt_plugins
  platforms/qwindows        # the windows platform
  styles/qwindowsvistastyle # the native look of what the style sheets leave alone
  imageformats/qgif         # the animations
  imageformats/qico)        # the window icon, Resources/Logo.ico

install(TARGETS purgewell RUNTIME DESTINATION .)
install(DIRECTORY ${PURGEWELL_RUNTIME_DIR}/Resources ${PURGEWELL_RUNTIME_DIR}/QSS ${PURGEWELL_RUNTIME_DIR}/translations
        DESTINATION .)
install(FILES ${PURGEWELL_RUNTIME_DIR}/uiconfig DESTINATION .)
set(_pw_plugin_files)
foreach(plugin IN LISTS _pw_qt_plugins)
  get_filename_component(dir ${plugin} DIRECTORY)
  set(file ${PURGEWELL_WINDOWS_QT}/plugins/${plugin}.dll)
  install(FILES ${file} DESTINATION ${dir})
  list(APPEND _pw_plugin_files ${file})
endforeach()

# The folders the DLLs may come from; everything else must be one of Windows' own DLLs, which
# Wine's builtin folder lists too.
set(_pw_dll_dirs ${PURGEWELL_WINDOWS_QT}/bin)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE _pw_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(_pw_dll_dir ${_pw_dll} DIRECTORY)
  get_filename_component(_pw_dll_dir ${_pw_dll_dir} REALPATH)
  list(APPEND _pw_dll_dirs ${_pw_dll_dir})
endforeach()
list(REMOVE_DUPLICATES _pw_dll_dirs)
find_program(PURGEWELL_OBJDUMP x86_64-w64-mingw32-objdump REQUIRED)
set(PURGEWELL_WINDOWS_SYSTEM_DLLS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows CACHE PATH
    "A folder holding Windows' own DLLs (Wine's builtin ones): imports found there are not shipped")

# The walk over the imports runs at install time, over the files as built.
set(_pw_walk ${CMAKE_BINARY_DIR}/PurgewellWindowsImports.cmake)
file(WRITE ${_pw_walk} [=[
# Follows the imports of the program and its plugins (objdump -p lists them as "DLL Name:"),
# recursively, and installs every DLL found in the given folders; names are compared without
# case, as Windows does. An import found nowhere that is not one of Windows' own DLLs is an error.
cmake_policy(PUSH)
cmake_policy(SET CMP0057 NEW) # if(IN_LIST)
function(_pw_imports file out)
  execute_process(COMMAND "${PW_OBJDUMP}" -p "${file}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "objdump could not read ${file}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
  set(names)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^DLL Name: " "" name "${line}")
    string(STRIP "${name}" name)
    list(APPEND names "${name}")
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

set(index)
foreach(dir IN LISTS PW_DLL_DIRS)
  file(GLOB dlls "${dir}/*.dll")
  foreach(dll IN LISTS dlls)
    get_filename_component(name "${dll}" NAME)
    string(TOLOWER "${name}" lower)
    if(NOT DEFINED "found_${lower}")
      set("found_${lower}" "${dll}")
    endif()
  endforeach()
endforeach()

set(queue ${PW_START})
set(shipped)
while(queue)
  list(POP_FRONT queue file)
  _pw_imports("${file}" names)
  foreach(name IN LISTS names)
    string(TOLOWER "${name}" lower)
    if(lower IN_LIST shipped)
      continue()
    endif()
    if(DEFINED "found_${lower}")
      list(APPEND shipped "${lower}")
      list(APPEND queue "${found_${lower}}")
      message(STATUS "Shipping ${found_${lower}} (imported by ${file})")
      file(INSTALL "${found_${lower}}" DESTINATION "${CMAKE_INSTALL_PREFIX}")
    elseif(NOT EXISTS "${PW_SYSTEM_DLLS}/${lower}" AND NOT lower MATCHES "^(api|ext)-ms-")
      message(FATAL_ERROR "${file} imports ${name}, found neither beside Qt and MinGW nor among Windows' own DLLs")
    endif()
  endforeach()
endwhile()
cmake_policy(POP)
]=])
install(CODE "
  set(PW_OBJDUMP \"${PURGEWELL_OBJDUMP}\")
  set(PW_DLL_DIRS \"${_pw_dll_dirs}\")
  set(PW_SYSTEM_DLLS \"${PURGEWELL_WINDOWS_SYSTEM_DLLS}\")
  set(PW_START \"$<TARGET_FILE:purgewell>;${_pw_plugin_files}\")
  include(\"${_pw_walk}\")
")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME purgewell)
set(CPACK_PACKAGE_VENDOR "Vendrix Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME purgewell-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

# The installer is made from the folder CPack stages for the zip, before it packs the zip
# (cmake/PurgewellWindowsSetup.cmake, which runs NSIS on resources/windows/setup.nsi).
find_program(PURGEWELL_MAKENSIS makensis)
if(NOT PURGEWELL_MAKENSIS)
  message(FATAL_ERROR "makensis was not found; the Windows installer is built with NSIS: install the "
                      "Debian package nsis (scripts/setup.sh does).")
endif()
set(PURGEWELL_SETUP_FILE ${CMAKE_BINARY_DIR}/purgewell-${PROJECT_VERSION}-setup.exe)
set(CPACK_PURGEWELL_MAKENSIS ${PURGEWELL_MAKENSIS})
set(CPACK_PURGEWELL_SETUP_SCRIPT ${PROJECT_SOURCE_DIR}/resources/windows/setup.nsi)
set(CPACK_PURGEWELL_SETUP_FILE ${PURGEWELL_SETUP_FILE})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PurgewellWindowsSetup.cmake)
include(CPack)
