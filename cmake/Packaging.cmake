# Plinvex's own Debian package: `cpack -G DEB` in the build tree, or script/package.
# Everything here is read only when cpack runs, so configuring needs no Debian
# packaging tools; cpack then needs dpkg-shlibdeps (dpkg-dev) and file.

set(PLINVEX_PACKAGE_MAINTAINER "The Plinvex developers <plinvex@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plinvex)
set(CPACK_PACKAGE_VENDOR "The Plinvex developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian wants the long description in lines of under 80 characters; cpack
# indents each line but does not wrap them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Plinvex is a small desktop tool for packagers. Pick a Debian package, a"
    "logo and screenshots, type a few details and press one button: Plinvex"
    "builds a submission folder on the desktop with a copy of the package, the"
    "scaled logo and screenshots and the store's control file app.json, and can"
    "compress it into a tar.gz archive.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/plinvex/plinvex)
set(CPACK_PACKAGE_CONTACT "${PLINVEX_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build type keeps debug information; the package does not need it.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PLINVEX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CPACK_PACKAGE_HOMEPAGE_URL}")
# The libraries come from dpkg-shlibdeps; the outside tools the program runs by
# name cannot be found that way and are declared here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "dpkg, coreutils, imagemagick, tar, gzip")
# The whole interface is Chinese; without a CJK font it shows empty boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
