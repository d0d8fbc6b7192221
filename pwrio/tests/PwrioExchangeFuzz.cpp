// The driver's answer to any block, any buffer lengths and any firmware: a refused or failing
// request leaves the block as it was, an answer fills only the block's own 24 bytes, words
// the answer does not name read 0, and a mode-table entry is found only within the nine the
// firmware holds and the count it announces.
#include <cstring>
#include <new>

extern "C" {
#include "Answer.h"
}
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "GuardedBuffer.h"

namespace {

// Mostly small numbers, or the codes the protocol names a little above, so that most
// inputs reach the answers.
ULONG Value(fuzz::FuzzInput& input) {
    const std::uint8_t form = input.Byte();
    return form < 128 ? form % 12 : input.Number();
}

ULONG Word(fuzz::FuzzInput& input) {
    constexpr ULONG kNamed[] = {0, PWRIO_FUNCTION_OPEN, PWRIO_FUNCTION_CLOSE, PWRIO_FUNCTION_READ,
                                PWRIO_REGISTER_CHARGE, PWRIO_REGISTER_MUSIC, PWRIO_SELECTOR_TABLE, 0xFFFFFFFF};
    const std::uint8_t form = input.Byte();
    return form < 192 ? kNamed[form % 8] + form / 16 : input.Number();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    fuzz::FuzzInput input(pData, nSize);
    // At the end of its room, so that an entry read past the table faults.
    fuzz::GuardedBuffer room(sizeof(FIRMWARE));
    FIRMWARE& firmware = *new (room.Data()) FIRMWARE{};
    for (ULONG* pValue : {&firmware.OpenStatus, &firmware.CloseStatus, &firmware.ChargePresent,
                          &firmware.MusicPresent, &firmware.ReadStatus, &firmware.TableCount, &firmware.FailFunction}) {
        *pValue = Value(input);
    }
    for (ULONG i = 0; i < FIRMWARE_ENTRY_COUNT; ++i) {
        firmware.EntryPresent[i] = input.Byte() & 1;
        firmware.EntryBits[i] = Value(input);
    }
    const ULONG inputLength = input.Byte();
    const ULONG outputLength = input.Byte();
    ULONG block[PWRIO_BLOCK_WORDS + 2];  // a longer block, whose tail is not the answer's
    for (ULONG& word : block) word = Word(input);
    ULONG sent[PWRIO_BLOCK_WORDS + 2];
    std::memcpy(sent, block, sizeof(block));

    ULONG_PTR answered = 1;
    const NTSTATUS status = AnswerBlock(&firmware, inputLength, outputLength, block, &answered);
    if (status != STATUS_SUCCESS) {
        FUZZ_CHECK(answered == 0 && std::memcmp(block, sent, sizeof(block)) == 0);
        const bool fits = inputLength >= PWRIO_BLOCK_BYTES && outputLength >= PWRIO_BLOCK_BYTES;
        FUZZ_CHECK(fits ? status == STATUS_IO_DEVICE_ERROR && sent[0] == firmware.FailFunction
                        : status == STATUS_BUFFER_TOO_SMALL);
        return 0;
    }
    FUZZ_CHECK(answered == PWRIO_BLOCK_BYTES && block[6] == sent[6] && block[7] == sent[7]);
    FUZZ_CHECK(block[3] == 0 && block[4] == 0 && block[5] == 0);
    const bool tableRead = sent[PWRIO_WORD_FUNCTION] == PWRIO_FUNCTION_READ &&
                           sent[PWRIO_WORD_REGISTER] == PWRIO_REGISTER_CHARGE && firmware.ReadStatus == 0 &&
                           sent[PWRIO_WORD_SELECTOR] >= PWRIO_SELECTOR_TABLE;
    const ULONG entry = sent[PWRIO_WORD_SELECTOR] - PWRIO_SELECTOR_TABLE;
    if (tableRead && entry > 0 && block[PWRIO_ANSWER_VALUE] == PWRIO_VALUE_PRESENT) {
        FUZZ_CHECK(entry <= FIRMWARE_ENTRY_COUNT && entry <= firmware.TableCount && firmware.EntryPresent[entry - 1]);
        FUZZ_CHECK(block[PWRIO_ANSWER_DATA] == firmware.EntryBits[entry - 1]);
    } else if (!(tableRead && entry == 0)) {
        FUZZ_CHECK(block[PWRIO_ANSWER_DATA] == 0);
    }
    return 0;
}
