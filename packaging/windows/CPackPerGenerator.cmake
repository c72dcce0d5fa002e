# SPDX-License-Identifier: MIT
# Read by cpack once per package: the installer installs everything but the
# zip's own component, the marker of a portable program.
if(CPACK_GENERATOR STREQUAL "NSIS")
    list(TRANSFORM CPACK_INSTALL_CMAKE_PROJECTS REPLACE "^ALL$" "Unspecified")
endif()
