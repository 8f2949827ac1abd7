# purgewell_add_test(<name> SOURCES ... LIBS ... [LABELS ...])
# One QtTest executable = one CTest test. GUI tests run on the offscreen platform.
function(purgewell_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
  target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set(env "QT_QPA_PLATFORM=offscreen" "XDG_STATE_HOME=${CMAKE_BINARY_DIR}/tests/state")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()

# Paths of the build machine as the test programs see them: in a Windows build cross-compiled on
# Linux they run under Wine, whose drive Z: is /, so such a path is "${PURGEWELL_BUILD_DRIVE}/...";
# purgewell_windows_path(<out> <path>) does the same for a variable.
if(WIN32 AND CMAKE_CROSSCOMPILING)
  set(PURGEWELL_BUILD_DRIVE "Z:")
else()
  set(PURGEWELL_BUILD_DRIVE "")
endif()
function(purgewell_windows_path out path)
  set(${out} "${PURGEWELL_BUILD_DRIVE}${path}" PARENT_SCOPE)
endfunction()

# purgewell_test_home(<test> ...): the tests run with HOME in a folder of the build of their own,
# so that what they remove goes to a trash there and never into the trash of the user who builds.
function(purgewell_test_home)
  foreach(name ${ARGN})
    set(home "${CMAKE_BINARY_DIR}/tests/home/${name}")
    file(MAKE_DIRECTORY "${home}")
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "HOME=${home}")
  endforeach()
endfunction()
