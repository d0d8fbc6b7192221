#pragma once
// The row of footer buttons along a dialog's bottom edge: a left group, a right group and an
// optional disabled filler button between them.
#include <windows.h>

#include <vector>

#include "FooterButton.h"

namespace crvUiVista {

class FooterBar {
public:
    explicit FooterBar(int nScale = 96) : m_nScale(nScale) {}

    void SetScale(int nScale) { m_nScale = nScale; }
    // Left group: placed from the left edge in the order added.
    void AddLeft(FooterButton& button) { m_left.push_back(&button); }
    // Right group: placed from the right edge inwards; the first added is outermost.
    void AddRight(FooterButton& button) { m_right.push_back(&button); }
    // The filler only fills the gap, so it is disabled at once.
    void SetFiller(FooterButton& button);

    // Places every button on the bottom edge of the client area spanning nLeft to nRight.
    void Layout(int nLeft, int nRight, int nBottom) const;

    // Hands an owner-draw request to the button it is for; false when none of them is.
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

private:
    // A button's width for its caption: at least the standard width, and wider text grows it.
    int ButtonWidth(const FooterButton& button) const;

    int m_nScale;
    std::vector<FooterButton*> m_left;
    std::vector<FooterButton*> m_right;
    FooterButton* m_pFiller = nullptr;
};

}  // namespace crvUiVista
