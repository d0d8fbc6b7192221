#include "FooterBar.h"

#include "Scale.h"

namespace crvUiVista {

namespace {

constexpr int kMinTextWidth = 51;
constexpr int kStandardWidth = 67;

// Without the face bitmap a button keeps the height it has, so that it stays usable.
void Place(const FooterButton& button, int x, int bottom, int width, int height) {
    if (height <= 0) {
        const RECT rect = button.GetWindowRect();
        height = rect.bottom - rect.top;
    }
    ::SetWindowPos(button, nullptr, x, bottom - height, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void FooterBar::SetFiller(FooterButton& button) {
    m_pFiller = &button;
    ::EnableWindow(button, FALSE);
}

int FooterBar::ButtonWidth(const FooterButton& button) const {
    const int minimum = Scaled(kMinTextWidth, m_nScale);
    const int standard = Scaled(kStandardWidth, m_nScale);
    const int preferred = button.GetPreferredWidth();
    return preferred < minimum ? standard : preferred + standard - minimum;
}

void FooterBar::Layout(int nLeft, int nRight, int nBottom) const {
    const int height = FooterButtonHeight(m_nScale);
    int x = nLeft;
    for (const FooterButton* button : m_left) {
        const int width = ButtonWidth(*button);
        Place(*button, x, nBottom, width, height);
        x += width;
    }
    const int leftEnd = x;
    x = nRight;
    for (const FooterButton* button : m_right) {
        const int width = ButtonWidth(*button);
        x -= width;
        Place(*button, x, nBottom, width, height);
    }
    if (m_pFiller) Place(*m_pFiller, leftEnd, nBottom, x - leftEnd, height);
}

bool FooterBar::DrawItem(const DRAWITEMSTRUCT& item) const {
    bool drawn = false;
    for (const FooterButton* button : m_left) drawn = button->Draw(item) || drawn;
    for (const FooterButton* button : m_right) drawn = button->Draw(item) || drawn;
    if (m_pFiller) drawn = m_pFiller->Draw(item) || drawn;
    return drawn;
}

}  // namespace crvUiVista
