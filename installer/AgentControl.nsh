; Stopping the background agent of this logon session before its program file is replaced
; or removed: its stop switch asks the running agent to close, and the file is free once
; the agent's process has ended. Needs BoundedRun.nsh.
!define SYNCHRONIZE 0x00100000
!define AGENT_STOP_WAIT_MS 10000

!macro DEFINE_AGENT_CONTROL UN
; Pops "timeout" when the stop switch itself did not end in time (it has been ended), else "".
Function ${UN}StopAgent
    Push $3
    Push $0
    Push $1
    Push $2
    StrCpy $3 ""
    ${If} ${FileExists} "$INSTDIR\NodwellSrv.exe"
        ; The running agent is found by its hidden window's title, as its stop switch finds it.
        StrCpy $2 0
        FindWindow $0 "" "NodwellSrv"
        ${If} $0 <> 0
            System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
            System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p.r2'
        ${EndIf}
        Push '"$INSTDIR\NodwellSrv.exe" /u'
        Call ${UN}RunBounded
        Pop $0
        ${If} $0 == "timeout"
            ${Log} "The agent's stop switch did not end within ${PROGRAM_WAIT_SECONDS} s and was ended"
            StrCpy $3 "timeout"
        ${EndIf}
        ${If} $2 <> 0
            System::Call 'kernel32::WaitForSingleObject(p r2, i ${AGENT_STOP_WAIT_MS}) i.r0'
            System::Call 'kernel32::CloseHandle(p r2)'
            ${If} $0 = 0
                ${Log} "Background agent stopped"
            ${Else}
                ${Log} "The background agent did not stop within ${AGENT_STOP_WAIT_MS} ms"
            ${EndIf}
        ${Else}
            ${Log} "No background agent ran in this session"
        ${EndIf}
    ${EndIf}
    Pop $2
    Pop $1
    Pop $0
    Exch $3
FunctionEnd
!macroend
