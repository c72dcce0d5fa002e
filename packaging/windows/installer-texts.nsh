; SPDX-License-Identifier: MIT
; The installer's own texts, in its two languages.

LangString VRK04_GuideLink ${LANG_CZECH} "Návod"
LangString VRK04_GuideLink ${LANG_ENGLISH} "Guide"
LangString VRK04_GuideFile ${LANG_CZECH} "NAVOD.txt"
LangString VRK04_GuideFile ${LANG_ENGLISH} "GUIDE.txt"
LangString VRK04_FileType ${LANG_CZECH} "Konfigurace VRK-04"
LangString VRK04_FileType ${LANG_ENGLISH} "VRK-04 configuration"
LangString VRK04_AlreadyInstalled ${LANG_CZECH} \
    "Program $(^Name) je již nainstalován.$\n$\nOdinstalovat před instalací nové verze tu starou?"
LangString VRK04_AlreadyInstalled ${LANG_ENGLISH} \
    "$(^Name) is already installed.$\n$\nDo you want to uninstall the old version before installing the new one?"
LangString VRK04_UninstallFailed ${LANG_CZECH} "Odinstalace se nezdařila."
LangString VRK04_UninstallFailed ${LANG_ENGLISH} "Uninstall failed."
LangString VRK04_AllUsersNeedsAdmin ${LANG_CZECH} \
    "Program $(^Name) pro všechny uživatele počítače nainstaluje nebo odinstaluje jen správce."
LangString VRK04_AllUsersNeedsAdmin ${LANG_ENGLISH} \
    "Only an administrator can install or uninstall $(^Name) for all users of this computer."
