# SPDX-License-Identifier: MIT
# The installer's template: CPack's own, with its languages cut to Czech, the
# first and so the one NSIS falls back on, and English, which NSIS chooses
# under an English Windows; and its two English messages made Czech and English
# (installer-texts.nsh). CPack finds the template through CMAKE_MODULE_PATH.
set(cpack_template ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
file(READ ${cpack_template} template)

function(vrk04_nsis_replace pattern replacement)
    string(REGEX REPLACE "${pattern}" "${replacement}" replaced "${template}")
    if(replaced STREQUAL template)
        message(FATAL_ERROR "${cpack_template} has changed: \"${pattern}\" not found")
    endif()
    set(template "${replaced}" PARENT_SCOPE)
endfunction()

vrk04_nsis_replace("(\n  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"[^\n]*)+"
    "\n  !insertmacro MUI_LANGUAGE \"Czech\"\n  !insertmacro MUI_LANGUAGE \"English\"\n  !include /CHARSET=UTF8 \"${CMAKE_CURRENT_SOURCE_DIR}/windows/installer-texts.nsh\"")
vrk04_nsis_replace("\"@CPACK_NSIS_PACKAGE_NAME@ is already installed[^\"]*\""
    "\"$(VRK04_AlreadyInstalled)\"")
vrk04_nsis_replace("\"Uninstall failed.\"" "\"$(VRK04_UninstallFailed)\"")

file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in "${template}")
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)
