# Debian package of what `cmake --install` installs (built by scripts/package.sh with cpack).
# dpkg-shlibdeps finds the libraries the programs link; the Qt platform plugins are loaded at run
# time, so their package is named here, as is the SQLite driver of the logbook, and the
# Tahoma-compatible fonts are recommended.
set(CPACK_PACKAGE_NAME trevallion)
set(CPACK_PACKAGE_VENDOR "Orvenda Technologies")
set(CPACK_PACKAGE_CONTACT "Orvenda Technologies <trevallion@orvenda.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pilot's flight computer for desktops and small touchscreens")
set(CPACK_PACKAGE_DESCRIPTION
    "Trevallion puts a pilot's kneeboard into one program: E6B-style
calculators, weight and balance for a user-defined fleet, flight planning,
an airport directory, user waypoints, checklists, a flight time recorder
with GPS take-off and landing detection, count timers, world clocks and an
NMEA GPS reader. It runs in a desktop window or full screen on a 240x320,
320x240 or 240x240 touchscreen. The companions trevallion-calc and
trevallion-data run the calculators and inspect the data files from the
command line.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, xdg-utils")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
