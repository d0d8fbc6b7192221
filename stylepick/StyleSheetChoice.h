#pragma once
// The style sheet that fits a machine's mode-name version (from the data word of the first
// good mode-table entry). Null when the machine needs none (version 1, numbered modes).
const wchar_t* ChooseStyleSheet(int nModeNameVersion, bool bMusicSupported);
