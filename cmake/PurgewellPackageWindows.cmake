# The Windows package: purgewell-<version>-win64.zip, made by `cpack` in the Windows build folder
# (scripts/windows.sh). It holds the program folder as the program expects it (purgewell.exe,
# Resources/, QSS/, uiconfig), the Qt plugins the program loads, and every DLL these import that
# Windows does not provide, found by following the imports recursively with MinGW's objdump.
set(_pw_qt_plugins
  platforms/qwindows        # the windows platform
  styles/qwindowsvistastyle # the native look of what the style sheets leave alone
  imageformats/qgif         # the animations
  imageformats/qico)        # the window icon, Resources/Logo.ico

install(TARGETS purgewell RUNTIME DESTINATION .)
install(DIRECTORY ${PURGEWELL_RUNTIME_DIR}/Resources ${PURGEWELL_RUNTIME_DIR}/QSS DESTINATION .)
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

install(CODE "
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND \"${PURGEWELL_OBJDUMP}\")
  file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES \"$<TARGET_FILE:purgewell>\"
    LIBRARIES ${_pw_plugin_files}
    DIRECTORIES ${_pw_dll_dirs}
    RESOLVED_DEPENDENCIES_VAR resolved
    UNRESOLVED_DEPENDENCIES_VAR unresolved)
  foreach(dll IN LISTS unresolved)
    string(TOLOWER \${dll} lower)
    if(NOT EXISTS \"${PURGEWELL_WINDOWS_SYSTEM_DLLS}/\${lower}\" AND NOT lower MATCHES \"^(api|ext)-ms-\")
      message(FATAL_ERROR \"\${dll} is imported but found neither beside Qt and MinGW nor among Windows' own DLLs\")
    endif()
  endforeach()
  foreach(dll IN LISTS resolved)
    message(STATUS \"Shipping \${dll}\")
    file(INSTALL \${dll} DESTINATION \"\${CMAKE_INSTALL_PREFIX}\")
  endforeach()
")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME purgewell)
set(CPACK_PACKAGE_VENDOR "Vendrix Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME purgewell-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
