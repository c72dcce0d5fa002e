# SPDX-License-Identifier: MIT
# The Windows installer (NSIS, 64-bit, under Program Files, with a Start-menu
# entry and an uninstaller) and the portable zip, both from one install tree:
# the programs, their DLLs and plugins, Qt's Czech texts, the README and the
# JSON schema of a configuration.
install(FILES ${PROJECT_SOURCE_DIR}/README.md vrk04-config.schema.json DESTINATION ${CMAKE_INSTALL_BINDIR})

# CPACK_STRIP_FILES strips the programs only; the DLLs beside them are
# stripped here, after every other install rule (this folder comes last).
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
        foreach(dll IN LISTS dlls)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\"
                            COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")

set(VRK04_WINDOWS_NAME "Nastavení VRK-04")
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_VENDOR "${VRK04_VENDOR}")
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "VRK-04")
set(CPACK_PACKAGE_EXECUTABLES vrk04-setup "${VRK04_WINDOWS_NAME}")
set(CPACK_STRIP_FILES ON)

# NSIS builds a 32-bit installer unless told otherwise; a 32-bit one would
# also put the programs under "Program Files (x86)".
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME "${VRK04_WINDOWS_NAME}")
set(CPACK_NSIS_DISPLAY_NAME "${VRK04_WINDOWS_NAME}")
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/vrk04.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/vrk04.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME vrk04-setup.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
include(CPack)
