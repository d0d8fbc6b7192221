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
;   FILE_LIST    generated lines staging each file with its size and SHA-256
;   RELEASE_LIST generated RELEASE_FILE lines naming the same files
;   FOLDER_LIST  generated RMDir lines for their folders, deepest first
; and optionally:
;   PROGRAM_WAIT_MS   how long setup waits for a program it runs (60 s; tests lower it)
;   SIGN_COMMAND      a command that signs the file named after it in place
;   TEST_HOOKS        a test build: stops dead where NODWELL_TEST_SETUP_STOP says, and
;                     writes the file NODWELL_TEST_SETUP_WRITE_SHORT names empty
;
; Exit codes: 0 installed (or uninstalled), 1 cancelled by the user, 2 aborted by an error;
; the setup's refusals, before anything is touched: 3 no charge feature on this machine,
; 4 the charge-support probe could not be run, 5 not run as an administrator, 6 /D= named
; another folder than the suite's, 8 a file of the installed release is in use and cannot
; be moved aside, 10 another setup or uninstaller is running. Failures before the swap,
; which leave the installed release as it was: 7 a program setup waits for did not end in
; time and was ended, 9 a file of the new release could not be written whole (or one of an
; install cut short earlier cannot be put back; its journal stays for the next run).

Target ${TARGET}
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define EXIT_NO_CHARGE_FEATURE 3
!define EXIT_PROBE_NOT_RUN 4
!define EXIT_NOT_ADMINISTRATOR 5
!define EXIT_OTHER_FOLDER 6
!define EXIT_PROGRAM_TIMED_OUT 7
!define EXIT_FILE_IN_USE 8
!define EXIT_FILE_NOT_WRITTEN 9
!define EXIT_ANOTHER_SETUP 10
!define EXIT_TEST_STOPPED 99

!include "SetupNames.nsh"
!include "SetupLog.nsh"
!include "BoundedRun.nsh"
!include "AgentControl.nsh"
!include "SetAside.nsh"
!include "SetupLock.nsh"
!include "Swap.nsh"
!include "StagedFile.nsh"

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

; Registration is written for this version, or for the one whose cut-short install is finished.
Var RegisterVersion
; What a failure before the swap says of the machine.
Var Unchanged

; The start-menu folder and what the setup put in it.
!macro REMOVE_START_MENU
    Delete "${MENU_FOLDER}\${SETTINGS_LINK}"
    Delete "${MENU_FOLDER}\${INFO_LINK}"
    Delete "${MENU_FOLDER}\desktop.ini"
    RMDir "${MENU_FOLDER}"
!macroend

!insertmacro DEFINE_BOUNDED_RUN ""
!insertmacro DEFINE_BOUNDED_RUN "un."
!insertmacro DEFINE_AGENT_CONTROL ""
!insertmacro DEFINE_AGENT_CONTROL "un."
!insertmacro DEFINE_SETUP_LOG ""
!insertmacro DEFINE_SETUP_LOG "un."
!insertmacro DEFINE_SETUP_LOCK ""
!insertmacro DEFINE_SETUP_LOCK "un."
!insertmacro DEFINE_SET_ASIDE ""
!insertmacro DEFINE_SET_ASIDE "un."
!insertmacro DEFINE_SWAP ""
!insertmacro DEFINE_SWAP "un."


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
    Call TakeSetupLock
    Call RecoverInterruptedSetup
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $0 == ""
        StrCpy $Unchanged "Nothing was installed."
    ${Else}
        StrCpy $Unchanged "The installed release $0 is unchanged."
    ${EndIf}

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

; Ends setup after a failure before the swap, with the staging folder gone: $0 names the file,
; $1 says why.
Function RefuseNotWritten
    Call UndoSwap
    ${Log} "Failed: $0 could not be written whole: $1"
    MessageBox MB_OK|MB_ICONSTOP "Setup could not write $0: $1.$\r$\n$\r$\n$Unchanged" /SD IDOK
    SetErrorLevel ${EXIT_FILE_NOT_WRITTEN}
    Quit
FunctionEnd

; Runs a staged program of the new release; a timeout ends the install before the swap.
; Push the command line and the program's name for the message; pops its answer.
Function RunStagedBounded
    Exch
    Call RunBounded
    Pop $0
    Pop $1
    ${If} $0 == "timeout"
        Call UndoSwap
        StrCpy $0 $1
        StrCpy $1 $Unchanged
        Call RefuseTimedOut
    ${EndIf}
    Push $0
FunctionEnd

; The new release, whole and checked, in the staging folder, with the style sheet the picker
; chose and the start-menu folder's names the localiser wrote, both run against it.
Function StageRelease
    RMDir /r "$WorkFolder"
    SetOverwrite try
    !include "${FILE_LIST}"
    SetOutPath "$WorkFolder\files"
    ClearErrors
    WriteUninstaller "$WorkFolder\files\${UNINSTALLER}"
    ${If} ${Errors}
        StrCpy $0 "$INSTDIR\${UNINSTALLER}"
        StrCpy $1 "it could not be written"
        Call RefuseNotWritten
    ${EndIf}
    ${Log} "Files staged in $WorkFolder\files and checked"
    ; Neither setup nor the programs it runs may keep the staging folder as their current one,
    ; which would keep it from being moved or removed.
    SetDetailsPrint none
    SetOutPath "$TEMP"

    ; The picker joins its source folder and the sheet's name as they are, so the folder
    ; must arrive with its trailing backslash: doubled before the closing quote.
    Push '"$WorkFolder\files\Stylepick.exe" /path "$WorkFolder\files\auto.css" "$WorkFolder\files\CSS\\"'
    Push "The style-sheet picker"
    Call RunStagedBounded
    Pop $0
    ${Log} "Style-sheet picker answered $0"

    ; The localiser's description names both folders through these variables, which its
    ; process inherits: the installed folder its names point into, and the staged menu folder.
    CreateDirectory "$WorkFolder\menu"
    SetDetailsPrint both
    System::Call 'kernel32::SetEnvironmentVariableW(w "${SUITE_FOLDER_VARIABLE}", w "$INSTDIR")'
    System::Call 'kernel32::SetEnvironmentVariableW(w "${MENU_FOLDER_VARIABLE}", w "$WorkFolder\menu")'
    Push '"$WorkFolder\files\Menuglot.exe" ${MENU_DESCRIPTION}'
    Push "The start-menu localiser"
    Call RunStagedBounded
    Pop $0
    ${Log} "Start-menu localiser answered $0"
    !insertmacro TEST_STOP "staging"
FunctionEnd

; The staged start-menu folder, with the localiser's names, takes the old one's place.
Function PlaceStartMenu
    ${IfNot} ${FileExists} "$WorkFolder\menu\*.*"
        Return
    ${EndIf}
    SetDetailsPrint none
    !insertmacro REMOVE_START_MENU
    ClearErrors
    Rename "$WorkFolder\menu" "${MENU_FOLDER}"
    ${If} ${Errors}
        ; The start menu lies on another volume.
        CreateDirectory "${MENU_FOLDER}"
        CopyFiles /SILENT "$WorkFolder\menu\*.*" "${MENU_FOLDER}"
        SetFileAttributes "${MENU_FOLDER}" SYSTEM
    ${EndIf}
    ; The shortcuts start their programs in the suite's folder.
    SetOutPath "$INSTDIR"
    SetDetailsPrint both
    CreateShortcut "${MENU_FOLDER}\${SETTINGS_LINK}" "$INSTDIR\Nodwell.exe" "" "$INSTDIR\Nodwell.exe" 0
    CreateShortcut "${MENU_FOLDER}\${INFO_LINK}" "$INSTDIR\NodwellInfo.exe" "" "$INSTDIR\NodwellInfo.exe" 0
    ${Log} "Start-menu folder ${MENU_FOLDER} with its two shortcuts"
FunctionEnd

Function RegisterAgent
    ${IfNot} ${FileExists} "$INSTDIR\NodwellSrv.exe"
        ; Nor is the entry of a release before it left pointing at an agent that is gone.
        DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
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
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "$RegisterVersion"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Nodwell.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
    ${Log} "Registered as ${SUITE_NAME} $RegisterVersion ($0 KB) under HKLM\${UNINSTALL_KEY}"
FunctionEnd

; The web-browser control shows the information page in its old compatibility mode unless
; the program is named here; 11000 is the engine's newest standards mode for a page that
; declares its document type, as both pages do.
!define BROWSER_EMULATION_KEY "Software\Microsoft\Internet Explorer\Main\FeatureControl\FEATURE_BROWSER_EMULATION"

Function RegisterPageMode
    WriteRegDWORD HKLM "${BROWSER_EMULATION_KEY}" "NodwellInfo.exe" 11000
    ${Log} "Standards mode for NodwellInfo.exe under HKLM\${BROWSER_EMULATION_KEY}"
FunctionEnd

; Registration follows the swap; written again whole when a cut-short install is finished.
Function Register
    Call PlaceStartMenu
    Call RegisterUninstaller
    Call RecordInstalledFiles
    Call RegisterAgent
    Call RegisterPageMode
FunctionEnd

Section "Install"
    SetShellVarContext all
    ${Log} "Installing into $INSTDIR"
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $0 != ""
        ${Log} "Replacing the installed release $0"
    ${EndIf}
    Call BeginJournal
    Call FindFileNotMovable
    Pop $0
    ${If} $0 != ""
        Call UndoSwap
        ${Log} "Refused: $0 is in use and cannot be moved aside"
        MessageBox MB_OK|MB_ICONSTOP "Setup cannot replace $0, which is in use.$\r$\n$\r$\nClose \
the program that uses it and run Setup again. Nothing was changed." /SD IDOK
        SetErrorLevel ${EXIT_FILE_IN_USE}
        Quit
    ${EndIf}
    Call StageRelease

    ; A running agent would keep its program file in use.
    Call StopAgent
    Pop $0
    ${If} $0 == "timeout"
        Call UndoSwap
        StrCpy $0 "The background agent's stop switch"
        StrCpy $1 $Unchanged
        Call RefuseTimedOut
    ${EndIf}
    Call SwapIn
    Pop $0
    ${If} $0 != ""
        StrCpy $1 "it could not be moved into place"
        Call RefuseNotWritten
    ${EndIf}

    StrCpy $RegisterVersion "${VERSION}"
    Call Register
    !insertmacro TEST_STOP "registered"
    Call FinishSwap
    ${Log} "The previous release's files removed"
SectionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView ${SUITE_REG_VIEW}
    Call un.OpenSetupLog
    ${Log} "Uninstall of ${VERSION} started from $INSTDIR"
    Call un.TakeSetupLock
    Call un.RecoverInterruptedSetup
FunctionEnd

Function un.onUninstSuccess
    ${Log} "Uninstall finished"
    Call un.CloseSetupLog
FunctionEnd

Function un.onUninstFailed
    ${Log} "Uninstall failed"
    Call un.CloseSetupLog
FunctionEnd

; A file of the release goes, moved aside first when in use; a file the suite did not install
; stays, in use or not.
!macro RELEASE_FILE NAME
    Push "$INSTDIR\${NAME}"
    Call un.RemoveReleaseFile
!macroend
Function un.RemoveReleaseFile
    Pop $R9
    ${If} ${FileExists} "$R9"
        Call un.MoveAsideIfInUse
        Pop $R0
        Delete "$R9"
    ${EndIf}
FunctionEnd

; Takes away what the setup put on the machine and nothing else: no folder is removed while
; it still holds files of someone else, and every user's settings stay.
Section "Uninstall"
    Call un.StopAgent
    Pop $0
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"

    !insertmacro REMOVE_START_MENU
    ${Log} "Start-menu folder removed"

    ${GetParent} "$INSTDIR" $AsideFolder
    !include "${RELEASE_LIST}"
    !insertmacro RELEASE_FILE "auto.css"
    !insertmacro RELEASE_FILE "${UNINSTALLER}"
    !include "${FOLDER_LIST}"
    RMDir "$INSTDIR"
    ${GetParent} "$INSTDIR" $0
    ${GetFileName} "$0" $1
    ${If} $1 == "${COMPANY}"
        RMDir "$0"
    ${EndIf}
    ${Log} "Files removed from $INSTDIR"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegValue HKLM "${BROWSER_EMULATION_KEY}" "NodwellInfo.exe"
    ${Log} "Registration removed"
SectionEnd
