#pragma once
/* What the simulated firmware answers to one request block. */
#include "Firmware.h"
#include "PwrioProtocol.h"

/* Answers the block of one exchange in place. A block shorter than PWRIO_BLOCK_BYTES either
   way is refused with STATUS_BUFFER_TOO_SMALL, and a failing function with
   STATUS_IO_DEVICE_ERROR, both leaving the block as it was and *answered 0. Otherwise the
   block's first PWRIO_BLOCK_BYTES bytes become the answer, a longer block keeps its tail,
   and *answered is PWRIO_BLOCK_BYTES. */
NTSTATUS AnswerBlock(const FIRMWARE *firmware, ULONG inputLength, ULONG outputLength, ULONG *block,
                     ULONG_PTR *answered);
