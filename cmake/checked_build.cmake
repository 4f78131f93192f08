# The checked build: AddressSanitizer and UndefinedBehaviorSanitizer on all of the program's
# own code and tests, and (with clang) the libFuzzer targets. Any report stops the run.
option(REMINDER_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(REMINDER_FUZZ "Build the libFuzzer targets (needs clang and REMINDER_SANITIZE)" OFF)

if(REMINDER_SANITIZE)
  # Optimised a little: the soak and the fuzzers run millions of events.
  add_compile_options(-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(REMINDER_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR NOT REMINDER_SANITIZE)
    message(FATAL_ERROR "REMINDER_FUZZ needs clang and REMINDER_SANITIZE")
  endif()
  # Coverage feedback from every library; only the targets link libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(REMINDER_SANITIZE)
  add_library(sanitizer_defaults OBJECT ${PROJECT_SOURCE_DIR}/tests/sanitizer/sanitizer_defaults.cpp)
  link_libraries(sanitizer_defaults)
endif()
