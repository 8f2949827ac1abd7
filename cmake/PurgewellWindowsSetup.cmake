# Builds purgewell-<version>-setup.exe from the program folder CPack has just staged for the zip,
# so that the installer and the zip hold the same files. Run by CPack before it packs (its
# CPACK_PRE_BUILD_SCRIPTS, set in cmake/PurgewellPackageWindows.cmake); CPACK_TEMPORARY_DIRECTORY
# is the staged folder. Writes the list of files as NSIS macros (every file installed, and removed
# again by the uninstaller, with its folders) and runs makensis on resources/windows/setup.nsi.
#
# Settings from the build, carried by CPackConfig.cmake:
#   CPACK_PURGEWELL_MAKENSIS      makensis
#   CPACK_PURGEWELL_SETUP_SCRIPT  resources/windows/setup.nsi
#   CPACK_PURGEWELL_SETUP_FILE    the installer to write
#   CPACK_PACKAGE_VERSION         the product version, four numbers
cmake_policy(PUSH)
cmake_policy(SET CMP0057 NEW) # if(IN_LIST)

set(stage "${CPACK_TEMPORARY_DIRECTORY}")
if(NOT EXISTS "${stage}/purgewell.exe")
  message(FATAL_ERROR "No purgewell.exe in the staged folder ${stage}: the installer cannot be built")
endif()

# A path for a double-quoted NSIS string read at run time, where $ starts a variable. Windows
# allows none of "*?<>| in a name; ${ would be read as a define when the script is compiled.
function(_pw_nsis_quote text out)
  if(text MATCHES "[\"*?<>|]" OR text MATCHES "[$][{]")
    message(FATAL_ERROR "The staged file ${text} has a name the installer cannot hold")
  endif()
  string(REPLACE "$" "$$" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${stage}" "${stage}/*")
list(SORT files)
set(install "!macro PW_INSTALL_FILES\n")
set(uninstall "!macro PW_UNINSTALL_FILES\n")
set(folders)
set(current_folder "-")
foreach(file IN LISTS files)
  get_filename_component(folder "${file}" DIRECTORY)
  string(REPLACE "/" "\\" windows_file "${file}")
  string(REPLACE "/" "\\" windows_folder "${folder}")
  _pw_nsis_quote("${windows_file}" windows_file)
  _pw_nsis_quote("${windows_folder}" windows_folder)
  set(source "${stage}/${file}") # read when the script is compiled: taken as it is
  if(NOT folder STREQUAL current_folder)
    if(folder STREQUAL "")
      string(APPEND install "  SetOutPath \"$INSTDIR\"\n")
    else()
      string(APPEND install "  SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
    endif()
    set(current_folder "${folder}")
  endif()
  string(APPEND install "  File \"${source}\"\n")
  string(APPEND uninstall "  Delete \"$INSTDIR\\${windows_file}\"\n")
  # The file's folder and every folder above it, below the program folder.
  while(NOT folder STREQUAL "")
    if(NOT folder IN_LIST folders)
      list(APPEND folders "${folder}")
    endif()
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
# A folder sorts before the folders below it: reversed, they are emptied from the bottom up.
list(SORT folders)
list(REVERSE folders)
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" windows_folder "${folder}")
  _pw_nsis_quote("${windows_folder}" windows_folder)
  string(APPEND uninstall "  RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()
string(APPEND install "!macroend\n")
string(APPEND uninstall "!macroend\n")

list(LENGTH files count)
set(list_file "${CPACK_TOPLEVEL_DIRECTORY}/setup-files.nsh")
file(WRITE "${list_file}" "; ${count} files of ${stage}, written by PurgewellWindowsSetup.cmake\n${install}${uninstall}")

get_filename_component(script_dir "${CPACK_PURGEWELL_SETUP_SCRIPT}" DIRECTORY)
execute_process(
  COMMAND "${CPACK_PURGEWELL_MAKENSIS}" -V2 -INPUTCHARSET UTF8
          "-DVERSION=${CPACK_PACKAGE_VERSION}" "-DSTAGE=${stage}" "-DFILES=${list_file}"
          "-DOUTFILE=${CPACK_PURGEWELL_SETUP_FILE}" "${CPACK_PURGEWELL_SETUP_SCRIPT}"
  WORKING_DIRECTORY "${script_dir}"
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "makensis could not build ${CPACK_PURGEWELL_SETUP_FILE} (above)")
endif()
message(STATUS "Installer of ${count} files: ${CPACK_PURGEWELL_SETUP_FILE}")
cmake_policy(POP)
