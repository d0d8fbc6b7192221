// Stands in, under their names, for the programs the setup waits for (the probe, the picker,
// the localiser, the agent's stop switch, an old uninstaller): the one whose file name
// NODWELL_TEST_NEVER_END holds never ends; the others end at once with 0, the probe's "the
// charge feature is here".
#include <windows.h>
#include <shlwapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    wchar_t neverEnding[MAX_PATH] = {};
    wchar_t self[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"NODWELL_TEST_NEVER_END", neverEnding, MAX_PATH) &&
        GetModuleFileNameW(nullptr, self, MAX_PATH) && lstrcmpiW(PathFindFileNameW(self), neverEnding) == 0) {
        Sleep(INFINITE);
    }
    return 0;
}
