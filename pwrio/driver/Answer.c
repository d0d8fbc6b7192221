#include "Answer.h"

/* Entry i of the mode table exists only within the count the header reports, so a caller
   walking the table never finds more entries than announced. */
static void AnswerTableEntry(const FIRMWARE *firmware, ULONG entry, ULONG *answer)
{
    if (entry <= FIRMWARE_ENTRY_COUNT && entry <= firmware->TableCount &&
        firmware->EntryPresent[entry - 1]) {
        answer[PWRIO_ANSWER_VALUE] = PWRIO_VALUE_PRESENT;
        answer[PWRIO_ANSWER_DATA] = firmware->EntryBits[entry - 1];
    } else {
        answer[PWRIO_ANSWER_VALUE] = PWRIO_VALUE_ABSENT;
    }
}

static void AnswerChargeRead(const FIRMWARE *firmware, ULONG selector, ULONG *answer)
{
    if (selector == PWRIO_SELECTOR_FEATURE) {
        answer[PWRIO_ANSWER_VALUE] =
            firmware->ChargePresent ? PWRIO_VALUE_PRESENT : PWRIO_VALUE_ABSENT;
    } else if (selector == PWRIO_SELECTOR_TABLE) {
        answer[PWRIO_ANSWER_VALUE] = PWRIO_VALUE_ABSENT;
        answer[PWRIO_ANSWER_DATA] = firmware->TableCount;
    } else if (selector > PWRIO_SELECTOR_TABLE) {
        AnswerTableEntry(firmware, selector - PWRIO_SELECTOR_TABLE, answer);
    } else {
        answer[PWRIO_ANSWER_STATUS] = PWRIO_STATUS_REFUSED;
    }
}

static void AnswerRead(const FIRMWARE *firmware, ULONG reg, ULONG selector, ULONG *answer)
{
    const BOOLEAN known = reg == PWRIO_REGISTER_CHARGE ||
                          (reg == PWRIO_REGISTER_MUSIC && selector == PWRIO_SELECTOR_FEATURE);

    if (!known) {
        answer[PWRIO_ANSWER_STATUS] = PWRIO_STATUS_REFUSED;
    } else if (firmware->ReadStatus != 0) {
        /* A failing read carries its status only. */
        answer[PWRIO_ANSWER_STATUS] = firmware->ReadStatus;
    } else if (reg == PWRIO_REGISTER_MUSIC) {
        answer[PWRIO_ANSWER_VALUE] =
            firmware->MusicPresent ? PWRIO_VALUE_MUSIC_PRESENT : PWRIO_VALUE_MUSIC_ABSENT;
    } else {
        AnswerChargeRead(firmware, selector, answer);
    }
}

/* Writes the answer to request into answer (both PWRIO_BLOCK_WORDS words; they may not
   overlap). Returns STATUS_IO_DEVICE_ERROR, leaving answer unwritten, when the firmware
   is set to fail the request's function; STATUS_SUCCESS otherwise, refusals included. */
static NTSTATUS AnswerRequest(const FIRMWARE *firmware, const ULONG *request, ULONG *answer)
{
    const ULONG function = request[PWRIO_WORD_FUNCTION];

    if (firmware->FailFunction != 0 && firmware->FailFunction == function)
        return STATUS_IO_DEVICE_ERROR;

    /* Words the answer does not name are 0, so no request word is ever echoed back. */
    RtlZeroMemory(answer, PWRIO_BLOCK_BYTES);
    /* Opening and closing the interface take no register or selector; those words are not
       looked at. */
    switch (function) {
    case PWRIO_FUNCTION_OPEN:
        answer[PWRIO_ANSWER_STATUS] = firmware->OpenStatus;
        break;
    case PWRIO_FUNCTION_CLOSE:
        answer[PWRIO_ANSWER_STATUS] = firmware->CloseStatus;
        break;
    case PWRIO_FUNCTION_READ:
        AnswerRead(firmware, request[PWRIO_WORD_REGISTER], request[PWRIO_WORD_SELECTOR], answer);
        break;
    default:
        answer[PWRIO_ANSWER_STATUS] = PWRIO_STATUS_REFUSED;
        break;
    }
    return STATUS_SUCCESS;
}

NTSTATUS AnswerBlock(const FIRMWARE *firmware, ULONG inputLength, ULONG outputLength, ULONG *block,
                     ULONG_PTR *answered)
{
    ULONG request[PWRIO_BLOCK_WORDS];
    ULONG answer[PWRIO_BLOCK_WORDS];
    NTSTATUS status;

    *answered = 0;
    if (inputLength < PWRIO_BLOCK_BYTES || outputLength < PWRIO_BLOCK_BYTES)
        return STATUS_BUFFER_TOO_SMALL;
    RtlCopyMemory(request, block, PWRIO_BLOCK_BYTES);
    status = AnswerRequest(firmware, request, answer);
    if (!NT_SUCCESS(status))
        return status;
    RtlCopyMemory(block, answer, PWRIO_BLOCK_BYTES);
    *answered = PWRIO_BLOCK_BYTES;
    return STATUS_SUCCESS;
}
