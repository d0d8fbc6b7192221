#pragma once
/* What the simulated firmware answers to one request block. */
#include "Firmware.h"
#include "PwrioProtocol.h"

/* Writes the answer to request into answer (both PWRIO_BLOCK_WORDS words; they may not
   overlap). Returns STATUS_IO_DEVICE_ERROR, leaving answer unwritten, when the firmware
   is set to fail the request's function; STATUS_SUCCESS otherwise, refusals included. */
NTSTATUS AnswerRequest(const FIRMWARE *firmware, const ULONG *request, ULONG *answer);
