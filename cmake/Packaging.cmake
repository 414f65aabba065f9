# SPDX-FileCopyrightText: 2026 The BelegAdressen developers
# SPDX-License-Identifier: MIT

# Debian packages of a shared build (cpack -G DEB in the build directory):
#   libbelegadressen0     the shared library (named after its soname)
#   libbelegadressen-dev  public headers, CMake package, Designer plugin
#   belegadressen-demo    the sample host and the sample database writer
#   belegadressen-postal-de  the German postal directory (data, ODbL)
# Configure with -DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX=/usr so that
# the library lands in Debian's multiarch folder.
# A static build has no library to put into libbelegadressen0: refuse to
# pack it instead of handing out an empty package.
if(NOT BUILD_SHARED_LIBS)
  file(WRITE ${CMAKE_BINARY_DIR}/CPackConfig.cmake
    "message(FATAL_ERROR \"BelegAdressen: packages come only from a shared build: configure with \"
    \"-DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX=/usr -DBA_BUILD_TESTS=OFF\")\n")
  return()
endif()

set(CPACK_PACKAGE_NAME belegadressen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "BelegAdressen maintainers <maintainers@belegadressen.invalid>")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL lib dev demo postal)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# Debian ships binaries stripped, and control files readable by all only.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(ba_qt_version "6.4")
set(ba_exact "(= ${PROJECT_VERSION}-1)")
set(ba_lib_package libbelegadressen${PROJECT_VERSION_MAJOR})

# What every Debian package carries: its copyright and its changelog in
# /usr/share/doc/<package>. The copyright is machine-readable and holds both
# licence texts of LICENSES/, each line indented, an empty line as " .".
foreach(pair "MIT;BA_MIT_TEXT" "ODbL-1.0;BA_ODBL_TEXT")
  list(GET pair 0 licence)
  list(GET pair 1 variable)
  file(READ ${PROJECT_SOURCE_DIR}/LICENSES/${licence}.txt text)
  string(STRIP "${text}" text)
  string(REPLACE "<year> <copyright holders>" "2026 The BelegAdressen developers" text "${text}")
  string(REPLACE "\n" "\n " text " ${text}")
  string(REGEX REPLACE "\n \n" "\n .\n" text "${text}")
  string(REGEX REPLACE "\n \n" "\n .\n" text "${text}")
  set(${variable} "${text}")
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in
  ${CMAKE_BINARY_DIR}/debian/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in
  ${CMAKE_BINARY_DIR}/debian/changelog.Debian @ONLY)
execute_process(COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/debian/changelog.Debian
  OUTPUT_FILE ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz COMMAND_ERROR_IS_FATAL ANY)
foreach(pair "lib;${ba_lib_package}" "dev;libbelegadressen-dev" "demo;belegadressen-demo"
    "postal;belegadressen-postal-de")
  list(GET pair 0 component)
  list(GET pair 1 package)
  install(FILES ${CMAKE_BINARY_DIR}/debian/copyright
    ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
endforeach()

set(CPACK_DEBIAN_LIB_PACKAGE_NAME ${ba_lib_package})
# The shlibs file tells dpkg-shlibdeps of a host's package what to depend on.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# The dynamic linker's cache learns of the library through dpkg's trigger.
set(CPACK_DEBIAN_LIB_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/cmake/debian/triggers)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# The first line of each package's description is its synopsis; a common
# CPACK_PACKAGE_DESCRIPTION_SUMMARY would be put before it.
set(CPACK_DEBIAN_LIB_DESCRIPTION "Address block widget for commercial documents (Qt 6)
The shared library of the BelegAdressen control: customer and address
capture for offers, orders, delivery notes, invoices and service orders,
on SQLite or PostgreSQL through QtSql.")
# The SQLite driver is a plugin and so invisible to the linker, but the
# control's embedded default database needs it.
set(CPACK_DEBIAN_LIB_PACKAGE_DEPENDS "libc6 (>= 2.34), libstdc++6 (>= 12), \
libqt6core6 (>= ${ba_qt_version}), libqt6gui6 (>= ${ba_qt_version}), \
libqt6widgets6 (>= ${ba_qt_version}), libqt6sql6 (>= ${ba_qt_version}), \
libqt6sql6-sqlite (>= ${ba_qt_version}), libqt6qml6 (>= ${ba_qt_version})")
set(CPACK_DEBIAN_LIB_PACKAGE_RECOMMENDS "libqt6sql6-psql")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libbelegadressen-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_DESCRIPTION "Address block widget for commercial documents: development files
Public headers and the CMake package (find_package(BelegAdressen)) of the
BelegAdressen control, its Qt Designer plugin and the database schema.")
# The Designer plugin in it is a binary of its own and names its run-time
# libraries itself.
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "${ba_lib_package} ${ba_exact}, qt6-base-dev (>= ${ba_qt_version}), \
qt6-declarative-dev (>= ${ba_qt_version}), libc6 (>= 2.34), libstdc++6 (>= 12), \
libqt6core6 (>= ${ba_qt_version}), libqt6gui6 (>= ${ba_qt_version}), \
libqt6widgets6 (>= ${ba_qt_version})")
set(CPACK_DEBIAN_DEV_PACKAGE_SUGGESTS "designer-qt6")

set(CPACK_DEBIAN_DEMO_PACKAGE_NAME belegadressen-demo)
set(CPACK_DEBIAN_DEMO_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_DEMO_DESCRIPTION "Address block widget for commercial documents: sample host
A document window of a craft business around the BelegAdressen control and
the writer of its sample database (SQLite or PostgreSQL).")
set(CPACK_DEBIAN_DEMO_PACKAGE_DEPENDS "${ba_lib_package} ${ba_exact}, libc6 (>= 2.34), \
libstdc++6 (>= 12), libqt6core6 (>= ${ba_qt_version}), libqt6gui6 (>= ${ba_qt_version}), \
libqt6widgets6 (>= ${ba_qt_version}), libqt6sql6 (>= ${ba_qt_version}), \
libqt6sql6-sqlite (>= ${ba_qt_version}), libqt6qml6 (>= ${ba_qt_version}), \
libsqlite3-0 (>= 3.37), libpq5")
set(CPACK_DEBIAN_DEMO_PACKAGE_RECOMMENDS "libqt6sql6-psql")

set(CPACK_DEBIAN_POSTAL_PACKAGE_NAME belegadressen-postal-de)
set(CPACK_DEBIAN_POSTAL_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_POSTAL_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_POSTAL_DESCRIPTION "German postal codes and places for the BelegAdressen postal check
Every German postal code with its places (8,168 codes, 12,881 pairs of code
and place), derived from OpenStreetMap (ODbL 1.0), in the import format of
the BelegAdressen postal directory:
/usr/share/belegadressen/postal-de/D.tsv. Load it into a database with
belegadressen-sampledb --import-plz (package belegadressen-demo) or
PostalImport of the library.")
set(CPACK_DEBIAN_POSTAL_PACKAGE_SUGGESTS "belegadressen-demo")

include(CPack)
