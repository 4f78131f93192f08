# The Windows installer, made with NSIS's makensis (which cross-builds on Linux) from the
# program file, beside the build's bin folder: kavelto-time-reminder-VERSION-setup.exe (target
# windows_installer). Without makensis the program file is built alone.

find_program(MAKENSIS makensis)
if(NOT MAKENSIS)
  message(STATUS "makensis not found: no Windows installer")
  return()
endif()

set(REMINDER_WINDOWS_PROGRAM "$<TARGET_FILE:reminder_windows_program>")
configure_file(packaging/windows-installer.nsi.in
               ${PROJECT_BINARY_DIR}/generated/windows-installer.nsi.in @ONLY)
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/generated/windows-installer.nsi
     INPUT ${PROJECT_BINARY_DIR}/generated/windows-installer.nsi.in)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${REMINDER_INSTALLER}
  COMMAND ${MAKENSIS} -V2 -NOCD ${PROJECT_BINARY_DIR}/generated/windows-installer.nsi
  DEPENDS reminder_windows_program ${PROJECT_BINARY_DIR}/generated/windows-installer.nsi
          resources/pictures/icon.ico
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  COMMENT "Making the Windows installer ${REMINDER_INSTALLER}")
add_custom_target(windows_installer ALL DEPENDS ${PROJECT_BINARY_DIR}/${REMINDER_INSTALLER})
