# Builds everything that needs no Qt (the control model, the windows, the behaviour and the
# Windows platform pieces) with Debian's MinGW-w64 compiler, warnings as errors, so that
# Windows-only code is compiled on every run. Run with -DSOURCE=... -DBINARY=...
foreach(step
    "-S;${SOURCE};-B;${BINARY};-G;Ninja;-DCMAKE_BUILD_TYPE=Release\
;-DCMAKE_TOOLCHAIN_FILE=${SOURCE}/cmake/mingw-w64-x86_64.cmake\
;-DREMINDER_WITH_QT=OFF;-DREMINDER_WITH_TESTS=OFF;-DCMAKE_COMPILE_WARNING_AS_ERROR=ON"
    "--build;${BINARY};--parallel;2")
  execute_process(COMMAND ${CMAKE_COMMAND} ${step} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
