# The Debian package, built by `cpack -G DEB` (`make package`) from the installed tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trazor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Trazor maintainers")
set(CPACK_PACKAGE_CONTACT "Trazor maintainers <maintainers@users.noreply.c-seed-366ec8da.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "NC part program checker for CNC lathes")
# The extended description, in lines Debian's tools show unbroken (under 80 columns).
set(CPACK_PACKAGE_DESCRIPTION
    "Trazor reads a lathe part program in the OSP or FANUC dialect, runs it
block by block the way the control would, draws the tool path, shows every
modal readout and adds up the machining time. It stops where the control
would, with the control's own message. A cutting-condition calculator, a
function-key registration tool and the command-line checker trazor-check
come with it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries; what they load at run time does not show there: the
# SVG image plugin (icons), the X11 platform plugin and the Japanese fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-qpa-plugins, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
