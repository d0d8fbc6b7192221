#include "Firmware.h"

static BOOLEAN QueryDword(HANDLE key, PCWSTR name, ULONG *value)
{
    /* Room for the header and one DWORD; a longer value fails with an overflow status. */
    UCHAR buffer[sizeof(KEY_VALUE_PARTIAL_INFORMATION) + sizeof(ULONG)];
    PKEY_VALUE_PARTIAL_INFORMATION info = (PKEY_VALUE_PARTIAL_INFORMATION)buffer;
    UNICODE_STRING valueName;
    ULONG resultLength = 0;

    RtlInitUnicodeString(&valueName, name);
    if (!NT_SUCCESS(ZwQueryValueKey(key, &valueName, KeyValuePartialInformation, info,
                                    sizeof(buffer), &resultLength)))
        return FALSE;
    if (info->Type != REG_DWORD || info->DataLength != sizeof(ULONG))
        return FALSE;
    RtlCopyMemory(value, info->Data, sizeof(ULONG));
    return TRUE;
}

static ULONG DwordOr(HANDLE key, PCWSTR name, ULONG fallback)
{
    ULONG value;
    return key && QueryDword(key, name, &value) ? value : fallback;
}

static void ReadEntries(HANDLE key, FIRMWARE *firmware)
{
    static const PCWSTR names[FIRMWARE_ENTRY_COUNT] = {
        L"Entry1", L"Entry2", L"Entry3", L"Entry4", L"Entry5",
        L"Entry6", L"Entry7", L"Entry8", L"Entry9"};
    ULONG i;

    for (i = 0; i < FIRMWARE_ENTRY_COUNT; ++i) {
        firmware->EntryPresent[i] = key && QueryDword(key, names[i], &firmware->EntryBits[i]);
        if (!firmware->EntryPresent[i])
            firmware->EntryBits[i] = 0;
    }
    /* A machine with no settings still offers one charge mode. */
    if (!firmware->EntryPresent[0]) {
        firmware->EntryPresent[0] = TRUE;
        firmware->EntryBits[0] = 0x10;
    }
}

void FirmwareRead(PCUNICODE_STRING parametersPath, FIRMWARE *firmware)
{
    OBJECT_ATTRIBUTES attributes;
    HANDLE key = NULL;

    InitializeObjectAttributes(&attributes, (PUNICODE_STRING)parametersPath,
                               OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
    if (!NT_SUCCESS(ZwOpenKey(&key, KEY_QUERY_VALUE, &attributes)))
        key = NULL;

    firmware->OpenStatus = DwordOr(key, L"OpenStatus", 0);
    firmware->CloseStatus = DwordOr(key, L"CloseStatus", 0);
    firmware->ChargePresent = DwordOr(key, L"ChargePresent", 1);
    firmware->MusicPresent = DwordOr(key, L"MusicPresent", 1);
    firmware->ReadStatus = DwordOr(key, L"ReadStatus", 0);
    firmware->TableCount = DwordOr(key, L"TableCount", 1);
    firmware->FailFunction = DwordOr(key, L"FailFunction", 0);
    ReadEntries(key, firmware);

    if (key)
        ZwClose(key);
}
