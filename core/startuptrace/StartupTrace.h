#pragma once
// Marks of a dialog program's start, for the start-up benchmark. Off unless the variable
// NODWELL_STARTUP_TRACE names a file when the program starts; then each mark appends one line
// to it: the milliseconds since the process was created, a tab and the step that just ended.
// Off, a mark costs one test of a flag.

namespace crvUiVista {

void StartupMark(const wchar_t* step);

}  // namespace crvUiVista
