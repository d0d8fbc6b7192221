; Setup program of the suite: one per-machine, elevated installation under the Program Files
; folder of the suite's programs, with silent install (/S, /D=) and silent uninstall.
;
; The build passes:
;   STAGING      the folder `cmake --install` laid out: everything here is installed
;   VERSION      the version shown in Add/Remove Programs
;   TARGET       x86-unicode for the 32-bit suite, amd64-unicode for the 64-bit variant
;   OUTFILE      the setup program to write
;   FILE_LIST    generated File lines for the staged files
;   REMOVE_LIST  generated Delete/RMDir lines for the same files, for the uninstaller
;
; Exit codes: 0 installed (or uninstalled), 1 cancelled by the user, 2 aborted by an error;
; the setup's refusals, before anything is touched: 3 no charge feature on this machine,
; 4 the charge-support probe could not be run, 5 not run as an administrator.

Target ${TARGET}
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!include "SetupNames.nsh"
!include "SetupLog.nsh"
!include "AgentControl.nsh"

!define EXIT_NO_CHARGE_FEATURE 3
!define EXIT_PROBE_NOT_RUN 4
!define EXIT_NOT_ADMINISTRATOR 5

Name "${SUITE_NAME}"
Caption "${SUITE_NAME} ${VERSION} Setup"
OutFile "${OUTFILE}"
; The setup has the bitness of the suite's programs: it writes their registry view and
; installs into their Program Files folder.
!if ${NSIS_PTR_SIZE} > 4
    !define SUITE_PROGRAM_FILES "$PROGRAMFILES64"
    !define SUITE_REG_VIEW 64
!else
    !define SUITE_PROGRAM_FILES "$PROGRAMFILES32"
    !define SUITE_REG_VIEW 32
!endif
InstallDir "${SUITE_PROGRAM_FILES}\${COMPANY}\${SUITE_NAME}"
; An upgrade goes where the installed release is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${COMPANY}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${SUITE_NAME}"
VIAddVersionKey "CompanyName" "${COMPANY}"
VIAddVersionKey "FileDescription" "${SUITE_NAME} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${COMPANY}"

!define MUI_ICON "${APP_ICON}"
!define MUI_UNICON "${APP_ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "res\wizard.bmp"
!define MUI_ABORTWARNING
; The progress page stays with its details until Next is pressed.
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_WELCOMEPAGE_TITLE "Welcome to the ${SUITE_NAME} Setup"
!define MUI_WELCOMEPAGE_TEXT "This will install ${SUITE_NAME} ${VERSION} on your computer.$\r$\n$\r$\n\
${SUITE_NAME} sets what the computer's USB ports and speakers do while it sleeps, hibernates \
or is shut down: Zazez and Charge and Zazez and Music.$\r$\n$\r$\nClick Next to continue."
!define MUI_FINISHPAGE_TITLE "${SUITE_NAME} is installed"
!define MUI_FINISHPAGE_TEXT "${SUITE_NAME} ${VERSION} has been installed on your computer.$\r$\n$\r$\n\
Open it from the ${SUITE_NAME} folder of the Start menu.$\r$\n$\r$\nClick Finish to close Setup."
!define MUI_FINISHPAGE_RUN "$INSTDIR\Nodwell.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Open ${SUITE_NAME} settings now"
!define MUI_FINISHPAGE_RUN_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

!insertmacro DEFINE_AGENT_CONTROL ""
!insertmacro DEFINE_AGENT_CONTROL "un."
!insertmacro DEFINE_SETUP_LOG ""
!insertmacro DEFINE_SETUP_LOG "un."

Function .onInit
    SetShellVarContext all
    SetRegView ${SUITE_REG_VIEW}
    Call OpenSetupLog
    ${Log} "Setup ${VERSION} started: $CMDLINE"

    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        ${Log} "Refused: the account is not an administrator ($0)"
        MessageBox MB_OK|MB_ICONSTOP "${SUITE_NAME} is installed for all users of this computer. \
Run Setup as an administrator." /SD IDOK
        SetErrorLevel ${EXIT_NOT_ADMINISTRATOR}
        Quit
    ${EndIf}

    ; The probe answers 0 only when the firmware offers the charge feature; the suite is
    ; of no use on any other machine. It is extracted without SetOutPath, which would make
    ; the plug-ins folder the current one and keep it from being removed when Setup ends.
    InitPluginsDir
    File "/oname=$PLUGINSDIR\Portsense.exe" "${STAGING}\Portsense.exe"
    ClearErrors
    ExecWait '"$PLUGINSDIR\Portsense.exe"' $0
    ${If} ${Errors}
        ${Log} "Refused: the charge-support probe could not be run"
        MessageBox MB_OK|MB_ICONSTOP "Setup could not check this computer for the Zazez and Charge feature." /SD IDOK
        SetErrorLevel ${EXIT_PROBE_NOT_RUN}
        Quit
    ${EndIf}
    ${Log} "Charge-support probe answered $0"
    ${If} $0 <> 0
        ${Log} "Refused: this computer has no Zazez and Charge feature"
        MessageBox MB_OK|MB_ICONSTOP "This computer does not have the Zazez and Charge feature.$\r$\n$\r$\n\
${SUITE_NAME} cannot be installed on it." /SD IDOK
        SetErrorLevel ${EXIT_NO_CHARGE_FEATURE}
        Quit
    ${EndIf}
FunctionEnd

Function .onInstSuccess
    ${Log} "Setup finished"
    Call CloseSetupLog
FunctionEnd

Function .onInstFailed
    ${Log} "Setup failed"
    Call CloseSetupLog
FunctionEnd

; A release registered elsewhere, or the same folder holding an older release: its own
; uninstaller takes away what it put there (files this release no longer has included),
; keeping the users' settings. It is run in place and waited for.
Function RemovePreviousRelease
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == ""
        Return
    ${EndIf}
    ${IfNot} ${FileExists} "$0\${UNINSTALLER}"
        ${Log} "Previous release at $0 has no uninstaller; installing over it"
        Return
    ${EndIf}
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ${Log} "Removing the previous release $1 from $0"
    ClearErrors
    ExecWait '"$0\${UNINSTALLER}" /S _?=$0' $2
    ${Log} "Previous uninstaller ended with $2"
    Delete "$0\${UNINSTALLER}"
    RMDir "$0"
FunctionEnd

Function RunStylePicker
    ; The picker joins its source folder and the sheet's name as they are, so the folder
    ; must arrive with its trailing backslash: doubled before the closing quote.
    ExecWait '"$INSTDIR\Stylepick.exe" /path "$INSTDIR\auto.css" "$INSTDIR\CSS\\"' $0
    ${Log} "Style-sheet picker answered $0"
FunctionEnd

Function CreateStartMenu
    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\${SETTINGS_LINK}" "$INSTDIR\Nodwell.exe" "" "$INSTDIR\Nodwell.exe" 0
    CreateShortcut "${MENU_FOLDER}\${INFO_LINK}" "$INSTDIR\NodwellInfo.exe" "" "$INSTDIR\NodwellInfo.exe" 0
    ${Log} "Start-menu folder ${MENU_FOLDER} with its two shortcuts"

    ; The localiser's description names both folders through these variables, which its
    ; process inherits.
    System::Call 'kernel32::SetEnvironmentVariableW(w "${SUITE_FOLDER_VARIABLE}", w "$INSTDIR")'
    System::Call 'kernel32::SetEnvironmentVariableW(w "${MENU_FOLDER_VARIABLE}", w "${MENU_FOLDER}")'
    ExecWait '"$INSTDIR\Menuglot.exe" ${MENU_DESCRIPTION}' $0
    ${Log} "Start-menu localiser answered $0"
FunctionEnd

Function RegisterAgent
    ${IfNot} ${FileExists} "$INSTDIR\NodwellSrv.exe"
        ${Log} "No background agent in this release"
        Return
    ${EndIf}
    ; Every user's logon starts the agent with that user's own rights.
    WriteRegStr HKLM "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\NodwellSrv.exe"'
    ${Log} "Run entry HKLM\${RUN_KEY}\${RUN_VALUE}"
    Exec '"$INSTDIR\NodwellSrv.exe"'
    ${Log} "Background agent started"
FunctionEnd

Function RegisterUninstaller
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${SUITE_NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Nodwell.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
    ${Log} "Registered as ${SUITE_NAME} ${VERSION} ($0 KB) under HKLM\${UNINSTALL_KEY}"
FunctionEnd

Section "Install"
    SetShellVarContext all
    ${Log} "Installing into $INSTDIR"
    Call RemovePreviousRelease
    ; A running agent would keep its program file in use.
    Call StopAgent

    SetOverwrite on
    !include "${FILE_LIST}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    ${Log} "Files copied"

    Call RunStylePicker
    Call CreateStartMenu
    Call RegisterUninstaller
    Call RegisterAgent
SectionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView ${SUITE_REG_VIEW}
    Call un.OpenSetupLog
    ${Log} "Uninstall of ${VERSION} started from $INSTDIR"
FunctionEnd

Function un.onUninstSuccess
    ${Log} "Uninstall finished"
    Call un.CloseSetupLog
FunctionEnd

Function un.onUninstFailed
    ${Log} "Uninstall failed"
    Call un.CloseSetupLog
FunctionEnd

; Takes away what the setup put on the machine and nothing else: no folder is removed
; while it still holds files of someone else, and every user's settings stay.
Section "Uninstall"
    Call un.StopAgent
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"

    Delete "${MENU_FOLDER}\${SETTINGS_LINK}"
    Delete "${MENU_FOLDER}\${INFO_LINK}"
    Delete "${MENU_FOLDER}\desktop.ini"
    RMDir "${MENU_FOLDER}"
    ${Log} "Start-menu folder removed"

    !include "${REMOVE_LIST}"
    Delete /REBOOTOK "$INSTDIR\auto.css"
    Delete /REBOOTOK "$INSTDIR\${UNINSTALLER}"
    RMDir /REBOOTOK "$INSTDIR"
    ${GetParent} "$INSTDIR" $0
    ${GetFileName} "$0" $1
    ${If} $1 == "${COMPANY}"
        RMDir "$0"
    ${EndIf}
    ${Log} "Files removed from $INSTDIR"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ${Log} "Registration removed"
SectionEnd
