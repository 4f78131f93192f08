# Builds everything that needs no Qt (the control model, the windows, the behaviour, the
# Windows platform pieces and their tests) with Debian's MinGW-w64 compiler, warnings as
# errors, so that Windows-only code is compiled on every run; the tests in it run under Wine
# (tests/wine). Run with -DSOURCE=... -DBINARY=...
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY} -G Ninja -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_TOOLCHAIN_FILE=${SOURCE}/cmake/mingw-w64-x86_64.cmake
    -DREMINDER_WITH_TESTS=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
    -DCMAKE_CROSSCOMPILING_EMULATOR=${SOURCE}/tests/wine/wine_run.sh
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY} --parallel 2
  COMMAND_ERROR_IS_FATAL ANY)
