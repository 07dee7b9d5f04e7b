# The Debian package, built by scripts/package: everything the install rules put under /usr, with
# the shared-library dependencies read from the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvat-print)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ZORVAT Print developers <print@zorvat.hr>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ZORVAT Print developers <print@zorvat.hr>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fill in and print Croatian payment slips and HUB-3A slips")
# Lines of the long description stay under 80 characters, as lintian asks.
set(CPACK_PACKAGE_DESCRIPTION
    "ZORVAT Print fills in and prints the euro-era HUB-3A payment slip with its
PDF417 barcode, one slip or many from a table, and the older payment slip
and general transfer order: complete on plain paper, as a blank template or
as data onto a pre-printed form, placed by a calibration of each printer.
zorprint-render draws a saved form as PNG, PDF or a list of drawing
operations.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The layouts ask for Arial and Courier New by name; these are the fonts with their metrics. TIFF
# invoices are read through the Qt image plugin, which is loaded at run time, not linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
