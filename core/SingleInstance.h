#pragma once
// One settings program on the machine, across logon sessions: the mutex "Global\Nodwell".
#include <windows.h>

class SingleInstance {
public:
    enum class Outcome { First, RunningHere, HeldByAnotherUser, Failed };

    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Outcome GetOutcome() const { return m_outcome; }

    // Brings the first copy's dialog to the front, when its window handle was published in the
    // shared block "Local\Corvane Zazez (HWND)".
    static void ActivateFirstCopy();
    // Publishes the dialog's window for a second copy; kept until this object goes.
    void PublishWindow(HWND hWnd);

private:
    HANDLE m_hMutex = nullptr;
    HANDLE m_hWindowBlock = nullptr;
    Outcome m_outcome = Outcome::Failed;
};
