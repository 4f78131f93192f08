# Installing the program as a desktop application on Linux, and the Debian package made from
# that, with the documents Debian asks of every package (the Windows installer is in
# windows_installer.cmake).

include(GNUInstallDirs)

set(generated ${PROJECT_BINARY_DIR}/generated)
# Software centres and package managers show the summary as a title: no closing full stop.
string(REGEX REPLACE "\\.$" "" REMINDER_SUMMARY "${PROJECT_DESCRIPTION}")
string(REPLACE "&" "&amp;" REMINDER_SUMMARY_XML "${REMINDER_SUMMARY}")
configure_file(packaging/desktop-entry.desktop.in ${generated}/${REMINDER_COMMAND}.desktop @ONLY)
configure_file(packaging/metainfo.xml.in ${generated}/${REMINDER_APPSTREAM_ID}.metainfo.xml
               @ONLY)

# The copyright in Debian's machine-readable format, the changelog and the manual page, the
# last two compressed as Debian wants them: gzip -9, without a name or a time in the file.
execute_process(COMMAND date -u -R -d ${REMINDER_RELEASE_DATE}
                OUTPUT_VARIABLE REMINDER_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "-" "\\-" REMINDER_MAN_NAME ${REMINDER_COMMAND})
string(TOUPPER ${REMINDER_MAN_NAME} REMINDER_MAN_TITLE)
configure_file(packaging/copyright.in ${generated}/copyright @ONLY)
configure_file(packaging/changelog.in ${generated}/changelog @ONLY)
configure_file(packaging/manual-page.1.in ${generated}/${REMINDER_COMMAND}.1 @ONLY)
find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(document changelog ${REMINDER_COMMAND}.1)
  add_custom_command(OUTPUT ${generated}/${document}.gz
    COMMAND ${GZIP} -9n --stdout ${document} > ${document}.gz
    DEPENDS ${generated}/${document} WORKING_DIRECTORY ${generated} VERBATIM)
  list(APPEND compressed ${generated}/${document}.gz)
endforeach()
add_custom_target(compressed_documents ALL DEPENDS ${compressed})

install(TARGETS ${REMINDER_COMMAND} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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
install(FILES ${generated}/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${REMINDER_COMMAND})
install(FILES ${generated}/${REMINDER_COMMAND}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${REMINDER_COMMAND})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${REMINDER_SUMMARY}")
# Debian shows the description as it stands: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "${REMINDER_NAME}: a minute countdown and an alarm clock.
When the time is up it shuts the computer down, or starts a program you
picked, closes the media players you chose and tells you that the time is up.")
set(CPACK_PACKAGE_CONTACT "${REMINDER_CONTACT}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces the windows fall back on, and pkill for closing the media players.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-dejavu-core, fonts-liberation, fonts-urw-base35, procps")
include(CPack)
