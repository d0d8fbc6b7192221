; Old files that are in use (another user's agent, an open settings program, a loaded library):
; Windows lets such a file be renamed but neither replaced nor deleted. Each is moved into
; the company folder, on the same volume and as closed to ordinary users as the
; installation folder, and only that moved file is deleted at the next restart: nothing in
; the suite's folder is ever listed for deletion, so a release installed before the restart
; keeps every file. Needs FileFunc.nsh and SetupLog.nsh.
!define MOVEFILE_DELAY_UNTIL_REBOOT 4
; Replacing a file needs it open for writing and deleting, shared with every other open of it:
; a running program or a loaded library refuses that, and so does an open without sharing.
!define REPLACE_ACCESS 0x40010000
!define SHARE_ALL 7
!define OPEN_EXISTING 3
!define INVALID_HANDLE -1

; Sets $R1 to 1 when the file $R9 is in use, else 0.
!macro FILE_IN_USE
    System::Call 'kernel32::CreateFileW(w R9, i ${REPLACE_ACCESS}, i ${SHARE_ALL}, p 0, i ${OPEN_EXISTING}, i 0, p 0) p.R1'
    ${If} $R1 = ${INVALID_HANDLE}
        StrCpy $R1 1
    ${Else}
        System::Call 'kernel32::CloseHandle(p R1)'
        StrCpy $R1 0
    ${EndIf}
!macroend

Var FileNotMovable
Var AsideFolder

; Pushes the first file of the installation folder that the swap moves aside (one of the new or
; the installed release) and that is in use and cannot be moved, or "" when there is none.
; Nothing is changed.
Function FindFileNotMovable
    StrCpy $FileNotMovable ""
    ${If} ${FileExists} "$INSTDIR\*.*"
        ${Locate} "$INSTDIR" "/L=F" "CheckMovable"
    ${EndIf}
    Push $FileNotMovable
FunctionEnd

; Locate's callbacks: $R9 is the file; $R0-$R5 are theirs to use.
Function CheckMovable
    StrCpy $R0 ""
    StrLen $R1 "$INSTDIR\"
    StrCpy $R2 $R9 "" $R1
    ClearErrors
    ReadRegStr $R1 HKLM "${RELEASE_FILES_KEY}" "$R2"
    ${If} ${Errors}
        ClearErrors
        ReadRegStr $R1 HKLM "${INSTALLED_FILES_KEY}" "$R2"
    ${EndIf}
    ${If} ${Errors}
        StrCpy $R1 0
    ${Else}
        !insertmacro FILE_IN_USE
    ${EndIf}
    ${If} $R1 = 1
        ; A rename there and back tells whether it can be moved aside.
        ClearErrors
        Rename "$R9" "$R9.movable"
        ${If} ${Errors}
            StrCpy $FileNotMovable $R9
            StrCpy $R0 "StopLocate"
        ${Else}
            Rename "$R9.movable" "$R9"
        ${EndIf}
    ${EndIf}
    ClearErrors
    Push $R0
FunctionEnd

!macro DEFINE_SET_ASIDE UN
; Push a folder: each file in use under it is moved aside and goes at the next restart.
Function ${UN}MoveAsideFilesInUse
    Exch $0
    ${If} ${FileExists} "$0\*.*"
        ${GetParent} "$INSTDIR" $AsideFolder
        ${Locate} "$0" "/L=F" "${UN}MoveAsideIfInUse"
        ClearErrors
    ${EndIf}
    Pop $0
FunctionEnd

Function ${UN}MoveAsideIfInUse
    !insertmacro FILE_IN_USE
    ${If} $R1 = 1
        GetTempFileName $R0 "$AsideFolder"
        Delete "$R0"
        ClearErrors
        Rename "$R9" "$R0"
        ${If} ${Errors}
            ; Held open without delete sharing, as an uninstaller run in place holds itself.
            ${Log} "In use: $R9, which cannot be moved aside and stays"
        ${Else}
            System::Call 'kernel32::MoveFileExW(w R0, p 0, i ${MOVEFILE_DELAY_UNTIL_REBOOT})'
            ${Log} "In use: $R9, moved aside to $R0, which goes at the next restart"
        ${EndIf}
    ${EndIf}
    ClearErrors
    Push ""
FunctionEnd
!macroend
