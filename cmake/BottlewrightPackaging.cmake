# `cpack -G DEB` in the build folder packs what `cmake --install` installs into
# bottlewright_<version>_<architecture>.deb, installed under /usr.
set(BW_PACKAGE_MAINTAINER "Quorvane Software <bottlewright@quorvane.invalid>"
    CACHE STRING "Maintainer named in the .deb")

set(CPACK_PACKAGE_NAME bottlewright)
set(CPACK_PACKAGE_VENDOR "Quorvane Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "inventory of a private wine cellar")
set(CPACK_PACKAGE_DESCRIPTION
    "Bottlewright keeps the inventory of a private wine cellar: every wine owned, with a dated record \
of every change to its bottle count, cost and value, shown as a filtered, sorted grid. \
bottlewright-cli reads and writes the same Cellar Files (.bwf) for scripts.")
set(CPACK_PACKAGE_CONTACT ${BW_PACKAGE_MAINTAINER})
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BW_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The Qt libraries and the C++ runtime are found by dpkg-shlibdeps (from dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The grid draws in Arial (Liberation Sans stands in); the desktop's file-type and menu databases
# are refreshed by these packages' triggers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, shared-mime-info, desktop-file-utils")

include(CPack)
