#include "BrowserSite.h"

#include <exdisp.h>

#include "PageKeys.h"
#include "SimpleBrowser.h"

BrowserSite::BrowserSite(SimpleBrowser* pOwner, HWND hWndHost) : m_pOwner(pOwner), m_hWndHost(hWndHost) {}

STDMETHODIMP BrowserSite::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite) {
        *ppv = static_cast<IOleClientSite*>(this);
    } else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite) {
        *ppv = static_cast<IOleInPlaceSite*>(this);
    } else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame) {
        *ppv = static_cast<IOleInPlaceFrame*>(this);
    } else if (riid == IID_IDocHostUIHandler) {
        *ppv = static_cast<IDocHostUIHandler*>(this);
    } else if (riid == IID_IDispatch || riid == DIID_DWebBrowserEvents2) {
        *ppv = static_cast<IDispatch*>(this);
    } else {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) BrowserSite::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_cRef)); }

STDMETHODIMP_(ULONG) BrowserSite::Release() {
    const LONG cRef = ::InterlockedDecrement(&m_cRef);
    // A COM object owns itself: the last reference deletes it.
    if (cRef == 0) delete this;
    return static_cast<ULONG>(cRef);
}

STDMETHODIMP BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk) {
    if (ppmk) *ppmk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::GetContainer(IOleContainer** ppContainer) {
    if (ppContainer) *ppContainer = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP BrowserSite::GetWindow(HWND* phwnd) {
    if (!phwnd) return E_POINTER;
    *phwnd = m_hWndHost;
    return S_OK;
}

STDMETHODIMP BrowserSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                           LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO lpFrameInfo) {
    if (ppFrame) {
        *ppFrame = this;
        AddRef();
    }
    if (ppDoc) *ppDoc = nullptr;
    RECT rc{};
    ::GetClientRect(m_hWndHost, &rc);
    if (lprcPosRect) *lprcPosRect = rc;
    if (lprcClipRect) *lprcClipRect = rc;
    if (lpFrameInfo) {
        lpFrameInfo->cb = sizeof(OLEINPLACEFRAMEINFO);
        lpFrameInfo->fMDIApp = FALSE;
        lpFrameInfo->hwndFrame = ::GetAncestor(m_hWndHost, GA_ROOT);
        lpFrameInfo->haccel = nullptr;
        lpFrameInfo->cAccelEntries = 0;
    }
    return S_OK;
}

// The engine asks before it acts on a key that reached it: S_OK keeps the key from it.
STDMETHODIMP BrowserSite::TranslateAccelerator(LPMSG lpMsg, const GUID*, DWORD) {
    if (!lpMsg) return E_POINTER;
    return RoutePageKey(*lpMsg) == PageKeyRoute::Engine ? S_FALSE : S_OK;
}

STDMETHODIMP BrowserSite::GetOptionKeyPath(LPOLESTR* pchKey, DWORD) {
    if (pchKey) *pchKey = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::GetDropTarget(IDropTarget*, IDropTarget** ppDropTarget) {
    if (ppDropTarget) *ppDropTarget = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::GetExternal(IDispatch** ppDispatch) {
    if (ppDispatch) *ppDispatch = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* ppchURLOut) {
    if (ppchURLOut) *ppchURLOut = nullptr;
    return S_FALSE;
}

STDMETHODIMP BrowserSite::FilterDataObject(IDataObject*, IDataObject** ppDORet) {
    if (ppDORet) *ppDORet = nullptr;
    return S_FALSE;
}

STDMETHODIMP BrowserSite::GetTypeInfoCount(UINT* pctinfo) {
    if (pctinfo) *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP BrowserSite::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* pDispParams, VARIANT*,
                                 EXCEPINFO*, UINT*) {
    if (m_pOwner && pDispParams) m_pOwner->DispatchBrowserEvent(dispIdMember, *pDispParams);
    return S_OK;
}
