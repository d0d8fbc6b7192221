; Each file of the release is written into the staging folder and checked there against the
; name, size and SHA-256 that the build took from the very file it packed: a file written short,
; or not at all, stops the install before the installed release is touched. Needs Swap.nsh.
!define GENERIC_READ 0x80000000
!define FILE_SHARE_READ 1
!define PROV_RSA_AES 24
!define CRYPT_VERIFYCONTEXT 0xF0000000
!define CALG_SHA_256 0x800C
!define HP_HASHVAL 2
!define SHA256_BYTES 32
!define DIGEST_CHUNK 65536

; One line of the build's file list: SOURCE packed, staged as NAME (relative to the release's
; folder), expected to have SIZE bytes and the SHA-256 HASH.
!macro STAGE_FILE SOURCE NAME SIZE HASH
    ClearErrors
    File "${SOURCE}"
    Push "${NAME}"
    Push ${SIZE}
    Push ${HASH}
    Call CheckStagedFile
!macroend

; Pops the expected hash, size and name; ends setup, the installed release unchanged, when the
; file was not written, cannot take its place, or is not the file the build packed.
Function CheckStagedFile
    Pop $2
    Pop $1
    Pop $0
    ${If} ${Errors}
        StrCpy $1 "it could not be written"
    ${ElseIf} ${FileExists} "$INSTDIR\$0\*.*"
        StrCpy $1 "a folder of that name is in its place"
    ${Else}
        !ifdef TEST_HOOKS
            ; As a write cut short would leave it.
            ReadEnvStr $3 NODWELL_TEST_SETUP_WRITE_SHORT
            ${If} $3 == $0
                FileOpen $3 "$WorkFolder\files\$0" w
                FileClose $3
            ${EndIf}
        !endif
        Push "$WorkFolder\files\$0"
        Call FileDigest
        Pop $3
        Pop $4
        ${If} $3 != $1
        ${OrIf} $4 != $2
            StrCpy $1 "it was written with $3 bytes and SHA-256 $4 instead of $1 bytes and $2"
        ${Else}
            Return
        ${EndIf}
    ${EndIf}
    StrCpy $0 "$INSTDIR\$0"
    Call RefuseNotWritten
FunctionEnd

; Push a file; pops its size and then its SHA-256 in lower-case hexadecimal ("" and "" when it
; cannot be read).
Function FileDigest
    Exch $R0
    Push $R1
    Push $R2
    Push $R3
    Push $R4
    Push $R5
    Push $R6
    Push $R7
    StrCpy $R1 ""
    StrCpy $R2 ""
    System::Call 'kernel32::CreateFileW(w R0, i ${GENERIC_READ}, i ${FILE_SHARE_READ}, p 0, i ${OPEN_EXISTING}, i 0, p 0) p.R3'
    ${If} $R3 <> ${INVALID_HANDLE}
        System::Call 'kernel32::GetFileSizeEx(p R3, *l .R1)'
        System::Call 'advapi32::CryptAcquireContextW(*p .R4, p 0, p 0, i ${PROV_RSA_AES}, i ${CRYPT_VERIFYCONTEXT})'
        System::Call 'advapi32::CryptCreateHash(p R4, i ${CALG_SHA_256}, p 0, i 0, *p .R5)'
        System::Alloc ${DIGEST_CHUNK}
        Pop $R6
        ${Do}
            System::Call 'kernel32::ReadFile(p R3, p R6, i ${DIGEST_CHUNK}, *i .R7, p 0) i.R0'
            ${If} $R0 = 0
            ${OrIf} $R7 = 0
                ${ExitDo}
            ${EndIf}
            System::Call 'advapi32::CryptHashData(p R5, p R6, i R7, i 0)'
        ${Loop}
        System::Call 'advapi32::CryptGetHashParam(p R5, i ${HP_HASHVAL}, p R6, *i ${SHA256_BYTES}, i 0) i.R0'
        ${If} $R0 <> 0
            StrCpy $R7 0
            ${DoWhile} $R7 < ${SHA256_BYTES}
                IntPtrOp $R0 $R6 + $R7
                System::Call '*$R0(&i1 .R0)'
                IntOp $R0 $R0 & 0xFF
                IntFmt $R0 "%02x" $R0
                StrCpy $R2 "$R2$R0"
                IntOp $R7 $R7 + 1
            ${Loop}
        ${EndIf}
        System::Free $R6
        System::Call 'advapi32::CryptDestroyHash(p R5)'
        System::Call 'advapi32::CryptReleaseContext(p R4, i 0)'
        System::Call 'kernel32::CloseHandle(p R3)'
    ${EndIf}
    Pop $R7
    Pop $R6
    Pop $R5
    Pop $R4
    Pop $R3
    ; From the caller's $R0, $R1, $R2 on the stack to its hash and size, size on top.
    Exch $R2
    Exch
    Exch $R1
    Exch 2
    Pop $R0
    Exch
FunctionEnd
