#pragma once
// The browser's text size is the user's, shared with every other browser window: the dialog
// shows its page at size 2 and gives the user's size back when it closes.
#include <functional>

class TextSizeKeeper {
public:
    static constexpr int kPageTextSize = 2;

    // read gives the current size, or a negative value when there is none to read.
    void Begin(const std::function<int()>& read, const std::function<void(int)>& set);
    // Sets back the size found by Begin, if any.
    void Restore(const std::function<void(int)>& set) const;
    int SavedSize() const { return m_nSavedZoom; }

private:
    int m_nSavedZoom = -1;
};
