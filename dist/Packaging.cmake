# `make package`: a Debian package of everything the install rules put under
# /usr. dpkg-shlibdeps works out the library dependencies from the programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME curvix)
set(CPACK_PACKAGE_VENDOR Veltra)
set(CPACK_PACKAGE_CONTACT "Veltra")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "function grapher: y=f(x), x=f(y), parametric and polar curves")
set(CPACK_PACKAGE_DESCRIPTION
    "Curvix draws graphs of the functions you type in a zoomable view with a grid,\n"
    "labelled axes and a read-out of the pointer position. It computes definite\n"
    "integrals and areas, tangent and normal lines, roots, extrema and\n"
    "intersections, and exports the picture as PNG, SVG or PDF.\n"
    "\n"
    "curvix-cli evaluates formulas, renders documents and runs the calculation\n"
    "tools from scripts.")
list(JOIN CPACK_PACKAGE_DESCRIPTION "" CPACK_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Axis labels are drawn in Arial, which fontconfig finds as Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
include(CPack)
