; Running a program that setup waits for, never without a deadline: past PROGRAM_WAIT_MS the
; program is ended and the caller is told so. A test build lowers the bound.
!ifndef PROGRAM_WAIT_MS
    !define PROGRAM_WAIT_MS 60000
!endif
!define /math PROGRAM_WAIT_SECONDS ${PROGRAM_WAIT_MS} / 1000
!define WAIT_TIMEOUT 0x102
!define PROCESS_END_WAIT_MS 5000
!define CREATE_NO_WINDOW 0x08000000
!if ${NSIS_PTR_SIZE} > 4
    !define STARTUPINFO_SIZE 104
!else
    !define STARTUPINFO_SIZE 68
!endif

!macro DEFINE_BOUNDED_RUN UN
; Push the command line; pops the program's exit code, "error" when it could not be started,
; or "timeout" when it was still running after PROGRAM_WAIT_MS and has been ended.
Function ${UN}RunBounded
    Exch $0
    Push $1
    Push $2
    Push $3
    Push $4
    System::Alloc ${STARTUPINFO_SIZE}
    Pop $1
    System::Call '*$1(i ${STARTUPINFO_SIZE})'
    System::Call '*(p 0, p 0, i 0, i 0) p.r2'
    ; The console tools get no console window: none flashes on the user's screen.
    System::Call 'kernel32::CreateProcessW(p 0, w r0, p 0, p 0, i 0, i ${CREATE_NO_WINDOW}, p 0, p 0, p r1, p r2) i.r3'
    ${If} $3 = 0
        StrCpy $0 "error"
    ${Else}
        System::Call '*$2(p .r3, p .r4)'
        System::Call 'kernel32::CloseHandle(p r4)'
        System::Call 'kernel32::WaitForSingleObject(p r3, i ${PROGRAM_WAIT_MS}) i.r4'
        ${If} $4 = ${WAIT_TIMEOUT}
            System::Call 'kernel32::TerminateProcess(p r3, i 1)'
            System::Call 'kernel32::WaitForSingleObject(p r3, i ${PROCESS_END_WAIT_MS})'
            StrCpy $0 "timeout"
        ${Else}
            System::Call 'kernel32::GetExitCodeProcess(p r3, *i .r0)'
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r3)'
    ${EndIf}
    System::Free $2
    System::Free $1
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd
!macroend
