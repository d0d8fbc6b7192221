#include "SimpleBrowser.h"

#include <exdispid.h>
#include <ocidl.h>
#include <oleauto.h>

#include <memory>
#include <utility>

#include "BrowserEventArgs.h"
#include "BrowserSite.h"
#include "HtmlResourceText.h"
#include "PageKeys.h"

using Microsoft::WRL::ComPtr;

namespace {

// A variant cleared when it goes.
struct ScopedVariant {
    VARIANT v;
    ScopedVariant() { ::VariantInit(&v); }
    explicit ScopedVariant(const wchar_t* pszText) : ScopedVariant() {
        v.vt = VT_BSTR;
        v.bstrVal = ::SysAllocString(pszText);
    }
    explicit ScopedVariant(long nValue) : ScopedVariant() {
        v.vt = VT_I4;
        v.lVal = nValue;
    }
    ~ScopedVariant() { ::VariantClear(&v); }
    ScopedVariant(const ScopedVariant&) = delete;
    ScopedVariant& operator=(const ScopedVariant&) = delete;
};

struct BstrDeleter {
    void operator()(BSTR s) const { ::SysFreeString(s); }
};
using OwnedBstr = std::unique_ptr<OLECHAR, BstrDeleter>;

struct SafeArrayDeleter {
    void operator()(SAFEARRAY* p) const { ::SafeArrayDestroy(p); }
};

constexpr UINT_PTR kReadyStateTimer = 1;

}  // namespace

BEGIN_MESSAGE_MAP(SimpleBrowser, CWnd)
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_TIMER, OnTimer)
END_MESSAGE_MAP()

SimpleBrowser::~SimpleBrowser() { ReleaseBrowser(); }

bool SimpleBrowser::CreateInPlaceOf(CWnd* pParent, UINT nId) {
    HWND hPlaceholder = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nId)) : nullptr;
    if (!hPlaceholder) return false;
    RECT rc{};
    ::GetWindowRect(hPlaceholder, &rc);
    pParent->ScreenToClient(rc);
    ::DestroyWindow(hPlaceholder);
    return CreateBrowser(pParent, rc, nId);
}

bool SimpleBrowser::CreateBrowser(CWnd* pParent, const RECT& rect, UINT nId) {
    m_pWebBrowser.Reset();
    const wchar_t* pszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW);
    // A control parent: Tab and Shift+Tab reach the page's own window inside it.
    if (!CreateEx(WS_EX_CONTROLPARENT, pszClass, nullptr, WS_CHILD | WS_VISIBLE, rect, pParent, nId)) return false;
    const RECT rcClient{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    if (!ActivateControl(rcClient) || FAILED(m_pOleObject.As(&m_pWebBrowser)) ||
        FAILED(m_pOleObject.As(&m_pBrowserDispatch))) {
        ReleaseBrowser();
        DestroyWindow();
        return false;
    }
    ComPtr<IConnectionPointContainer> pContainer;
    ComPtr<IConnectionPoint> pPoint;
    if (SUCCEEDED(m_pOleObject.As(&pContainer)) &&
        SUCCEEDED(pContainer->FindConnectionPoint(DIID_DWebBrowserEvents2, &pPoint))) {
        pPoint->Advise(m_pSite->EventSink(), &m_dwEventCookie);
    }
    NavigateToBlank();
    return true;
}

bool SimpleBrowser::ActivateControl(const RECT& rcClient) {
    if (FAILED(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&m_pOleObject)))) {
        return false;
    }
    m_pSite = new BrowserSite(this, m_hWnd);
    if (FAILED(m_pOleObject->SetClientSite(m_pSite))) return false;
    RECT rc = rcClient;
    if (FAILED(m_pOleObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, m_pSite, 0, m_hWnd, &rc))) return false;
    ComPtr<IOleInPlaceObject> pInPlace;
    if (FAILED(m_pOleObject.As(&pInPlace)) || FAILED(pInPlace->GetWindow(&m_hWndBrowser)) || !m_hWndBrowser) {
        return false;
    }
    ::SetWindowLongPtrW(m_hWndBrowser, GWLP_ID, kBrowserControlId);
    ::SetWindowLongPtrW(m_hWndBrowser, GWL_STYLE, ::GetWindowLongPtrW(m_hWndBrowser, GWL_STYLE) | WS_TABSTOP | WS_VISIBLE);
    return true;
}

void SimpleBrowser::NavigateToBlank() {
    if (!m_pWebBrowser) return;
    OwnedBstr url(::SysAllocString(L"about:blank"));
    ScopedVariant flags(0L);
    ScopedVariant frame(L"");
    ScopedVariant postData(L"");
    ScopedVariant headers(L"");
    m_pWebBrowser->Navigate(url.get(), &flags.v, &frame.v, &postData.v, &headers.v);
}

bool SimpleBrowser::IsReadyStateComplete() const {
    READYSTATE state = READYSTATE_UNINITIALIZED;
    return m_pWebBrowser && SUCCEEDED(m_pWebBrowser->get_ReadyState(&state)) && state == READYSTATE_COMPLETE;
}

ComPtr<IHTMLDocument2> SimpleBrowser::QueryHtmlDocument() const {
    ComPtr<IHTMLDocument2> pDocument;
    if (!m_pWebBrowser) return pDocument;
    ComPtr<IDispatch> pObject;
    if (m_pWebBrowser->get_Document(&pObject) == S_OK && pObject) pObject.As(&pDocument);
    return pDocument;
}

void SimpleBrowser::ShowHtmlResource(UINT nId, std::function<void()> onShown) {
    if (!m_pWebBrowser) return;
    m_pendingPage = LoadHtmlResource(AfxGetResourceHandle(), nId);
    m_onPageShown = std::move(onShown);
    if (IsReadyStateComplete()) ShowPendingPage();
    // Otherwise the document event or the ready state, seen while messages flow, shows it.
    if (m_pendingPage) ::SetTimer(m_hWnd, kReadyStateTimer, kReadyStatePollMs, nullptr);
}

void SimpleBrowser::ShowPendingPage() {
    if (!m_pendingPage || !QueryHtmlDocument()) return;
    ::KillTimer(m_hWnd, kReadyStateTimer);
    const std::wstring strHtml = std::move(*m_pendingPage);
    m_pendingPage.reset();
    ResetDocument();
    WriteDocument(strHtml);
    if (const std::function<void()> onShown = std::exchange(m_onPageShown, nullptr)) onShown();
}

LRESULT SimpleBrowser::OnTimer(WPARAM wParam, LPARAM) {
    if (wParam == kReadyStateTimer && IsReadyStateComplete()) ShowPendingPage();
    return 0;
}

void SimpleBrowser::ResetDocument() {
    if (!m_pWebBrowser) return;
    if (const ComPtr<IHTMLDocument2> pDocument = QueryHtmlDocument()) {
        pDocument->close();
        OwnedBstr mimeType(::SysAllocString(L"text/html"));
        ScopedVariant name(L"_self");
        ScopedVariant features;
        ScopedVariant replace;
        ComPtr<IDispatch> pWindow;
        if (pDocument->open(mimeType.get(), name.v, features.v, replace.v, &pWindow) == S_OK && m_pWebBrowser) {
            m_pWebBrowser->Refresh();
        }
    } else {
        NavigateToBlank();
    }
}

void SimpleBrowser::WriteDocument(const std::wstring& strHtml) {
    if (!m_pWebBrowser) return;
    const ComPtr<IHTMLDocument2> pDocument = QueryHtmlDocument();
    if (!pDocument) return;
    std::unique_ptr<SAFEARRAY, SafeArrayDeleter> pArray(::SafeArrayCreateVector(VT_VARIANT, 0, 1));
    if (!pArray) return;
    VARIANT* pElement = nullptr;
    if (FAILED(::SafeArrayAccessData(pArray.get(), reinterpret_cast<void**>(&pElement)))) return;
    pElement->vt = VT_BSTR;
    pElement->bstrVal = ::SysAllocStringLen(strHtml.data(), static_cast<UINT>(strHtml.size()));
    ::SafeArrayUnaccessData(pArray.get());
    pDocument->write(pArray.get());
}

int SimpleBrowser::GetTextSize() const {
    if (!m_pWebBrowser) return -1;
    ScopedVariant level(-1L);
    m_pWebBrowser->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, nullptr, &level.v);
    return level.v.vt == VT_I4 ? level.v.lVal : -1;
}

void SimpleBrowser::SetTextSize(int nLevel) {
    if (!m_pWebBrowser) return;
    ScopedVariant level(static_cast<long>(nLevel));
    m_pWebBrowser->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &level.v, nullptr);
}

IDispatch* SimpleBrowser::EventSink() const { return m_pSite ? m_pSite->EventSink() : nullptr; }

bool SimpleBrowser::TranslateAccelerator(MSG* pMsg) {
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || !m_hWndBrowser || !m_pSite) return false;
    if (pMsg->hwnd != m_hWndBrowser && !::IsChild(m_hWndBrowser, pMsg->hwnd)) return false;
    switch (RoutePageKey(*pMsg)) {
    case PageKeyRoute::Dialog:
        return false;
    case PageKeyRoute::Nobody:
        return true;
    case PageKeyRoute::Engine:
        break;
    }
    IOleInPlaceActiveObject* pActive = m_pSite->ActiveObject();
    return pActive && pActive->TranslateAccelerator(pMsg) == S_OK;
}

void SimpleBrowser::DispatchBrowserEvent(DISPID dispId, const DISPPARAMS& params) {
    // Navigation and document events of inner frames are not the page's own.
    const auto isTopFrame = [&] {
        return m_pBrowserDispatch && VariantDispatch(EventArgument(params, 0)) == m_pBrowserDispatch.Get();
    };
    switch (dispId) {
        case DISPID_BEFORENAVIGATE2:
            if (isTopFrame()) {
                const bool bCancel = HandleBeforeNavigate2(VariantText(EventArgument(params, 1)),
                                                           VariantText(EventArgument(params, 3)),
                                                           PostDataBytes(EventArgument(params, 4)), std::wstring());
                SetCancelFlag(EventArgument(params, 6), bCancel);
            }
            break;
        case DISPID_DOCUMENTCOMPLETE:
            if (isTopFrame()) {
                ShowPendingPage();
                HandleDocumentComplete(VariantText(EventArgument(params, 1)));
            }
            break;
        case DISPID_NAVIGATECOMPLETE2:
            if (isTopFrame()) HandleNavigateComplete2(VariantText(EventArgument(params, 1)));
            break;
        case DISPID_DOWNLOADBEGIN:
            HandleDownloadBegin();
            break;
        case DISPID_DOWNLOADCOMPLETE:
            HandleDownloadComplete();
            break;
        case DISPID_PROGRESSCHANGE:
            HandleProgressChange(VariantLong(EventArgument(params, 0)), VariantLong(EventArgument(params, 1)));
            break;
        case DISPID_STATUSTEXTCHANGE:
            HandleStatusTextChange(VariantText(EventArgument(params, 0)));
            break;
        case DISPID_TITLECHANGE:
            HandleTitleChange(VariantText(EventArgument(params, 0)));
            break;
        default:
            break;
    }
}

LRESULT SimpleBrowser::Notify(BrowserNotification& record, UINT nCode) {
    HWND hParent = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (!hParent) return 0;
    record.hdr.hwndFrom = m_hWnd;
    record.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    record.hdr.code = nCode;
    return ::SendMessageW(hParent, WM_NOTIFY, record.hdr.idFrom, reinterpret_cast<LPARAM>(&record));
}

bool SimpleBrowser::HandleBeforeNavigate2(const std::wstring& strUrl, const std::wstring& strFrameName,
                                          const std::vector<BYTE>& postData, const std::wstring& strHeaders) {
    BrowserNotification record;
    record.url = strUrl;
    record.frameName = strFrameName;
    record.postData = postData.empty() ? nullptr : postData.data();
    record.postDataSize = static_cast<DWORD>(postData.size());
    record.headers = strHeaders;
    return Notify(record, kBrowserBeforeNavigate2) != 0;
}

void SimpleBrowser::HandleDocumentComplete(const std::wstring& strUrl) {
    BrowserNotification record;
    record.url = strUrl;
    Notify(record, kBrowserDocumentComplete);
}

void SimpleBrowser::HandleDownloadBegin() {
    BrowserNotification record;
    Notify(record, kBrowserDownloadBegin);
}

void SimpleBrowser::HandleProgressChange(long nProgress, long nProgressMax) {
    BrowserNotification record;
    record.progress = nProgress;
    record.progressMax = nProgressMax;
    Notify(record, kBrowserProgressChange);
}

void SimpleBrowser::HandleDownloadComplete() {
    BrowserNotification record;
    Notify(record, kBrowserDownloadComplete);
}

void SimpleBrowser::HandleNavigateComplete2(const std::wstring& strUrl) {
    BrowserNotification record;
    record.url = strUrl;
    Notify(record, kBrowserNavigateComplete2);
}

void SimpleBrowser::HandleStatusTextChange(const std::wstring& strText) {
    BrowserNotification record;
    record.text = strText;
    Notify(record, kBrowserStatusTextChange);
}

void SimpleBrowser::HandleTitleChange(const std::wstring& strText) {
    BrowserNotification record;
    record.text = strText;
    Notify(record, kBrowserTitleChange);
}

void SimpleBrowser::OnSize(UINT, int cx, int cy) {
    Default();
    if (!m_hWndBrowser || !::IsWindow(m_hWndBrowser)) return;
    ::MoveWindow(m_hWndBrowser, 0, 0, cx, cy, TRUE);
    ComPtr<IOleInPlaceObject> pInPlace;
    if (m_pOleObject && SUCCEEDED(m_pOleObject.As(&pInPlace))) {
        const RECT rc{0, 0, cx, cy};
        pInPlace->SetObjectRects(&rc, &rc);
    }
}

void SimpleBrowser::OnDestroy() {
    // The control is closed while its host window still exists.
    ReleaseBrowser();
    Default();
}

void SimpleBrowser::PostNcDestroy() { ReleaseBrowser(); }

void SimpleBrowser::ReleaseBrowser() {
    if (m_pOleObject) {
        if (m_dwEventCookie) {
            ComPtr<IConnectionPointContainer> pContainer;
            ComPtr<IConnectionPoint> pPoint;
            if (SUCCEEDED(m_pOleObject.As(&pContainer)) &&
                SUCCEEDED(pContainer->FindConnectionPoint(DIID_DWebBrowserEvents2, &pPoint))) {
                pPoint->Unadvise(m_dwEventCookie);
            }
        }
        m_pOleObject->Close(OLECLOSE_NOSAVE);
        m_pOleObject->SetClientSite(nullptr);
    }
    m_dwEventCookie = 0;
    m_pendingPage.reset();
    m_onPageShown = nullptr;
    m_pWebBrowser.Reset();
    m_pBrowserDispatch.Reset();
    m_pOleObject.Reset();
    m_hWndBrowser = nullptr;
    if (m_pSite) {
        m_pSite->Detach();
        m_pSite->Release();
        m_pSite = nullptr;
    }
}
