; Names the setup and its uninstaller share, and that the installer's tests look for.
!define SUITE_NAME "Corvane Vezuv Uvodoza"
!define COMPANY "Corvane"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\CorvaneVezuvUvodoza"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "NodwellSrv"

; In the all-users start menu.
!define MENU_FOLDER "$SMPROGRAMS\${SUITE_NAME}"
!define SETTINGS_LINK "Corvane Vezuv Uvodoza.lnk"
!define INFO_LINK "Corvane Zazez Information.lnk"

; The localiser's description, installed beside it, and the variables it names.
!define MENU_DESCRIPTION "StartMenu.ini"
!define SUITE_FOLDER_VARIABLE "CorvaneSuiteFolder"
!define MENU_FOLDER_VARIABLE "CorvaneMenuFolder"

; The journal of an install's swap, under the suite's key, and the lock that lets one setup or
; uninstaller at a time change the machine.
!define COMPANY_KEY "Software\Corvane"
!define JOURNAL_PARENT_KEY "${COMPANY_KEY}\Nodwell"
!define JOURNAL_KEY "${JOURNAL_PARENT_KEY}\Setup"
!define SETUP_LOCK "Global\CorvaneVezuvUvodozaSetup"

; The files of a release, one value named after each, relative to the suite's folder: those an
; install brings, listed in its journal, and those of the installed release, recorded at its
; registration. The suite's folder may hold files of others, which setup leaves where they are.
!define RELEASE_FILES_KEY "${JOURNAL_KEY}\Files"
!define INSTALLED_FILES_KEY "${UNINSTALL_KEY}\Files"
