// Stands in, under their names, for the programs the setup waits for (the probe, the picker,
// the localiser, the agent's stop switch, an old uninstaller): the one whose file name
// NODWELL_TEST_NEVER_END holds never ends; the others end at once with 0, the probe's "the
// charge feature is here". A console program, as the tools are: when NODWELL_TEST_CONSOLE_LOG
// names a file, it appends its file name and whether it got a console window.
#include <windows.h>
#include <shlwapi.h>

#include <cstdio>

int wmain() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t log[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"NODWELL_TEST_CONSOLE_LOG", log, MAX_PATH)) {
        if (FILE* file = _wfopen(log, L"ab")) {
            std::fprintf(file, "%ls %s\n", PathFindFileNameW(self),
                         GetConsoleWindow() ? "console window" : "no console window");
            std::fclose(file);
        }
    }
    wchar_t neverEnding[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"NODWELL_TEST_NEVER_END", neverEnding, MAX_PATH) &&
        lstrcmpiW(PathFindFileNameW(self), neverEnding) == 0) {
        Sleep(INFINITE);
    }
    return 0;
}
