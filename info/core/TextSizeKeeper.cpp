#include "TextSizeKeeper.h"

void TextSizeKeeper::Begin(const std::function<int()>& read, const std::function<void(int)>& set) {
    const int nFound = read();
    if (nFound < 0) return;
    m_nSavedZoom = nFound;
    set(kPageTextSize);
}

void TextSizeKeeper::Restore(const std::function<void(int)>& set) const {
    if (m_nSavedZoom >= 0) set(m_nSavedZoom);
}
