# SPDX-License-Identifier: MIT
# The Windows installer (NSIS, 64-bit, under Program Files, with a Start-menu
# entry and an uninstaller) and the portable zip, both from one install tree:
# the programs, their DLLs and plugins, Qt's Czech texts, the README and the
# JSON schema of a configuration, the technician's guide in Czech and English,
# and the licences.
install(FILES ${PROJECT_SOURCE_DIR}/README.md vrk04-config.schema.json DESTINATION ${CMAKE_INSTALL_BINDIR})

# Texts written here, for Notepad: CRLF lines, UTF-8 with a byte-order mark;
# further arguments go to install(), e.g. a COMPONENT.
string(ASCII 239 187 191 utf8_bom)
function(vrk04_windows_text source destination)
    get_filename_component(name ${source} NAME)
    file(READ ${CMAKE_CURRENT_SOURCE_DIR}/windows/${source} text)
    # file(READ) alone would leave an edited text out of the next package.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/windows/${source})
    file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/windows/${name} CONTENT "${utf8_bom}${text}"
         @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/windows/${name} DESTINATION ${destination} ${ARGN})
endfunction()
vrk04_windows_text(NAVOD.txt ${CMAKE_INSTALL_BINDIR})
vrk04_windows_text(GUIDE.txt ${CMAKE_INSTALL_BINDIR})
# The zip's marker of a portable program; the installer leaves it out
# (CPackPerGenerator.cmake), so an installed program keeps its settings in
# the registry and its copies in AppData.
vrk04_windows_text(portable.txt ${CMAKE_INSTALL_BINDIR} COMPONENT portable)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/windows/CPackPerGenerator.cmake)

# The licences of the project, Qt (LGPL-3.0, which refers to GPL-3.0), the GCC
# runtime and winpthreads, as their sources word them, and which file is
# under which.
set(VRK04_LICENCES_DIR ${CMAKE_INSTALL_BINDIR}/licences)
if(NOT Qt6_VERSION VERSION_EQUAL 6.4.2)
    message(WARNING "README-licences.txt describes Qt 6.4.2, the build uses Qt ${Qt6_VERSION}")
endif()
vrk04_windows_text(README-licences.txt ${VRK04_LICENCES_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE windows/licences/LGPL-3.0.txt windows/licences/GPL-3.0.txt
              windows/licences/GCC-exception-3.1.txt windows/licences/winpthreads.txt
              windows/licences/qtbase-copyright.txt
        DESTINATION ${VRK04_LICENCES_DIR})

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
# The file type under which Explorer offers the window program for a configuration.
set(VRK04_PROGID VRK04.Configuration)
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
# The NSIS commands below hold backslashes and quotes.
set(CPACK_VERBATIM_VARIABLES ON)
# The installer's licence page shows LICENSE, with the CRLF lines of a Windows text.
configure_file(${PROJECT_SOURCE_DIR}/LICENSE windows/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/windows/LICENSE.txt)
include(windows/NsisTemplate.cmake)

# The guide in the Start-menu folder, in the installer's language; the
# uninstaller, whatever its language, removes either.
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\$(VRK04_GuideLink).lnk\" \"$INSTDIR\\$(VRK04_GuideFile)\"")
set(CPACK_NSIS_DELETE_ICONS_EXTRA
    "  Delete \"$SMPROGRAMS\\$MUI_TEMP\\Návod.lnk\"\n  Delete \"$SMPROGRAMS\\$MUI_TEMP\\Guide.lnk\"")

# "Open with" for configuration files: the window program is offered for
# .bin, .json and .csv files but does not become their default program, as
# these suffixes are common. SHCTX is the machine's classes for an install for
# all users, the user's own otherwise.
set(classes "Software\\Classes")
set(command "$\\\"$INSTDIR\\vrk04-setup.exe$\\\" $\\\"%1$\\\"")
set(install_lines
    "WriteRegStr SHCTX \"${classes}\\Applications\\vrk04-setup.exe\" \"FriendlyAppName\" \"${VRK04_WINDOWS_NAME}\""
    "WriteRegStr SHCTX \"${classes}\\Applications\\vrk04-setup.exe\\shell\\open\\command\" \"\" \"${command}\""
    "WriteRegStr SHCTX \"${classes}\\${VRK04_PROGID}\" \"\" \"$(VRK04_FileType)\""
    "WriteRegStr SHCTX \"${classes}\\${VRK04_PROGID}\\DefaultIcon\" \"\" \"$INSTDIR\\vrk04-setup.exe,0\""
    "WriteRegStr SHCTX \"${classes}\\${VRK04_PROGID}\\shell\\open\\command\" \"\" \"${command}\"")
set(uninstall_lines
    "DeleteRegKey SHCTX \"${classes}\\Applications\\vrk04-setup.exe\""
    "DeleteRegKey SHCTX \"${classes}\\${VRK04_PROGID}\"")
foreach(suffix .bin .json .csv)
    list(APPEND install_lines
        "WriteRegStr SHCTX \"${classes}\\Applications\\vrk04-setup.exe\\SupportedTypes\" \"${suffix}\" \"\""
        "WriteRegNone SHCTX \"${classes}\\${suffix}\\OpenWithProgids\" \"${VRK04_PROGID}\"")
    # Only what this program added: other programs' entries stay.
    list(APPEND uninstall_lines
        "DeleteRegValue SHCTX \"${classes}\\${suffix}\\OpenWithProgids\" \"${VRK04_PROGID}\""
        "DeleteRegKey /ifempty /ifnovalues SHCTX \"${classes}\\${suffix}\\OpenWithProgids\""
        "DeleteRegKey /ifempty /ifnovalues SHCTX \"${classes}\\${suffix}\"")
endforeach()
set(notify "System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'")
list(APPEND install_lines "${notify}")
list(APPEND uninstall_lines "${notify}")
list(JOIN install_lines "\n  " CPACK_NSIS_EXTRA_INSTALL_COMMANDS)
list(JOIN uninstall_lines "\n  " CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS)
include(CPack)
