# Builds for hostile input.
#
# PURGEWELL_SANITIZE=ON: everything is built with AddressSanitizer and UndefinedBehaviorSanitizer,
# and the first report aborts the process, so a test that trips one fails.
#
# PURGEWELL_FUZZ=ON (clang only): the same sanitizers plus libFuzzer coverage; only the fuzz
# targets of tests/fuzz/ are meant to be built in such a build directory.
option(PURGEWELL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(PURGEWELL_FUZZ "Build the libFuzzer targets (clang; implies PURGEWELL_SANITIZE)" OFF)

if(PURGEWELL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "PURGEWELL_FUZZ needs clang (configure with -DCMAKE_CXX_COMPILER=clang++)")
  endif()
  set(PURGEWELL_SANITIZE ON)
endif()

if(PURGEWELL_SANITIZE)
  set(purgewell_sanitizers address,undefined)
  if(PURGEWELL_FUZZ)
    # Coverage for every library; the fuzz target itself links the libFuzzer driver.
    set(purgewell_sanitizers fuzzer-no-link,address,undefined)
  endif()
  add_compile_options(-fsanitize=${purgewell_sanitizers} -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
