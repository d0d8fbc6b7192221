#pragma once
// The log file destinations: one file kept open for the whole run, or opened per line.
#include <cstddef>
#include <cstdio>

// Writes the line to the file kept open for the process. The first call opens it, emptying an
// earlier run's file; if that fails, every later line is dropped.
void writeToKeptOpenFile(const wchar_t* line, std::size_t length, bool flushEachLine);

// Opens the file for appending, writes the line and closes the file again.
void appendToLogFile(const wchar_t* line, std::size_t length);

// The line as text (UTF-8, line feed stored as carriage return and line feed).
void writeLineToStream(std::FILE* stream, const wchar_t* line, std::size_t length);
