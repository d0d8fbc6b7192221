; What the setup and the uninstaller did, appended to one UTF-16 text file in the running
; user's temporary folder: it outlives both the installation folder and a refusal.
!define SETUP_LOG_FILE "$TEMP\CorvaneVezuvUvodozaSetup.log"

Var SetupLogFile

!macro WRITE_SETUP_LOG text
    ${If} $SetupLogFile != ""
        FileWriteUTF16LE $SetupLogFile "${text}$\r$\n"
    ${EndIf}
!macroend
!define Log "!insertmacro WRITE_SETUP_LOG"

!macro DEFINE_SETUP_LOG UN
Function ${UN}OpenSetupLog
    Push $0
    Push $1
    Push $2
    Push $3
    Push $4
    Push $5
    Push $6
    ClearErrors
    FileOpen $SetupLogFile "${SETUP_LOG_FILE}" a
    ${If} ${Errors}
        StrCpy $SetupLogFile ""
    ${Else}
        FileSeek $SetupLogFile 0 END $0
        ${If} $0 = 0
            FileWriteWord $SetupLogFile 0xFEFF
        ${EndIf}
        ${GetTime} "" "L" $0 $1 $2 $3 $4 $5 $6
        ${Log} "[$2-$1-$0 $4:$5:$6]"
    ${EndIf}
    Pop $6
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

Function ${UN}CloseSetupLog
    ${If} $SetupLogFile != ""
        FileClose $SetupLogFile
        StrCpy $SetupLogFile ""
    ${EndIf}
FunctionEnd
!macroend
