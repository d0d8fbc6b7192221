#pragma once
/* The simulated firmware: the REG_DWORD values under the service's Parameters key, read
   afresh for every request so that tests can change the machine while the driver runs. */
#include <ddk/wdm.h>

#define FIRMWARE_ENTRY_COUNT 9u

typedef struct FIRMWARE {
    ULONG OpenStatus;
    ULONG CloseStatus;
    ULONG ChargePresent;
    ULONG MusicPresent;
    ULONG ReadStatus;
    ULONG TableCount;
    BOOLEAN EntryPresent[FIRMWARE_ENTRY_COUNT]; /* index 0 is "Entry1" */
    ULONG EntryBits[FIRMWARE_ENTRY_COUNT];
    ULONG FailFunction; /* 0: no function fails */
} FIRMWARE;

/* Fills firmware from the key at parametersPath; a missing key or value, or a value that is
   not a REG_DWORD, gives the default. */
void FirmwareRead(PCUNICODE_STRING parametersPath, FIRMWARE *firmware);
