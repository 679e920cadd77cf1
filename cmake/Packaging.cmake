# The Debian package of the program, made by `cpack -G DEB` in a built build folder
# (scripts/package.sh does the whole run). It holds what `cmake --install` puts under /usr:
# the program, its menu entry and its icons.
set(CPACK_PACKAGE_NAME wvelora)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_VENDOR "wVelora")
set(CPACK_PACKAGE_CONTACT "wVelora maintainers <wvelora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Deliveries report client for company databases on PostgreSQL")
set(CPACK_PACKAGE_DESCRIPTION "\
wVelora signs a user in to the company's database, found through a central company registry, \
and shows the deliveries of one producer's brand to the distributor's clients over a date \
range, in three grids that can be sorted, filtered, grouped and exported to .xlsx workbooks. \
It writes nothing to any database.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(CPACK_GENERATOR DEB)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # wvelora_1.0.0_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION database)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends is read off the libraries the program links (libpq, Qt, minizip), by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
