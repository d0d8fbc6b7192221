#include "CAccessibleControl.h"

namespace crvUiVista {

namespace {

HRESULT StringResult(const std::wstring& text, BSTR* pszOut) {
    if (!pszOut) return E_POINTER;
    *pszOut = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *pszOut ? S_OK : E_OUTOFMEMORY;
}

HRESULT LongResult(LONG nValue, VARIANT* pvarOut) {
    if (!pvarOut) return E_POINTER;
    ::VariantInit(pvarOut);
    pvarOut->vt = VT_I4;
    pvarOut->lVal = nValue;
    return S_OK;
}

// The states every window has, read from the window as the system's proxies read them.
LONG WindowStates(HWND hWnd) {
    LONG nState = 0;
    if (!::IsWindowVisible(hWnd)) nState |= STATE_SYSTEM_INVISIBLE;
    if (!::IsWindowEnabled(hWnd)) {
        nState |= STATE_SYSTEM_UNAVAILABLE;
    } else if (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_TABSTOP) {
        nState |= STATE_SYSTEM_FOCUSABLE;
        if (::GetFocus() == hWnd) nState |= STATE_SYSTEM_FOCUSED;
    }
    return nState;
}

}  // namespace

CAccessibleControl* CAccessibleControl::Create(HWND hWnd, Describe describe) {
    IAccessible* pStandard = nullptr;
    if (FAILED(::CreateStdAccessibleObject(hWnd, OBJID_CLIENT, __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&pStandard))) ||
        !pStandard) {
        return nullptr;
    }
    return new CAccessibleControl(hWnd, std::move(describe), pStandard);
}

CAccessibleControl::CAccessibleControl(HWND hWnd, Describe describe, IAccessible* pStandard)
    : m_hWnd(hWnd), m_describe(std::move(describe)), m_pStandard(pStandard) {}

CAccessibleControl::~CAccessibleControl() { m_pStandard->Release(); }

STDMETHODIMP CAccessibleControl::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
        *ppv = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CAccessibleControl::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_cRef)); }

STDMETHODIMP_(ULONG) CAccessibleControl::Release() {
    const LONG cRef = ::InterlockedDecrement(&m_cRef);
    if (cRef == 0) delete this;
    return static_cast<ULONG>(cRef);
}

STDMETHODIMP CAccessibleControl::GetTypeInfoCount(UINT* pctinfo) {
    if (!pctinfo) return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

// A client may keep the object after the window and its dialog are gone: the description,
// which reads the dialog, is asked only while the window exists.
bool CAccessibleControl::IsSelf(const VARIANT& varChild) const {
    return varChild.vt == VT_I4 && varChild.lVal == CHILDID_SELF && ::IsWindow(m_hWnd);
}

STDMETHODIMP CAccessibleControl::get_accName(VARIANT varChild, BSTR* pszName) {
    if (!IsSelf(varChild)) return m_pStandard->get_accName(varChild, pszName);
    return StringResult(m_describe().name, pszName);
}

STDMETHODIMP CAccessibleControl::get_accRole(VARIANT varChild, VARIANT* pvarRole) {
    if (!IsSelf(varChild)) return m_pStandard->get_accRole(varChild, pvarRole);
    return LongResult(m_describe().nRole, pvarRole);
}

STDMETHODIMP CAccessibleControl::get_accState(VARIANT varChild, VARIANT* pvarState) {
    if (!IsSelf(varChild)) return m_pStandard->get_accState(varChild, pvarState);
    return LongResult(m_describe().nState | WindowStates(m_hWnd), pvarState);
}

STDMETHODIMP CAccessibleControl::get_accValue(VARIANT varChild, BSTR* pszValue) {
    if (!IsSelf(varChild)) return m_pStandard->get_accValue(varChild, pszValue);
    const AccessibleDescription description = m_describe();
    if (!description.value) {
        if (pszValue) *pszValue = nullptr;
        return S_FALSE;
    }
    return StringResult(*description.value, pszValue);
}

STDMETHODIMP CAccessibleControl::get_accParent(IDispatch** ppdispParent) {
    return m_pStandard->get_accParent(ppdispParent);
}

STDMETHODIMP CAccessibleControl::get_accChildCount(LONG* pcountChildren) {
    return m_pStandard->get_accChildCount(pcountChildren);
}

STDMETHODIMP CAccessibleControl::get_accChild(VARIANT varChild, IDispatch** ppdispChild) {
    return m_pStandard->get_accChild(varChild, ppdispChild);
}

STDMETHODIMP CAccessibleControl::get_accDescription(VARIANT varChild, BSTR* pszDescription) {
    return m_pStandard->get_accDescription(varChild, pszDescription);
}

STDMETHODIMP CAccessibleControl::get_accHelp(VARIANT varChild, BSTR* pszHelp) {
    return m_pStandard->get_accHelp(varChild, pszHelp);
}

STDMETHODIMP CAccessibleControl::get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, LONG* pidTopic) {
    return m_pStandard->get_accHelpTopic(pszHelpFile, varChild, pidTopic);
}

STDMETHODIMP CAccessibleControl::get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) {
    return m_pStandard->get_accKeyboardShortcut(varChild, pszKeyboardShortcut);
}

STDMETHODIMP CAccessibleControl::get_accFocus(VARIANT* pvarChild) { return m_pStandard->get_accFocus(pvarChild); }

STDMETHODIMP CAccessibleControl::get_accSelection(VARIANT* pvarChildren) {
    return m_pStandard->get_accSelection(pvarChildren);
}

STDMETHODIMP CAccessibleControl::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) {
    return m_pStandard->get_accDefaultAction(varChild, pszDefaultAction);
}

STDMETHODIMP CAccessibleControl::accSelect(LONG flagsSelect, VARIANT varChild) {
    return m_pStandard->accSelect(flagsSelect, varChild);
}

STDMETHODIMP CAccessibleControl::accLocation(LONG* pxLeft, LONG* pyTop, LONG* pcxWidth, LONG* pcyHeight,
                                             VARIANT varChild) {
    return m_pStandard->accLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
}

STDMETHODIMP CAccessibleControl::accNavigate(LONG navDir, VARIANT varStart, VARIANT* pvarEndUpAt) {
    return m_pStandard->accNavigate(navDir, varStart, pvarEndUpAt);
}

STDMETHODIMP CAccessibleControl::accHitTest(LONG xLeft, LONG yTop, VARIANT* pvarChild) {
    return m_pStandard->accHitTest(xLeft, yTop, pvarChild);
}

STDMETHODIMP CAccessibleControl::accDoDefaultAction(VARIANT varChild) {
    return m_pStandard->accDoDefaultAction(varChild);
}

STDMETHODIMP CAccessibleControl::put_accName(VARIANT varChild, BSTR szName) {
    return m_pStandard->put_accName(varChild, szName);
}

STDMETHODIMP CAccessibleControl::put_accValue(VARIANT varChild, BSTR szValue) {
    return m_pStandard->put_accValue(varChild, szValue);
}

}  // namespace crvUiVista
