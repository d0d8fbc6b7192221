// The stand-in is written as COM objects in their C form: each interface a table holding the
// functions the program calls and nothing else, so that a call the program should not make
// fails the test at once. References are counted but the objects belong to the test, so that
// a release too many shows as a negative count instead of a freed object.
#define CINTERFACE
#include "ScriptedBrowser.h"

#include <algorithm>
#include <utility>

#include <ole2.h>
#include <exdisp.h>
#include <exdispid.h>
#include <mshtml.h>
#include <mshtmhst.h>
#include <ocidl.h>
#include <olectl.h>

namespace {

struct AnyFace {
    const void* lpVtbl;
    ScriptedBrowser::State* pState;
};

template <typename Vtbl>
struct Face {
    const Vtbl* lpVtbl;
    ScriptedBrowser::State* pState;
};

template <typename T>
ScriptedBrowser::State* StateOf(T* pInterface) {
    return reinterpret_cast<AnyFace*>(pInterface)->pState;
}

constexpr const wchar_t* kWindowClass = L"ScriptedBrowserWindow";

}  // namespace

struct ScriptedBrowser::State {
    Script script;
    LONG nBrowserRefs = 0;
    LONG nDocumentRefs = 0;
    LONG nPointRefs = 0;
    bool bOverReleased = false;
    Face<IClassFactoryVtbl> factory;
    Face<IOleObjectVtbl> oleObject;
    Face<IOleInPlaceObjectVtbl> inPlaceObject;
    Face<IOleInPlaceActiveObjectVtbl> activeObject;
    Face<IWebBrowser2Vtbl> webBrowser;
    Face<IConnectionPointContainerVtbl> container;
    Face<IConnectionPointVtbl> point;
    Face<IHTMLDocument2Vtbl> document;
    DWORD dwRegistration = 0;
    IOleClientSite* pSite = nullptr;
    IOleClientSite* pKeptSite = nullptr;
    IOleInPlaceFrame* pFrame = nullptr;
    IDispatch* pSink = nullptr;
    HWND hWndControl = nullptr;
    HWND hWndPage = nullptr;
    bool bDocument = false;
    std::vector<std::wstring> calls;
    std::wstring written;
    std::vector<std::pair<UINT, WPARAM>> keys;

    IDispatch* BrowserDispatch() { return reinterpret_cast<IDispatch*>(&webBrowser); }
    void Counted(LONG& nRefs) {
        if (--nRefs < 0) bOverReleased = true;
    }
};

namespace {

using State = ScriptedBrowser::State;

template <typename T>
void Release(T*& p) {
    if (p) p->lpVtbl->Release(p);
    p = nullptr;
}

// The control's objects: one identity, one count, whichever interface is asked for.
HRESULT QueryBrowser(State* s, REFIID riid, void** ppv) {
    *ppv = nullptr;
    const auto failure = s->script.failure;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleObject)) {
        *ppv = &s->oleObject;
    } else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceObject)) {
        *ppv = &s->inPlaceObject;
    } else if (IsEqualIID(riid, IID_IOleInPlaceActiveObject)) {
        *ppv = &s->activeObject;
    } else if (IsEqualIID(riid, IID_IWebBrowser2) && failure != ScriptedBrowser::Failure::WebBrowserInterface) {
        *ppv = &s->webBrowser;
    } else if (IsEqualIID(riid, IID_IDispatch) && failure != ScriptedBrowser::Failure::DispatchInterface) {
        *ppv = &s->webBrowser;
    } else if (IsEqualIID(riid, IID_IConnectionPointContainer) && s->script.bEvents) {
        *ppv = &s->container;
    } else {
        return E_NOINTERFACE;
    }
    ++s->nBrowserRefs;
    return S_OK;
}

template <typename T>
HRESULT STDMETHODCALLTYPE BrowserQueryInterface(T* p, REFIID riid, void** ppv) {
    return QueryBrowser(StateOf(p), riid, ppv);
}
template <typename T>
ULONG STDMETHODCALLTYPE BrowserAddRef(T* p) {
    return static_cast<ULONG>(++StateOf(p)->nBrowserRefs);
}
template <typename T>
ULONG STDMETHODCALLTYPE BrowserRelease(T* p) {
    StateOf(p)->Counted(StateOf(p)->nBrowserRefs);
    return static_cast<ULONG>(std::max<LONG>(0, StateOf(p)->nBrowserRefs));
}
template <typename Vtbl, typename T>
void SetBrowserUnknown(Vtbl& v) {
    v.QueryInterface = BrowserQueryInterface<T>;
    v.AddRef = BrowserAddRef<T>;
    v.Release = BrowserRelease<T>;
}

// The user works in the page: the control becomes UI active and gives the frame its active
// object, as the engine does.
void ActivateForUser(State* s) {
    if (s->pFrame || !s->pSite) return;
    IOleInPlaceSite* pInPlaceSite = nullptr;
    if (FAILED(s->pSite->lpVtbl->QueryInterface(s->pSite, IID_IOleInPlaceSite, reinterpret_cast<void**>(&pInPlaceSite)))) {
        return;
    }
    IOleInPlaceUIWindow* pDocument = nullptr;
    RECT rcPos{}, rcClip{};
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof(info);
    pInPlaceSite->lpVtbl->GetWindowContext(pInPlaceSite, &s->pFrame, &pDocument, &rcPos, &rcClip, &info);
    if (s->pFrame) {
        s->pFrame->lpVtbl->SetActiveObject(s->pFrame, reinterpret_cast<IOleInPlaceActiveObject*>(&s->activeObject), L"");
    }
    Release(pDocument);
    Release(pInPlaceSite);
}

void Deactivate(State* s) {
    if (s->pFrame) s->pFrame->lpVtbl->SetActiveObject(s->pFrame, nullptr, nullptr);
    Release(s->pFrame);
    if (s->hWndControl) DestroyWindow(s->hWndControl);
    s->hWndControl = s->hWndPage = nullptr;
}

LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* s = reinterpret_cast<State*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (s && message == WM_SETFOCUS && hWnd == s->hWndPage) ActivateForUser(s);
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

HWND CreateChild(State* s, HWND hParent, const RECT& rc) {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kWindowClass;
        return RegisterClassW(&wc);
    }();
    HWND hWnd = CreateWindowExW(0, MAKEINTATOM(atom), L"", WS_CHILD | WS_VISIBLE, rc.left, rc.top, rc.right - rc.left,
                                rc.bottom - rc.top, hParent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(s));
    return hWnd;
}

// IOleObject
HRESULT STDMETHODCALLTYPE SetClientSite(IOleObject* p, IOleClientSite* pSite) {
    State* s = StateOf(p);
    if (pSite && s->script.failure == ScriptedBrowser::Failure::ClientSite) return E_FAIL;
    Release(s->pSite);
    if (!pSite) return S_OK;
    s->pSite = pSite;
    pSite->lpVtbl->AddRef(pSite);
    if (!s->pKeptSite) {
        s->pKeptSite = pSite;
        pSite->lpVtbl->AddRef(pSite);
    }
    return S_OK;
}
HRESULT STDMETHODCALLTYPE DoVerb(IOleObject* p, LONG, LPMSG, IOleClientSite*, LONG, HWND hParent, LPCRECT pRect) {
    State* s = StateOf(p);
    if (s->script.failure == ScriptedBrowser::Failure::Activation) return E_FAIL;
    const RECT rc = pRect ? *pRect : RECT{};
    s->hWndControl = CreateChild(s, hParent, rc);
    s->hWndPage = CreateChild(s, s->hWndControl, RECT{0, 0, rc.right - rc.left, rc.bottom - rc.top});
    return S_OK;
}
HRESULT STDMETHODCALLTYPE CloseObject(IOleObject* p, DWORD) {
    Deactivate(StateOf(p));
    return S_OK;
}

// IOleInPlaceObject, IOleInPlaceActiveObject
HRESULT STDMETHODCALLTYPE GetControlWindow(IOleInPlaceObject* p, HWND* phWnd) {
    State* s = StateOf(p);
    *phWnd = s->script.failure == ScriptedBrowser::Failure::Window ? nullptr : s->hWndControl;
    return *phWnd ? S_OK : E_FAIL;
}
HRESULT STDMETHODCALLTYPE SetObjectRects(IOleInPlaceObject*, LPCRECT, LPCRECT) { return S_OK; }
HRESULT STDMETHODCALLTYPE ActiveObjectWindow(IOleInPlaceActiveObject* p, HWND* phWnd) {
    *phWnd = StateOf(p)->hWndControl;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE OfferKey(IOleInPlaceActiveObject* p, LPMSG pMsg) {
    StateOf(p)->keys.emplace_back(pMsg->message, pMsg->wParam);
    return S_OK;
}

// IWebBrowser2
HRESULT STDMETHODCALLTYPE Navigate(IWebBrowser2* p, BSTR url, VARIANT*, VARIANT*, VARIANT*, VARIANT*) {
    State* s = StateOf(p);
    s->calls.push_back(std::wstring(L"navigate ") + (url ? url : L""));
    if (s->script.bDocumentAtOnce) s->bDocument = true;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE Refresh(IWebBrowser2* p) {
    StateOf(p)->calls.push_back(L"refresh");
    return S_OK;
}
HRESULT STDMETHODCALLTYPE GetDocument(IWebBrowser2* p, IDispatch** ppDocument) {
    State* s = StateOf(p);
    *ppDocument = nullptr;
    // As the engine answers before its first document: success, but nothing.
    if (!s->bDocument) return S_FALSE;
    *ppDocument = reinterpret_cast<IDispatch*>(&s->document);
    ++s->nDocumentRefs;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE GetReadyState(IWebBrowser2* p, READYSTATE* pState) {
    *pState = StateOf(p)->bDocument ? READYSTATE_COMPLETE : READYSTATE_LOADING;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE ExecWB(IWebBrowser2* p, OLECMDID command, OLECMDEXECOPT, VARIANT* pIn, VARIANT* pOut) {
    State* s = StateOf(p);
    if (command != OLECMDID_ZOOM) return E_NOTIMPL;
    if (pIn && pIn->vt == VT_I4) {
        s->calls.push_back(L"text size " + std::to_wstring(pIn->lVal));
        s->script.nTextSize = pIn->lVal;
        return S_OK;
    }
    s->calls.push_back(L"text size?");
    if (s->script.nTextSize < 0 || !pOut) return E_UNEXPECTED;
    pOut->vt = VT_I4;
    pOut->lVal = s->script.nTextSize;
    return S_OK;
}

// IConnectionPointContainer, IConnectionPoint
HRESULT STDMETHODCALLTYPE FindConnectionPoint(IConnectionPointContainer* p, REFIID riid, IConnectionPoint** ppPoint) {
    State* s = StateOf(p);
    *ppPoint = nullptr;
    if (!IsEqualIID(riid, DIID_DWebBrowserEvents2)) return CONNECT_E_NOCONNECTION;
    *ppPoint = reinterpret_cast<IConnectionPoint*>(&s->point);
    ++s->nPointRefs;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE PointQueryInterface(IConnectionPoint* p, REFIID riid, void** ppv) {
    *ppv = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IConnectionPoint)) return E_NOINTERFACE;
    *ppv = p;
    ++StateOf(p)->nPointRefs;
    return S_OK;
}
ULONG STDMETHODCALLTYPE PointAddRef(IConnectionPoint* p) { return static_cast<ULONG>(++StateOf(p)->nPointRefs); }
ULONG STDMETHODCALLTYPE PointRelease(IConnectionPoint* p) {
    StateOf(p)->Counted(StateOf(p)->nPointRefs);
    return 0;
}
HRESULT STDMETHODCALLTYPE Advise(IConnectionPoint* p, IUnknown* pSink, DWORD* pdwCookie) {
    State* s = StateOf(p);
    *pdwCookie = 0;
    if (s->pSink || FAILED(pSink->lpVtbl->QueryInterface(pSink, IID_IDispatch, reinterpret_cast<void**>(&s->pSink)))) {
        return CONNECT_E_CANNOTCONNECT;
    }
    *pdwCookie = 1;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE Unadvise(IConnectionPoint* p, DWORD dwCookie) {
    State* s = StateOf(p);
    if (dwCookie != 1 || !s->pSink) return CONNECT_E_NOCONNECTION;
    Release(s->pSink);
    return S_OK;
}

// IHTMLDocument2
HRESULT STDMETHODCALLTYPE DocumentQueryInterface(IHTMLDocument2* p, REFIID riid, void** ppv) {
    *ppv = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) && !IsEqualIID(riid, IID_IHTMLDocument) &&
        !IsEqualIID(riid, IID_IHTMLDocument2)) {
        return E_NOINTERFACE;
    }
    *ppv = p;
    ++StateOf(p)->nDocumentRefs;
    return S_OK;
}
ULONG STDMETHODCALLTYPE DocumentAddRef(IHTMLDocument2* p) { return static_cast<ULONG>(++StateOf(p)->nDocumentRefs); }
ULONG STDMETHODCALLTYPE DocumentRelease(IHTMLDocument2* p) {
    StateOf(p)->Counted(StateOf(p)->nDocumentRefs);
    return 0;
}
HRESULT STDMETHODCALLTYPE OpenDocument(IHTMLDocument2* p, BSTR url, VARIANT name, VARIANT, VARIANT, IDispatch** ppWindow) {
    State* s = StateOf(p);
    s->calls.push_back(std::wstring(L"open ") + (url ? url : L"") + L" " + (name.vt == VT_BSTR ? name.bstrVal : L"?"));
    // The window the document opened in: the document stands for it, so that its release counts.
    *ppWindow = reinterpret_cast<IDispatch*>(p);
    ++s->nDocumentRefs;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE CloseDocument(IHTMLDocument2* p) {
    StateOf(p)->calls.push_back(L"close");
    return S_OK;
}
HRESULT STDMETHODCALLTYPE WriteDocument(IHTMLDocument2* p, SAFEARRAY* pArray) {
    State* s = StateOf(p);
    s->calls.push_back(L"write");
    VARIANT* pElements = nullptr;
    if (!pArray || FAILED(SafeArrayAccessData(pArray, reinterpret_cast<void**>(&pElements)))) return E_INVALIDARG;
    for (ULONG i = 0; i < pArray->rgsabound[0].cElements; ++i) {
        if (pElements[i].vt == VT_BSTR) s->written.append(pElements[i].bstrVal, SysStringLen(pElements[i].bstrVal));
    }
    SafeArrayUnaccessData(pArray);
    return S_OK;
}

// IClassFactory: the control's class, registered in this process.
HRESULT STDMETHODCALLTYPE FactoryQueryInterface(IClassFactory* p, REFIID riid, void** ppv) {
    *ppv = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory) ? p : nullptr;
    return *ppv ? S_OK : E_NOINTERFACE;
}
ULONG STDMETHODCALLTYPE FactoryAddRef(IClassFactory*) { return 2; }
ULONG STDMETHODCALLTYPE FactoryRelease(IClassFactory*) { return 1; }
HRESULT STDMETHODCALLTYPE CreateInstance(IClassFactory* p, IUnknown* pOuter, REFIID riid, void** ppv) {
    *ppv = nullptr;
    if (pOuter) return CLASS_E_NOAGGREGATION;
    if (StateOf(p)->script.failure == ScriptedBrowser::Failure::Creation) return E_OUTOFMEMORY;
    return QueryBrowser(StateOf(p), riid, ppv);
}
HRESULT STDMETHODCALLTYPE LockServer(IClassFactory*, BOOL) { return S_OK; }

// One table per interface for the whole test program.
template <typename Vtbl, typename Fill>
const Vtbl* Table(Fill fill) {
    static const Vtbl table = [&] {
        Vtbl v{};
        fill(v);
        return v;
    }();
    return &table;
}

}  // namespace

ScriptedBrowser::ScriptedBrowser(const Script& script) : m_pState(std::make_unique<State>()) {
    State* s = m_pState.get();
    s->script = script;
    const auto* pFactory = Table<IClassFactoryVtbl>([](IClassFactoryVtbl& v) {
        v.QueryInterface = FactoryQueryInterface;
        v.AddRef = FactoryAddRef;
        v.Release = FactoryRelease;
        v.CreateInstance = CreateInstance;
        v.LockServer = LockServer;
    });
    const auto* pOleObject = Table<IOleObjectVtbl>([](IOleObjectVtbl& v) {
        SetBrowserUnknown<IOleObjectVtbl, IOleObject>(v);
        v.SetClientSite = SetClientSite;
        v.DoVerb = DoVerb;
        v.Close = CloseObject;
    });
    const auto* pInPlaceObject = Table<IOleInPlaceObjectVtbl>([](IOleInPlaceObjectVtbl& v) {
        SetBrowserUnknown<IOleInPlaceObjectVtbl, IOleInPlaceObject>(v);
        v.GetWindow = GetControlWindow;
        v.SetObjectRects = SetObjectRects;
    });
    const auto* pActiveObject = Table<IOleInPlaceActiveObjectVtbl>([](IOleInPlaceActiveObjectVtbl& v) {
        SetBrowserUnknown<IOleInPlaceActiveObjectVtbl, IOleInPlaceActiveObject>(v);
        v.GetWindow = ActiveObjectWindow;
        v.TranslateAccelerator = OfferKey;
    });
    const auto* pWebBrowser = Table<IWebBrowser2Vtbl>([](IWebBrowser2Vtbl& v) {
        SetBrowserUnknown<IWebBrowser2Vtbl, IWebBrowser2>(v);
        v.Navigate = Navigate;
        v.Refresh = Refresh;
        v.get_Document = GetDocument;
        v.get_ReadyState = GetReadyState;
        v.ExecWB = ExecWB;
    });
    const auto* pContainer = Table<IConnectionPointContainerVtbl>([](IConnectionPointContainerVtbl& v) {
        SetBrowserUnknown<IConnectionPointContainerVtbl, IConnectionPointContainer>(v);
        v.FindConnectionPoint = FindConnectionPoint;
    });
    const auto* pPoint = Table<IConnectionPointVtbl>([](IConnectionPointVtbl& v) {
        v.QueryInterface = PointQueryInterface;
        v.AddRef = PointAddRef;
        v.Release = PointRelease;
        v.Advise = Advise;
        v.Unadvise = Unadvise;
    });
    const auto* pDocument = Table<IHTMLDocument2Vtbl>([](IHTMLDocument2Vtbl& v) {
        v.QueryInterface = DocumentQueryInterface;
        v.AddRef = DocumentAddRef;
        v.Release = DocumentRelease;
        v.open = OpenDocument;
        v.close = CloseDocument;
        v.write = WriteDocument;
    });
    s->factory = {pFactory, s};
    s->oleObject = {pOleObject, s};
    s->inPlaceObject = {pInPlaceObject, s};
    s->activeObject = {pActiveObject, s};
    s->webBrowser = {pWebBrowser, s};
    s->container = {pContainer, s};
    s->point = {pPoint, s};
    s->document = {pDocument, s};
    CoRegisterClassObject(CLSID_WebBrowser, reinterpret_cast<IUnknown*>(&s->factory), CLSCTX_INPROC_SERVER,
                          REGCLS_MULTIPLEUSE, &s->dwRegistration);
}

ScriptedBrowser::~ScriptedBrowser() {
    State* s = m_pState.get();
    CoRevokeClassObject(s->dwRegistration);
    // Whatever the program left behind is let go here, the site last.
    Deactivate(s);
    Release(s->pSink);
    Release(s->pSite);
    Release(s->pKeptSite);
}

void ScriptedBrowser::CompleteDocument() {
    State* s = m_pState.get();
    s->bDocument = true;
    if (!s->pSink) return;
    // DocumentComplete(pDisp, URL), passed last argument first.
    VARIANT url;
    VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = SysAllocString(L"about:blank");
    VARIANT args[2];
    VariantInit(&args[0]);
    args[0].vt = VT_BYREF | VT_VARIANT;
    args[0].pvarVal = &url;
    VariantInit(&args[1]);
    args[1].vt = VT_DISPATCH;
    args[1].pdispVal = s->BrowserDispatch();
    DISPPARAMS params{args, nullptr, 2, 0};
    IDispatch* pSink = s->pSink;
    pSink->lpVtbl->AddRef(pSink);
    pSink->lpVtbl->Invoke(pSink, DISPID_DOCUMENTCOMPLETE, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr,
                          nullptr);
    pSink->lpVtbl->Release(pSink);
    VariantClear(&url);
}

std::vector<std::wstring> ScriptedBrowser::Calls() const { return m_pState->calls; }
std::wstring ScriptedBrowser::WrittenText() const { return m_pState->written; }
std::vector<std::pair<UINT, WPARAM>> ScriptedBrowser::OfferedKeys() const { return m_pState->keys; }
HWND ScriptedBrowser::PageWindow() const { return m_pState->hWndPage; }

namespace {
template <typename Ask>
bool SiteKeeps(IOleClientSite* pSite, Ask ask) {
    IDocHostUIHandler* pHandler = nullptr;
    if (!pSite ||
        FAILED(pSite->lpVtbl->QueryInterface(pSite, IID_IDocHostUIHandler, reinterpret_cast<void**>(&pHandler)))) {
        return false;
    }
    const bool bKept = ask(pHandler) == S_OK;
    Release(pHandler);
    return bKept;
}
}  // namespace

bool ScriptedBrowser::SiteKeepsKey(MSG msg) const {
    return SiteKeeps(m_pState->pSite,
                     [&](IDocHostUIHandler* p) { return p->lpVtbl->TranslateAccelerator(p, &msg, nullptr, 0); });
}

bool ScriptedBrowser::SiteKeepsContextMenu() const {
    POINT pt{10, 10};
    return SiteKeeps(m_pState->pSite, [&](IDocHostUIHandler* p) {
        return p->lpVtbl->ShowContextMenu(p, CONTEXT_MENU_DEFAULT, &pt, nullptr, nullptr);
    });
}

long ScriptedBrowser::HeldReferences() const {
    const State* s = m_pState.get();
    return s->bOverReleased ? -1 : s->nBrowserRefs + s->nDocumentRefs + s->nPointRefs;
}

bool ScriptedBrowser::SinkAdvised() const { return m_pState->pSink != nullptr; }

ULONG ScriptedBrowser::ReleaseSite() {
    IOleClientSite* pSite = std::exchange(m_pState->pKeptSite, nullptr);
    return pSite ? pSite->lpVtbl->Release(pSite) : 0;
}
