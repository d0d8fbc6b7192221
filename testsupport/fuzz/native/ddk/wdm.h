#pragma once
/* The kernel types and helpers that the driver's request handling names, for fuzzing it as
   a user-mode program, natively and under Wine; nothing else of the kernel. */
#include <stdint.h>
#include <string.h>

typedef uint32_t ULONG;
typedef uintptr_t ULONG_PTR;
typedef unsigned char BOOLEAN;
typedef int32_t NTSTATUS;
typedef const struct _UNICODE_STRING *PCUNICODE_STRING;

#define STATUS_SUCCESS ((NTSTATUS)0x00000000L)
#define STATUS_BUFFER_TOO_SMALL ((NTSTATUS)0xC0000023L)
#define STATUS_IO_DEVICE_ERROR ((NTSTATUS)0xC0000185L)
#define NT_SUCCESS(status) ((NTSTATUS)(status) >= 0)
#define RtlZeroMemory(destination, length) memset((destination), 0, (length))
#define RtlCopyMemory(destination, source, length) memcpy((destination), (source), (length))
