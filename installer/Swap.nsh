; The old release stays whole until the new one is: the new release is staged beside the
; installed folder, on the same volume and as closed to ordinary users, and only then swapped
; in by renames, the installed release's own files moved into the staging folder's "previous"
; folder and the new ones out of its "files" folder; any other file of the suite's folder
; stays where it is. Registration follows the swap; the old files go last. A journal under
; the suite's key keeps the swap's step, so that the next setup, or the uninstaller, can
; finish or undo a swap that was cut short:
;   staging   the new release is being staged; nothing installed has changed
;   aside     the installed release's files are being moved into "previous"
;   in        the new release's files are being moved into the installed folder
;   swapped   every new file is in place; registration follows, then the old files go
; Needs FileFunc.nsh, SetupLog.nsh and SetAside.nsh.

Var WorkFolder
Var JournalStep
; What MoveTree and MoveListed move, where to, and the first file they could not move ("" when
; none); the key listing the files MoveListed moves.
Var TreeFrom
Var TreeTo
Var TreeFailed
Var TreeList

!macro MOVE_TREE UN FROM TO
    StrCpy $TreeFrom "${FROM}"
    StrCpy $TreeTo "${TO}"
    Call ${UN}MoveTree
!macroend

!macro MOVE_LISTED UN LIST FROM TO
    StrCpy $TreeList "${LIST}"
    StrCpy $TreeFrom "${FROM}"
    StrCpy $TreeTo "${TO}"
    Call ${UN}MoveListed
!macroend

; A test build stops dead at a named point, as a setup that is killed or loses power would.
!macro TEST_STOP POINT
!ifdef TEST_HOOKS
    Push $0
    ReadEnvStr $0 NODWELL_TEST_SETUP_STOP
    ${If} $0 == "${POINT}"
        ${Log} "Test build: stopped at ${POINT}"
        System::Call 'kernel32::TerminateProcess(p -1, i ${EXIT_TEST_STOPPED})'
    ${EndIf}
    Pop $0
!endif
!macroend

!macro DEFINE_SWAP UN
; Moves every file under $TreeFrom to the same place under $TreeTo by renames, and stops at the
; first one that cannot be moved.
Function ${UN}MoveTree
    StrCpy $TreeFailed ""
    ${If} ${FileExists} "$TreeFrom\*.*"
        ; The setup's details show what is installed, not each step of the swap.
        SetDetailsPrint none
        ${Locate} "$TreeFrom" "/L=F" "${UN}MoveTreeFile"
        SetDetailsPrint both
    ${EndIf}
    ClearErrors
FunctionEnd

; Locate's callback: $R9 is the file; $R0-$R5 are its to use.
Function ${UN}MoveTreeFile
    StrLen $R0 "$TreeFrom\"
    StrCpy $R1 $R9 "" $R0
    ${GetParent} "$TreeTo\$R1" $R2
    CreateDirectory "$R2"
    ClearErrors
    Rename "$R9" "$TreeTo\$R1"
    StrCpy $R0 ""
    ${If} ${Errors}
        StrCpy $TreeFailed "$R9"
        StrCpy $R0 "StopLocate"
    ${EndIf}
    ClearErrors
    !if "${UN}" == ""
        !insertmacro TEST_STOP "$JournalStep"
    !endif
    Push $R0
FunctionEnd

; Moves each file listed under $TreeList from $TreeFrom to the same place under $TreeTo by
; renames, and the folders that leaves empty go; stops at the first one that cannot be moved.
; The suite's folder may also hold files the suite never installed: those are not listed.
Function ${UN}MoveListed
    StrCpy $TreeFailed ""
    StrCpy $R0 0
    ${Do}
        ClearErrors
        EnumRegValue $R1 HKLM "$TreeList" $R0
        ${If} ${Errors}
        ${OrIf} $R1 == ""
            ${ExitDo}
        ${EndIf}
        IntOp $R0 $R0 + 1
        ${IfNot} ${FileExists} "$TreeFrom\$R1"
        ${OrIf} ${FileExists} "$TreeFrom\$R1\*.*"
            ${Continue}
        ${EndIf}
        ${GetParent} "$TreeTo\$R1" $R2
        CreateDirectory "$R2"
        ClearErrors
        Rename "$TreeFrom\$R1" "$TreeTo\$R1"
        ${If} ${Errors}
            StrCpy $TreeFailed "$TreeFrom\$R1"
            ${ExitDo}
        ${EndIf}
        ${GetParent} "$TreeFrom\$R1" $R2
        ${DoWhile} $R2 != $TreeFrom
            ClearErrors
            RMDir "$R2"
            ${IfThen} ${Errors} ${|} ${ExitDo} ${|}
            ${GetParent} "$R2" $R2
        ${Loop}
        !if "${UN}" == ""
            !insertmacro TEST_STOP "$JournalStep"
        !endif
    ${Loop}
    ClearErrors
FunctionEnd

; Takes a cut-short install back to the release installed before it, from the journal's step,
; and removes the staging folder and the journal. A release folder this run made is removed
; again when empty. Where a file cannot be moved back, the journal stays at the step reached,
; with every file kept, for the next run to go on from.
Function ${UN}UndoSwap
    StrCpy $TreeFailed ""
    ${If} $JournalStep == "in"
        !insertmacro MOVE_LISTED "${UN}" "${RELEASE_FILES_KEY}" "$INSTDIR" "$WorkFolder\files"
        ${If} $TreeFailed == ""
            StrCpy $JournalStep "aside"
            WriteRegStr HKLM "${JOURNAL_KEY}" "Step" "$JournalStep"
        ${EndIf}
    ${EndIf}
    ${If} $JournalStep == "aside"
        !insertmacro MOVE_TREE "${UN}" "$WorkFolder\previous" "$INSTDIR"
    ${EndIf}
    ${If} $TreeFailed != ""
        ${Log} "Could not move $TreeFailed back; the next run goes on from step $JournalStep"
        Return
    ${EndIf}
    SetDetailsPrint none
    !include "${FOLDER_LIST}"
    RMDir "$INSTDIR"
    SetDetailsPrint both
    Call ${UN}RemoveWorkFolder
FunctionEnd

; The swap is complete and registered: the old files go, those in use moved aside first.
Function ${UN}FinishSwap
    Push "$WorkFolder"
    Call ${UN}MoveAsideFilesInUse
    Call ${UN}RemoveWorkFolder
FunctionEnd

Function ${UN}RemoveWorkFolder
    ; The working folder must not be the current one, which cannot be removed.
    SetDetailsPrint none
    SetOutPath "$TEMP"
    RMDir /r "$WorkFolder"
    SetDetailsPrint both
    DeleteRegKey HKLM "${JOURNAL_KEY}"
    ; The keys above it only when nothing else is kept there.
    DeleteRegKey /ifempty HKLM "${JOURNAL_PARENT_KEY}"
    DeleteRegKey /ifempty HKLM "${COMPANY_KEY}"
    StrCpy $JournalStep ""
FunctionEnd

; Before anything else: a swap an earlier run left in its journal is finished when all the new
; files were in place (the setup registering that release again), else undone.
Function ${UN}RecoverInterruptedSetup
    StrCpy $WorkFolder "$INSTDIR.setup"
    ReadRegStr $JournalStep HKLM "${JOURNAL_KEY}" "Step"
    ReadRegStr $0 HKLM "${JOURNAL_KEY}" "Version"
    ${If} $JournalStep == "swapped"
        ${Log} "An install of $0 was cut short after its files were in place; finishing it"
        !if "${UN}" == ""
            StrCpy $RegisterVersion $0
            Call Register
        !endif
        Call ${UN}FinishSwap
        ${Log} "The cut-short install is finished"
    ${ElseIf} $JournalStep != ""
        ${Log} "An install of $0 was cut short at step $JournalStep; undoing it"
        Call ${UN}UndoSwap
        ${If} $JournalStep != ""
            MessageBox MB_OK|MB_ICONSTOP "An earlier Setup of ${SUITE_NAME} was cut short, and $TreeFailed \
cannot be put back.$\r$\n$\r$\nClose the program that uses it and try again." /SD IDOK
            SetErrorLevel ${EXIT_FILE_NOT_WRITTEN}
            Quit
        ${EndIf}
        ${Log} "The install of $0 is undone: the release installed before it stays"
    ${ElseIf} ${FileExists} "$WorkFolder\*.*"
        ; Left by a run that ended before it began its journal.
        Call ${UN}RemoveWorkFolder
    ${EndIf}
FunctionEnd
!macroend

; The new release's files, and those the setup writes itself, listed in the journal before
; anything is staged: what the swap moves aside and in, and what an undo takes back out.
!macro RELEASE_FILE NAME
    WriteRegStr HKLM "${RELEASE_FILES_KEY}" "${NAME}" ""
!macroend
Function BeginJournal
    Push "staging"
    Call WriteJournal
    DeleteRegKey HKLM "${RELEASE_FILES_KEY}"
    !include "${RELEASE_LIST}"
    !insertmacro RELEASE_FILE "auto.css"
    !insertmacro RELEASE_FILE "${UNINSTALLER}"
FunctionEnd
!macroundef RELEASE_FILE

; At registration the journal's list becomes the installed release's, for the next setup.
Function RecordInstalledFiles
    DeleteRegKey HKLM "${INSTALLED_FILES_KEY}"
    StrCpy $R0 0
    ${Do}
        ClearErrors
        EnumRegValue $R1 HKLM "${RELEASE_FILES_KEY}" $R0
        ${If} ${Errors}
        ${OrIf} $R1 == ""
            ${ExitDo}
        ${EndIf}
        WriteRegStr HKLM "${INSTALLED_FILES_KEY}" "$R1" ""
        IntOp $R0 $R0 + 1
    ${Loop}
FunctionEnd

Function WriteJournal
    Exch $0
    StrCpy $JournalStep $0
    WriteRegStr HKLM "${JOURNAL_KEY}" "Step" "$0"
    WriteRegStr HKLM "${JOURNAL_KEY}" "Version" "${VERSION}"
    Pop $0
FunctionEnd

; Swaps the staged release in; pushes "" or the file that could not be moved, after undoing.
Function SwapIn
    Push "aside"
    Call WriteJournal
    ; The installed release's files: those this release also brings, and those it recorded.
    !insertmacro MOVE_LISTED "" "${RELEASE_FILES_KEY}" "$INSTDIR" "$WorkFolder\previous"
    ${If} $TreeFailed == ""
        !insertmacro MOVE_LISTED "" "${INSTALLED_FILES_KEY}" "$INSTDIR" "$WorkFolder\previous"
    ${EndIf}
    ${If} $TreeFailed == ""
        Push "in"
        Call WriteJournal
        !insertmacro MOVE_TREE "" "$WorkFolder\files" "$INSTDIR"
    ${EndIf}
    ${If} $TreeFailed != ""
        Push $TreeFailed
        Call UndoSwap
        Return
    ${EndIf}
    Push "swapped"
    Call WriteJournal
    !insertmacro TEST_STOP "swapped"
    ${Log} "New files swapped in"
    Push ""
FunctionEnd
