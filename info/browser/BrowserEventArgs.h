#pragma once
// Reading the arguments of the browser's events as they arrive through IDispatch::Invoke.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

// The argument at position nIndex of the event's declaration; DISPPARAMS holds them last
// first. Null when the event brought fewer.
const VARIANT* EventArgument(const DISPPARAMS& params, UINT nIndex);

// A string argument, also one passed by reference; anything else reads as empty.
std::wstring VariantText(const VARIANT* pArg);
// A 32-bit number argument; anything else reads as 0.
long VariantLong(const VARIANT* pArg);
// An object argument (the frame an event is about); null for anything else.
IDispatch* VariantDispatch(const VARIANT* pArg);

// Post data of a navigation: a by-reference variant whose referenced variant holds an array
// of bytes; no data for anything else.
std::vector<BYTE> PostDataBytes(const VARIANT* pArg);

// Writes the cancel answer of a navigation into its by-reference boolean argument.
void SetCancelFlag(const VARIANT* pArg, bool bCancel);
