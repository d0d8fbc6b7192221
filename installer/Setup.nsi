; Setup program of the suite: one per-machine, elevated installation into the one folder its
; programs find one another in, under the Program Files folder of the suite's programs, with
; silent install (/S) and silent uninstall. A /D= naming any other folder is refused. Neither
; the agent nor the settings program is started from the elevated setup: the agent starts at
; each user's logon, with that user's own rights.
;
; The build passes:
;   STAGING      the folder `cmake --install` laid out: everything here is installed
;   VERSION      the version shown in Add/Remove Programs
;   TARGET       x86-unicode for the 32-bit suite, amd64-unicode for the 64-bit variant
;   OUTFILE      the setup program to write
;   FILE_LIST    generated File lines for the staged files
;   REMOVE_LIST  generated Delete/RMDir lines for the same files, for the uninstaller and
;                for taking away an installation that could not finish
; and optionally:
;   PROGRAM_WAIT_MS  how long setup waits for a program it runs (60 s; tests lower it)
;   SIGN_COMMAND     a command that signs the file named after it in place
;
; Exit codes: 0 installed (or uninstalled), 1 cancelled by the user, 2 aborted by an error;
; the setup's refusals, before anything is touched: 3 no charge feature on this machine,
; 4 the charge-support probe could not be run, 5 not run as an administrator, 6 /D= named
; another folder than the suite's, 8 a file of the installed release is in use and cannot
; be moved aside. 7: a program setup waits for did not end in time and was ended; what this
; run had installed is taken away again (a previous release its uninstaller had begun to
; remove stays as that uninstaller left it).

Target ${TARGET}
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!include "SetupNames.nsh"
!include "SetupLog.nsh"
!include "BoundedRun.nsh"
!include "AgentControl.nsh"
!include "SetAside.nsh"

!define EXIT_NO_CHARGE_FEATURE 3
!define EXIT_PROBE_NOT_RUN 4
!define EXIT_NOT_ADMINISTRATOR 5
!define EXIT_OTHER_FOLDER 6
!define EXIT_PROGRAM_TIMED_OUT 7
!define EXIT_FILE_IN_USE 8

Name "${SUITE_NAME}"
Caption "${SUITE_NAME} ${VERSION} Setup"
OutFile "${OUTFILE}"
; The uninstaller is signed before it is packed, so that the one an install writes carries
; the signature; the setup once it is written.
!ifdef SIGN_COMMAND
    !uninstfinalize '${SIGN_COMMAND} "%1"' = 0
    !finalize '${SIGN_COMMAND} "%1"' = 0
!endif
; The setup has the bitness of the suite's programs: it writes their registry view and
; installs into their Program Files folder.
!if ${NSIS_PTR_SIZE} > 4
    !define SUITE_PROGRAM_FILES "$PROGRAMFILES64"
    !define SUITE_REG_VIEW 64
!else
    !define SUITE_PROGRAM_FILES "$PROGRAMFILES32"
    !define SUITE_REG_VIEW 32
!endif
!define SUITE_FOLDER "${SUITE_PROGRAM_FILES}\${COMPANY}\${SUITE_NAME}"
InstallDir "${SUITE_FOLDER}"
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
Open it from the ${SUITE_NAME} folder of the Start menu. Its background agent starts when a \
user next logs on.$\r$\n$\r$\nClick Finish to close Setup."

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

!insertmacro DEFINE_BOUNDED_RUN ""
!insertmacro DEFINE_BOUNDED_RUN "un."
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
    Call CheckInstallFolder

    ; The probe answers 0 only when the firmware offers the charge feature; the suite is
    ; of no use on any other machine. It is extracted without SetOutPath, which would make
    ; the plug-ins folder the current one and keep it from being removed when Setup ends.
    InitPluginsDir
    File "/oname=$PLUGINSDIR\Portsense.exe" "${STAGING}\Portsense.exe"
    Push '"$PLUGINSDIR\Portsense.exe"'
    Call RunBounded
    Pop $0
    ${If} $0 == "timeout"
        StrCpy $0 "The charge-support probe"
        StrCpy $1 "Nothing was changed."
        Call RefuseTimedOut
    ${ElseIf} $0 == "error"
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

; Pushes a folder in one spelling: full, with long names, without a trailing backslash.
Function NormalFolder
    Exch $0
    Push $1
    Push $2
    System::Call 'kernel32::GetFullPathNameW(w r0, i ${NSIS_MAX_STRLEN}, w .r1, p 0) i.r2'
    ${If} $2 <> 0
        StrCpy $0 $1
    ${EndIf}
    System::Call 'kernel32::GetLongPathNameW(w r0, w .r1, i ${NSIS_MAX_STRLEN}) i.r2'
    ${If} $2 <> 0
        StrCpy $0 $1
    ${EndIf}
    StrCpy $1 $0 1 -1
    ${DoWhile} $1 == "\"
        StrCpy $0 $0 -1
        StrCpy $1 $0 1 -1
    ${Loop}
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; The programs find one another, the help page its style sheet and every user's logon the
; agent only in the suite's folder; another one may also be open to ordinary users.
Function CheckInstallFolder
    Push $INSTDIR
    Call NormalFolder
    Pop $0
    Push "${SUITE_FOLDER}"
    Call NormalFolder
    Pop $1
    ; StrCmp compares without regard to case, as Windows compares paths.
    ${If} $0 != $1
        ${Log} "Refused: asked to install into $0"
        MessageBox MB_OK|MB_ICONSTOP "${SUITE_NAME} can only be installed in $1, where its programs \
find one another.$\r$\n$\r$\nSetup does not install it in $0." /SD IDOK
        SetErrorLevel ${EXIT_OTHER_FOLDER}
        Quit
    ${EndIf}
    StrCpy $INSTDIR $1
FunctionEnd

; Ends setup after a program it ran had to be ended: $0 names the program, $1 says what
; became of the machine.
Function RefuseTimedOut
    ${Log} "Refused: $0 did not end within ${PROGRAM_WAIT_SECONDS} s and was ended"
    MessageBox MB_OK|MB_ICONSTOP "$0 did not finish within ${PROGRAM_WAIT_SECONDS} seconds, so Setup \
ended it and stopped.$\r$\n$\r$\n$1" /SD IDOK
    SetErrorLevel ${EXIT_PROGRAM_TIMED_OUT}
    Quit
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
; keeping the users' settings. It is run from a copy, as it runs itself when started from
; Add/Remove Programs: run in place it could not delete itself and would list its file, and
; with it the folder, for deletion at the next restart, when both belong to this release.
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
    CopyFiles /SILENT "$0\${UNINSTALLER}" "$PLUGINSDIR"
    Push '"$PLUGINSDIR\${UNINSTALLER}" /S _?=$0'
    Call RunBounded
    Pop $2
    ${If} $2 == "timeout"
        StrCpy $0 "The uninstaller of the previous release"
        StrCpy $1 "The previous release may be partly removed. Run Setup again once the cause is mended."
        Call RefuseTimedOut
    ${EndIf}
    ${Log} "Previous uninstaller ended with $2"
    Delete "$0\${UNINSTALLER}"
    RMDir "$0"
FunctionEnd

Function RunStylePicker
    ; The picker joins its source folder and the sheet's name as they are, so the folder
    ; must arrive with its trailing backslash: doubled before the closing quote.
    Push '"$INSTDIR\Stylepick.exe" /path "$INSTDIR\auto.css" "$INSTDIR\CSS\\"'
    Call RunBounded
    Pop $0
    ${If} $0 == "timeout"
        Call UndoInstallation
        StrCpy $0 "The style-sheet picker"
        StrCpy $1 "What Setup had installed has been taken away again."
        Call RefuseTimedOut
    ${EndIf}
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
    Push '"$INSTDIR\Menuglot.exe" ${MENU_DESCRIPTION}'
    Call RunBounded
    Pop $0
    ${If} $0 == "timeout"
        Call UndoInstallation
        StrCpy $0 "The start-menu localiser"
        StrCpy $1 "What Setup had installed has been taken away again."
        Call RefuseTimedOut
    ${EndIf}
    ${Log} "Start-menu localiser answered $0"
FunctionEnd

Function RegisterAgent
    ${IfNot} ${FileExists} "$INSTDIR\NodwellSrv.exe"
        ${Log} "No background agent in this release"
        Return
    ${EndIf}
    ; Every user's logon starts the agent with that user's own rights. Setup itself starts
    ; none: one started from here would keep the administrator's rights until logoff.
    WriteRegStr HKLM "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\NodwellSrv.exe"'
    ${Log} "Run entry HKLM\${RUN_KEY}\${RUN_VALUE}"
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

; The web-browser control shows the information page in its old compatibility mode unless
; the program is named here; 11000 is the engine's newest standards mode for a page that
; declares its document type, as both pages do.
!define BROWSER_EMULATION_KEY "Software\Microsoft\Internet Explorer\Main\FeatureControl\FEATURE_BROWSER_EMULATION"

Function RegisterPageMode
    WriteRegDWORD HKLM "${BROWSER_EMULATION_KEY}" "NodwellInfo.exe" 11000
    ${Log} "Standards mode for NodwellInfo.exe under HKLM\${BROWSER_EMULATION_KEY}"
FunctionEnd

Section "Install"
    SetShellVarContext all
    ${Log} "Installing into $INSTDIR"
    ; A running agent would keep its program file in use.
    Call StopAgent
    Pop $0
    ${If} $0 == "timeout"
        StrCpy $0 "The background agent's stop switch"
        StrCpy $1 "Nothing was changed."
        Call RefuseTimedOut
    ${EndIf}
    Call FindFileNotMovable
    Pop $0
    ${If} $0 != ""
        ${Log} "Refused: $0 is in use and cannot be moved aside"
        MessageBox MB_OK|MB_ICONSTOP "Setup cannot replace $0, which is in use.$\r$\n$\r$\nClose \
the program that uses it and run Setup again. Nothing was changed." /SD IDOK
        SetErrorLevel ${EXIT_FILE_IN_USE}
        Quit
    ${EndIf}
    Call MoveAsideFilesInUse
    Call RemovePreviousRelease

    SetOverwrite on
    !include "${FILE_LIST}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    ${Log} "Files copied"

    Call RunStylePicker
    Call CreateStartMenu
    Call RegisterUninstaller
    Call RegisterAgent
    Call RegisterPageMode
SectionEnd

; Takes away what the setup put on the machine and nothing else: no folder is removed
; while it still holds files of someone else, and every user's settings stay.
!macro REMOVE_SUITE UN
    Call ${UN}StopAgent
    Pop $0
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
    DeleteRegValue HKLM "${BROWSER_EMULATION_KEY}" "NodwellInfo.exe"
    ${Log} "Registration removed"
!macroend

; What this run installed, taken away again when it cannot finish.
Function UndoInstallation
    ${Log} "Taking away what this run installed"
    ; The current folder could not be removed.
    SetOutPath "$TEMP"
    !insertmacro REMOVE_SUITE ""
FunctionEnd

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

Section "Uninstall"
    !insertmacro REMOVE_SUITE "un."
SectionEnd
