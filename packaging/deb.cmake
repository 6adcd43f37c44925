# A Debian package of the installed files (scripts/package). Its runtime
# dependencies are worked out by dpkg-shlibdeps from the binaries themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pendrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Pendrel developers <pendrel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "recurring reminders in the system tray")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pendrel rings the reminders you keep: a title, a time of day, the weekdays
it applies to, a chime that can repeat until answered, an optional website
and an optional message. At the set minute a small pop-up appears and offers
to snooze for 5, 10 or 15 minutes, to open the website, or to be done.
Every change is saved at once to a plain JSON file.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (menus of text fields, dialog buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
