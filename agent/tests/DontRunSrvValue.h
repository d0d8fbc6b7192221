#pragma once
// "DontRunSrv" set for one test under HKCU\Software\Corvane\Nodwell\, and put back as it was
// (the value, and the key when the test created it) afterwards.
#include <windows.h>

#include <optional>

class DontRunSrvValue {
public:
    DontRunSrvValue();
    ~DontRunSrvValue();
    DontRunSrvValue(const DontRunSrvValue&) = delete;
    DontRunSrvValue& operator=(const DontRunSrvValue&) = delete;

    // Nothing removes the value; with removeKey the whole key goes as well, when the test
    // created it (a key that was there before may hold other programs' values).
    void Set(std::optional<DWORD> value, bool removeKey = false);

private:
    bool m_bKeyExisted = false;
    std::optional<DWORD> m_original;
};
