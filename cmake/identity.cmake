# Who the program is, set once. The windows and the About box (through the generated
# program_identity.h), the desktop entry, the AppStream record, the Debian package, the
# Windows version record and the Windows installer all take their name, description and
# version from here.

set(REMINDER_NAME "KAVELTO Time Reminder")
set(REMINDER_COMMAND kavelto-time-reminder)
set(REMINDER_COMMENTS "Include Auto Shutdown")
set(REMINDER_PUBLISHER "${REMINDER_NAME} developers")
set(REMINDER_RELEASE_DATE 2026-12-08)
string(SUBSTRING ${REMINDER_RELEASE_DATE} 0 4 REMINDER_COPYRIGHT_YEAR)
# The project has no web address of its own yet: the AppStream identity and the screenshot's
# address are built from this placeholder domain until it gets one.
set(REMINDER_DOMAIN "kavelto.example" CACHE STRING "The project's web domain")

# The version as people read it has two digits of minor version and four of revision
# ("1.00.0004" for 1.0.0.4); the third number has no place in it, so it must stay 0.
if(NOT PROJECT_VERSION_PATCH EQUAL 0)
  message(FATAL_ERROR "The version ${PROJECT_VERSION} cannot be written as major.minor.revision")
endif()
function(reminder_zero_pad value width out)
  string(LENGTH "${value}" length)
  while(length LESS width)
    string(PREPEND value "0")
    math(EXPR length "${length} + 1")
  endwhile()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()
reminder_zero_pad(${PROJECT_VERSION_MINOR} 2 minor)
reminder_zero_pad(${PROJECT_VERSION_TWEAK} 4 revision)
set(REMINDER_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.${minor}.${revision}")
set(REMINDER_INSTALLER "${REMINDER_COMMAND}-${REMINDER_DISPLAY_VERSION}-setup.exe")

# rDNS of the domain: "kavelto.example" gives "example.kavelto".
string(REPLACE "." ";" domain_parts "${REMINDER_DOMAIN}")
list(REVERSE domain_parts)
list(JOIN domain_parts "." reversed_domain)
set(REMINDER_APPSTREAM_ID "${reversed_domain}.TimeReminder")
set(REMINDER_HOMEPAGE "https://${REMINDER_DOMAIN}/time-reminder")
set(REMINDER_CONTACT "${REMINDER_PUBLISHER} <time-reminder@${REMINDER_DOMAIN}>")

configure_file(${PROJECT_SOURCE_DIR}/src/program_identity.h.in
               ${PROJECT_BINARY_DIR}/generated/program_identity.h @ONLY)

# The Windows program file's icon and version record, written on every system (with Qt or
# without), so that the checks compile it with the Windows resource compiler.
configure_file(${PROJECT_SOURCE_DIR}/packaging/version_record.rc.in
               ${PROJECT_BINARY_DIR}/generated/version_record.rc @ONLY)
