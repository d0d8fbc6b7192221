; One setup or uninstaller at a time on the machine: each holds a named mutex for its whole run,
; and one that finds it taken ends at once, having changed nothing. Needs SetupLog.nsh.
!define ERROR_ALREADY_EXISTS 183

!macro DEFINE_SETUP_LOCK UN
Function ${UN}TakeSetupLock
    ; The handle stays open until the process ends, so the lock goes with it, however it ends.
    System::Call 'kernel32::CreateMutexW(p 0, i 0, w "${SETUP_LOCK}") p.r0 ?e'
    Pop $1
    ${If} $0 = 0
    ${OrIf} $1 = ${ERROR_ALREADY_EXISTS}
        ${Log} "Refused: another setup or uninstaller of ${SUITE_NAME} is running"
        MessageBox MB_OK|MB_ICONSTOP "Another Setup or uninstaller of ${SUITE_NAME} is running.$\r$\n$\r$\n\
Wait until it has finished, then try again. Nothing was changed." /SD IDOK
        SetErrorLevel ${EXIT_ANOTHER_SETUP}
        Quit
    ${EndIf}
FunctionEnd
!macroend
