; SPDX-License-Identifier: MIT
; For whom the program is installed: with administrator rights the installer
; asks (all users by default, or the scope of an earlier install), without
; them it installs for the current user only; /AllUsers and /CurrentUser
; choose on the command line. Everything the installer writes goes through
; SHCTX and $SMPROGRAMS, which follow the chosen scope. The template defines
; VRK04_UNINSTALL_KEY, VRK04_UNINSTALLER and VRK04_DEFAULT_DIR before this.

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${VRK04_UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "UninstallString"
!define MULTIUSER_INSTALLMODE_FUNCTION VRK04_ScopeChosen
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "$(VRK04_AllUsersNeedsAdmin)"
; The template has functions of StrFunc's names.
!define STRFUNC_USECALLARTIFICIALFUNCTION
!include MultiUser.nsh

Var VRK04_GivenDir
Var VRK04_CheckedScope

; A folder given with /D stays, whichever scope is chosen.
Function VRK04_ScopeChosen
  ${If} $VRK04_GivenDir != ""
    StrCpy $INSTDIR $VRK04_GivenDir
  ${EndIf}
FunctionEnd

; An earlier install in the chosen scope is uninstalled first (the user may
; keep it); asked once per scope.
Function VRK04_UninstallPrevious
  ${If} $VRK04_CheckedScope == $MultiUser.InstallMode
    Return
  ${EndIf}
  StrCpy $VRK04_CheckedScope $MultiUser.InstallMode
  ReadRegStr $0 SHCTX "${VRK04_UNINSTALL_KEY}" "UninstallString"
  ${If} $0 == ""
    Return
  ${EndIf}
  MessageBox MB_YESNOCANCEL|MB_ICONEXCLAMATION "$(VRK04_AlreadyInstalled)" /SD IDYES IDYES uninstall IDNO keep
  Quit
uninstall:
  ; Older installs wrote the path without quotes.
  StrCpy $1 $0 1
  StrCmp $1 "$\"" 0 +2
    StrCpy $0 $0 "" 1
  StrCpy $1 $0 1 -1
  StrCmp $1 "$\"" 0 +2
    StrCpy $0 $0 -1
  StrLen $1 "\${VRK04_UNINSTALLER}"
  StrCpy $2 $0 -$1
  ClearErrors
  ; _?= runs the uninstaller in place, so that ExecWait waits for it.
  ExecWait '"$0" /S /$MultiUser.InstallMode _?=$2'
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "$(VRK04_UninstallFailed)" /SD IDOK
    Quit
  ${EndIf}
keep:
FunctionEnd

Function .onInit
  ${If} $INSTDIR != "${VRK04_DEFAULT_DIR}"
    StrCpy $VRK04_GivenDir $INSTDIR
  ${EndIf}
  !insertmacro MULTIUSER_INIT
  ; Without pages the scope is settled now; with them, once the user has
  ; chosen it (before the folder page).
  ${If} ${Silent}
    Call VRK04_UninstallPrevious
  ${EndIf}
FunctionEnd

; The uninstaller removes the install it belongs to: the scope whose
; uninstall entry names it, whatever its rights would choose by default.
Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  ReadRegStr $0 HKCU "${VRK04_UNINSTALL_KEY}" "UninstallString"
  ReadRegStr $1 HKLM "${VRK04_UNINSTALL_KEY}" "UninstallString"
  StrCpy $2 "$\"$INSTDIR\${VRK04_UNINSTALLER}$\""
  ${If} $0 == $2
  ${AndIf} $1 != $2
    Call un.MultiUser.InstallMode.CurrentUser
  ${ElseIf} $1 == $2
  ${AndIf} $0 != $2
    ${If} $MultiUser.Privileges != "Admin"
    ${AndIf} $MultiUser.Privileges != "Power"
      MessageBox MB_OK|MB_ICONSTOP "$(VRK04_AllUsersNeedsAdmin)" /SD IDOK
      Quit
    ${EndIf}
    Call un.MultiUser.InstallMode.AllUsers
  ${EndIf}
FunctionEnd
