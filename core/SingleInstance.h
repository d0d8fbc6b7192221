#pragma once
// One running copy of a program: a named mutex marks it, and a small shared block holds the
// first copy's window handle, so that a second copy raises that window instead of its own.
#include <windows.h>

#include "KernelHandle.h"

struct SingleInstanceNames {
    const wchar_t* szMutex;
    const wchar_t* szWindowBlock;
};

// One settings program on the machine, across logon sessions.
inline constexpr SingleInstanceNames kSettingsProgramInstance{L"Global\\Nodwell", L"Local\\Corvane Zazez (HWND)"};
// One information program per logon session.
inline constexpr SingleInstanceNames kInfoProgramInstance{L"Local\\NodwellInfo", L"Local\\Corvane Zazez Info (HWND)"};

class SingleInstance {
public:
    enum class Outcome { First, RunningHere, HeldByAnotherUser, Failed };

    explicit SingleInstance(const SingleInstanceNames& names);
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Outcome GetOutcome() const { return m_outcome; }

    // Brings the first copy's window to the front, when it has published one.
    void ActivateFirstCopy() const;
    // Publishes the first copy's window for a second copy; kept until this object goes.
    void PublishWindow(HWND hWnd);

private:
    SingleInstanceNames m_names;
    KernelHandle m_mutex;
    KernelHandle m_windowBlock;
    Outcome m_outcome = Outcome::Failed;
};
