#pragma once
// A scripted stand-in for the web-browser control, registered for the control's class in this
// process while it lives, so that the program's own code creates it unchanged. It plays an
// engine whose blank document comes when the test says so, records what the program asks of
// it, and counts the references the program holds on it, its document and its events.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class ScriptedBrowser {
public:
    // The step of the control's creation that fails.
    enum class Failure { None, Creation, ClientSite, Activation, Window, WebBrowserInterface, DispatchInterface };

    struct Script {
        Failure failure = Failure::None;
        bool bDocumentAtOnce = false;  // the blank document is ready as soon as it is navigated to
        bool bEvents = true;           // offers its events through a connection point
        long nTextSize = 4;            // the user's text size; negative: the size cannot be read
    };

    explicit ScriptedBrowser(const Script& script);
    ~ScriptedBrowser();
    ScriptedBrowser(const ScriptedBrowser&) = delete;
    ScriptedBrowser& operator=(const ScriptedBrowser&) = delete;

    // The blank document is there: ready state complete, and DocumentComplete for the top
    // frame reported to whoever listens.
    void CompleteDocument();

    // What the program asked, in order: "navigate about:blank", "close", "open text/html _self",
    // "refresh", "write", "text size?", "text size 2", ...
    std::vector<std::wstring> Calls() const;
    std::wstring WrittenText() const;
    // The key messages offered to the in-place active object, as (message, key) pairs.
    std::vector<std::pair<UINT, WPARAM>> OfferedKeys() const;
    // Asks the program's site as the engine does before it acts on a key that reached it, or
    // before it shows its context menu: true when the site keeps the key or menu from it.
    bool SiteKeepsKey(MSG msg) const;
    bool SiteKeepsContextMenu() const;
    // The inner window that has the focus when the user works in the page; 0 before activation.
    HWND PageWindow() const;

    // References the program still holds on the control, its document and its connection
    // point, and whether an event sink is still advised. Negative after a release too many.
    long HeldReferences() const;
    bool SinkAdvised() const;
    // Lets go of the reference the stand-in kept on the program's site since it was given
    // one; the count left, 0 when the program has let go of it too (or none was given).
    ULONG ReleaseSite();

    struct State;

private:
    std::unique_ptr<State> m_pState;
};
