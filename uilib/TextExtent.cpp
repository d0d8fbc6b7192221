#include "TextExtent.h"

#include "GdiObject.h"

namespace crvUiVista {

SIZE MeasureText(HFONT hFont, const std::wstring& text, UINT nFormat) {
    const OwnedMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!dc) return SIZE{};
    SelectionScope font(dc.get(), hFont ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(SYSTEM_FONT));
    RECT rect{};
    ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &rect, nFormat | DT_CALCRECT);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace crvUiVista
