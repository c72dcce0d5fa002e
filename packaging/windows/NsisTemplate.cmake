# SPDX-License-Identifier: MIT
# The installer's template: CPack's own, with its languages cut to Czech, the
# first and so the one NSIS falls back on, and English, which NSIS chooses
# under an English Windows, with the installer's own texts (installer-texts.nsh);
# and its scope, all users or the current user alone, chosen through NSIS's
# MultiUser (installer-scope.nsh) instead of its own .onInit and un.onInit,
# whose English messages the installer's texts replace. CPack finds the
# template through CMAKE_MODULE_PATH.
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

# Literal edits: TEXT inserted before or after ANCHOR, which must be there.
function(vrk04_nsis_insert where anchor text)
    string(FIND "${template}" "${anchor}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${cpack_template} has changed: \"${anchor}\" not found")
    endif()
    if(where STREQUAL AFTER)
        set(text "${anchor}${text}")
    else()
        set(text "${text}${anchor}")
    endif()
    string(REPLACE "${anchor}" "${text}" replaced "${template}")
    set(template "${replaced}" PARENT_SCOPE)
endfunction()

# Removes a function of the template, from BEGIN, the comment above it, to its end.
function(vrk04_nsis_remove_function begin)
    string(FIND "${template}" "${begin}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${cpack_template} has changed: \"${begin}\" not found")
    endif()
    string(SUBSTRING "${template}" ${at} -1 rest)
    string(FIND "${rest}" "\nFunctionEnd" length)
    if(length EQUAL -1)
        message(FATAL_ERROR "${cpack_template} has changed: no end after \"${begin}\"")
    endif()
    string(SUBSTRING "${template}" 0 ${at} head)
    math(EXPR tail "${at} + ${length} + 12")
    string(SUBSTRING "${template}" ${tail} -1 tail)
    set(template "${head}${tail}" PARENT_SCOPE)
endfunction()

vrk04_nsis_replace("\n  ;Require administrator access\n  RequestExecutionLevel admin\n" "\n")
set(scope [[
  !define VRK04_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@"
  !define VRK04_UNINSTALLER "@CPACK_NSIS_UNINSTALL_NAME@.exe"
  !define VRK04_DEFAULT_DIR "@CPACK_NSIS_INSTALL_ROOT@\@CPACK_PACKAGE_INSTALL_DIRECTORY@"
  !define MULTIUSER_INSTALLMODE_INSTDIR "@CPACK_PACKAGE_INSTALL_DIRECTORY@"
]])
string(APPEND scope "  !include /CHARSET=UTF8 \"${CMAKE_CURRENT_SOURCE_DIR}/windows/installer-scope.nsh\"\n")
vrk04_nsis_insert(AFTER "@CPACK_NSIS_DEFINES@\n" "${scope}")
vrk04_nsis_insert(BEFORE "  Page custom InstallOptionsPage\n" "  !insertmacro MULTIUSER_PAGE_INSTALLMODE\n")
vrk04_nsis_insert(BEFORE "  !insertmacro MUI_PAGE_DIRECTORY\n"
    "  !define MUI_PAGE_CUSTOMFUNCTION_PRE VRK04_UninstallPrevious\n")
set(comment "\n;--------------------------------\n; determine admin versus local install\n")
vrk04_nsis_remove_function("${comment}Function un.onInit\n")
vrk04_nsis_remove_function("${comment}; Is install")

file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in "${template}")
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)
