# Installing the program as a desktop application, the Debian package made from that, and the
# Windows program file's version record (written by identity.cmake).

include(GNUInstallDirs)

set(generated ${PROJECT_BINARY_DIR}/generated)
set(REMINDER_RELEASE_DATE 2026-12-08)
# Software centres and package managers show the summary as a title: no closing full stop.
string(REGEX REPLACE "\\.$" "" REMINDER_SUMMARY "${PROJECT_DESCRIPTION}")
string(REPLACE "&" "&amp;" REMINDER_SUMMARY_XML "${REMINDER_SUMMARY}")
configure_file(packaging/desktop-entry.desktop.in ${generated}/${REMINDER_COMMAND}.desktop @ONLY)
configure_file(packaging/metainfo.xml.in ${generated}/${REMINDER_APPSTREAM_ID}.metainfo.xml
               @ONLY)

if(WIN32)
  enable_language(RC)
  target_sources(${REMINDER_COMMAND} PRIVATE ${generated}/version_record.rc)
  # The file is named as its version record says, and opens no console window.
  set_target_properties(${REMINDER_COMMAND} PROPERTIES
    OUTPUT_NAME "${REMINDER_NAME}" WIN32_EXECUTABLE ON)
endif()

install(TARGETS ${REMINDER_COMMAND} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT WIN32)
  install(FILES ${generated}/${REMINDER_COMMAND}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${generated}/${REMINDER_APPSTREAM_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES resources/pictures/icon.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
          RENAME ${REMINDER_COMMAND}.png)
  install(FILES resources/pictures/icon.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${REMINDER_COMMAND}.svg)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${REMINDER_COMMAND})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${REMINDER_SUMMARY}")
set(CPACK_PACKAGE_DESCRIPTION "${REMINDER_NAME}: a minute countdown and an alarm clock. When the
time is up it shuts the computer down, or starts a program you picked, closes the
media players you chose and tells you that the time is up.")
set(CPACK_PACKAGE_CONTACT "${REMINDER_NAME} developers <time-reminder@${REMINDER_DOMAIN}>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces the windows fall back on, and pkill for closing the media players.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-dejavu-core, fonts-liberation, fonts-urw-base35, procps")
include(CPack)
