# The Debian package: `cpack -G DEB` in the release build folder makes cifroid_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME cifroid)
set(CPACK_PACKAGE_VENDOR "Cifroid software workshop")
set(CPACK_PACKAGE_CONTACT "Cifroid maintainers <maintainers@cifroid.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://cifroid.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "scientific calculator with equation, triangle, vector and fraction tools")
# One paragraph, in lines short enough for the package's control file.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Цифроид 2 is a Russian-language suite for computational tasks. Its main"
  "window is a scientific pocket calculator with memory slots, trigonometric,"
  "power, root and logarithm keys and full keyboard control. From it the user"
  "opens solvers for linear, quadratic and biquadratic equations, a"
  "right-triangle solver, a vector tool that draws the vector, and a fraction"
  "calculator.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries (Qt, GMP, MPFR) come from dpkg-shlibdeps; the platform plugins that draw the
# windows are only recommended by the Qt libraries, and the program cannot show a window without
# them. Qt's own texts (context menus, dialog keys) come in Russian from its translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# Under Wayland the program runs natively with Qt's Wayland platform, else through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
