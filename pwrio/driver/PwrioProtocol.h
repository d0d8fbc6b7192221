#pragma once
/* The request block of \\.\PWRIO as the suite's tools send it: one control code, six
   little-endian 32-bit words that the answer overwrites in place. */

#define PWRIO_IOCTL_EXCHANGE 0x00222880u /* CTL_CODE(0x22, 0xA20, METHOD_BUFFERED, FILE_ANY_ACCESS) */
#define PWRIO_BLOCK_WORDS 6u
#define PWRIO_BLOCK_BYTES (PWRIO_BLOCK_WORDS * 4u)

enum PwrioWord { PWRIO_WORD_FUNCTION = 0, PWRIO_WORD_REGISTER = 1, PWRIO_WORD_SELECTOR = 5 };
enum PwrioAnswerWord { PWRIO_ANSWER_STATUS = 0, PWRIO_ANSWER_VALUE = 1, PWRIO_ANSWER_DATA = 2 };

enum PwrioFunction {
    PWRIO_FUNCTION_OPEN = 0xF100,
    PWRIO_FUNCTION_CLOSE = 0xF200,
    PWRIO_FUNCTION_READ = 0xF300
};

enum PwrioRegister { PWRIO_REGISTER_CHARGE = 0x0150, PWRIO_REGISTER_MUSIC = 0x015E };

/* Selector of a charge-register read: the feature itself, the mode-table header, or
   PWRIO_SELECTOR_TABLE + i for entry i (from 1). */
enum PwrioSelector { PWRIO_SELECTOR_FEATURE = 0, PWRIO_SELECTOR_TABLE = 0x100 };

enum PwrioAnswerCode {
    PWRIO_STATUS_REFUSED = 0xFF00,
    PWRIO_VALUE_PRESENT = 0x800C, /* feature present, or a mode-table entry present */
    PWRIO_VALUE_ABSENT = 0x8001,  /* feature absent, entry absent; also marks the table header */
    PWRIO_VALUE_MUSIC_PRESENT = 0,
    PWRIO_VALUE_MUSIC_ABSENT = 1
};
