// The browser host, with the platform's web-browser control (Wine here has no HTML engine:
// the control is created and activated, but no document ever comes) and with a scripted
// stand-in for the control, through which the whole page path is seen.
#include <gtest/gtest.h>

#include <windows.h>
#include <exdispid.h>
#include <oleauto.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HtmlResourceText.h"
#include "ScriptedBrowser.h"
#include "SimpleBrowser.h"

namespace {

constexpr UINT kPlaceholderId = 1009;

struct Received {
    UINT code;
    UINT_PTR id;
    HWND from;
    std::wstring url, frameName, text;
    std::vector<BYTE> postData;
    long progress, progressMax;
};

// A plain top-level window that records the notifications it gets and the messages posted to
// it while a browser is being created.
class RecordingParent {
public:
    RecordingParent() {
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"InfoTestParent";
            return RegisterClassW(&wc);
        }();
        m_hWnd = CreateWindowExW(0, MAKEINTATOM(atom), L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 500,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), this);
        m_parent.SubclassWindow(m_hWnd);
    }
    ~RecordingParent() {
        m_parent.UnsubclassWindow();
        DestroyWindow(m_hWnd);
    }
    RecordingParent(const RecordingParent&) = delete;
    RecordingParent& operator=(const RecordingParent&) = delete;

    HWND AddPlaceholder(const RECT& rc) const {
        return CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, rc.left, rc.top, rc.right - rc.left,
                               rc.bottom - rc.top, m_hWnd, reinterpret_cast<HMENU>(kPlaceholderId), nullptr, nullptr);
    }

    CWnd* Wnd() { return &m_parent; }
    HWND m_hWnd = nullptr;
    std::vector<Received> notifications;
    int appMessages = 0;
    std::wstring cancelWhenUrlHas = L"blocked";

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            SetWindowLongPtrW(hWnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        }
        auto* self = reinterpret_cast<RecordingParent*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (self && message == WM_APP) ++self->appMessages;
        if (self && message == WM_NOTIFY) {
            const auto* n = reinterpret_cast<const BrowserNotification*>(lParam);
            self->notifications.push_back({n->hdr.code, n->hdr.idFrom, n->hdr.hwndFrom, n->url, n->frameName, n->text,
                                           std::vector<BYTE>(n->postData, n->postData + n->postDataSize), n->progress,
                                           n->progressMax});
            return n->url.find(self->cancelWhenUrlHas) != std::wstring::npos ? 1 : 0;
        }
        return DefWindowProcW(hWnd, message, wParam, lParam);
    }

    CWnd m_parent;
};

// Handles this thread's messages until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
    const DWORD dwStart = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - dwStart >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    return true;
}

const std::vector<std::wstring> kPageWritten = {L"navigate about:blank", L"close", L"open text/html _self", L"refresh",
                                                L"write"};

RECT ChildRect(HWND hChild) {
    RECT rc{};
    GetWindowRect(hChild, &rc);
    MapWindowPoints(HWND_DESKTOP, GetParent(hChild), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// Event arguments as the control passes them: last argument first.
class EventCall {
public:
    // The call owns a reference, as a variant does.
    EventCall& Dispatch(IDispatch* p) {
        return Push([&](VARIANT& v) {
            v.vt = VT_DISPATCH;
            v.pdispVal = p;
            p->AddRef();
        });
    }
    EventCall& Long(long n) { return Push([&](VARIANT& v) { v.vt = VT_I4; v.lVal = n; }); }
    EventCall& Text(const wchar_t* s) {
        return Push([&](VARIANT& v) { v.vt = VT_BSTR; v.bstrVal = SysAllocString(s); });
    }
    // A by-reference variant pointing at a kept variant.
    EventCall& ByRef(VARIANT& target) {
        return Push([&](VARIANT& v) { v.vt = VT_BYREF | VT_VARIANT; v.pvarVal = &target; });
    }
    EventCall& Cancel(VARIANT_BOOL& flag) {
        return Push([&](VARIANT& v) { v.vt = VT_BYREF | VT_BOOL; v.pboolVal = &flag; });
    }
    void Send(IDispatch* sink, DISPID id) {
        std::vector<VARIANT> reversed(m_args.rbegin(), m_args.rend());
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    ~EventCall() {
        for (VARIANT& v : m_args) VariantClear(&v);
    }

private:
    template <typename F>
    EventCall& Push(F fill) {
        VARIANT v;
        VariantInit(&v);
        fill(v);
        m_args.push_back(v);
        return *this;
    }
    std::vector<VARIANT> m_args;
};

struct KeptVariant {
    VARIANT v;
    KeptVariant() { VariantInit(&v); }
    explicit KeptVariant(const wchar_t* s) : KeptVariant() {
        v.vt = VT_BSTR;
        v.bstrVal = SysAllocString(s);
    }
    ~KeptVariant() { VariantClear(&v); }
    KeptVariant(const KeptVariant&) = delete;
    KeptVariant& operator=(const KeptVariant&) = delete;
};

void PutBytes(KeptVariant& kept, const std::vector<BYTE>& bytes) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    void* data = nullptr;
    SafeArrayAccessData(array, &data);
    std::copy(bytes.begin(), bytes.end(), static_cast<BYTE*>(data));
    SafeArrayUnaccessData(array);
    kept.v.vt = VT_ARRAY | VT_UI1;
    kept.v.parray = array;
}

}  // namespace

TEST(SimpleBrowser, TakesThePlaceholdersPlaceAndNeverWaitsForADocument) {
    RecordingParent parent;
    const RECT rcPlaceholder{10, 90, 560, 390};
    const HWND hPlaceholder = parent.AddPlaceholder(rcPlaceholder);

    SimpleBrowser browser;
    const DWORD dwStart = GetTickCount();
    ASSERT_TRUE(browser.CreateInPlaceOf(parent.Wnd(), kPlaceholderId));
    bool bShown = false;
    browser.ShowHtmlResource(150, [&] { bShown = true; });
    const DWORD dwCreationAndShow = GetTickCount() - dwStart;

    EXPECT_FALSE(IsWindow(hPlaceholder));
    EXPECT_EQ(browser.m_hWnd, GetDlgItem(parent.m_hWnd, kPlaceholderId));
    const RECT rc = ChildRect(browser.m_hWnd);
    EXPECT_EQ(rcPlaceholder.left, rc.left);
    EXPECT_EQ(rcPlaceholder.top, rc.top);
    EXPECT_EQ(rcPlaceholder.right, rc.right);
    EXPECT_EQ(rcPlaceholder.bottom, rc.bottom);
    ASSERT_NE(nullptr, browser.WebBrowser());
    ASSERT_NE(nullptr, browser.BrowserWindow());
    EXPECT_EQ(SimpleBrowser::kBrowserControlId, static_cast<UINT>(GetDlgCtrlID(browser.BrowserWindow())));
    EXPECT_EQ(browser.m_hWnd, GetParent(browser.BrowserWindow()));
    if (!browser.QueryHtmlDocument()) {
        // No engine: nothing waited for the document, and no page is shown.
        EXPECT_LT(dwCreationAndShow, 1500u);
        EXPECT_FALSE(bShown);
        EXPECT_EQ(-1, browser.GetTextSize());
    }

    SetWindowPos(browser.m_hWnd, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    RECT rcControl{};
    GetWindowRect(browser.BrowserWindow(), &rcControl);
    EXPECT_EQ(300, rcControl.right - rcControl.left);
    EXPECT_EQ(200, rcControl.bottom - rcControl.top);

    browser.DestroyWindow();
    EXPECT_EQ(nullptr, browser.WebBrowser());
    EXPECT_EQ(nullptr, browser.BrowserDispatch());
}

TEST(SimpleBrowser, PageIsWrittenOnceWhenTheEngineHasItsBlankDocumentWheneverThatIs) {
    const struct {
        const char* what;
        bool bDocumentAtOnce;
        bool bEvents;
    } cases[] = {
        {"document there at once", true, true},
        {"document reported later", false, true},
        {"ready state seen later, no events", false, false},
    };
    const std::wstring strPage = LoadHtmlResource(GetModuleHandleW(nullptr), 150);
    ASSERT_FALSE(strPage.empty());
    for (const auto& c : cases) {
        ScriptedBrowser engine({ScriptedBrowser::Failure::None, c.bDocumentAtOnce, c.bEvents});
        RecordingParent parent;
        parent.AddPlaceholder(RECT{0, 0, 300, 200});
        SimpleBrowser browser;
        ASSERT_TRUE(browser.CreateInPlaceOf(parent.Wnd(), kPlaceholderId)) << c.what;
        int nShown = 0;
        browser.ShowHtmlResource(150, [&] { ++nShown; });
        if (!c.bDocumentAtOnce) {
            EXPECT_EQ(std::vector<std::wstring>{L"navigate about:blank"}, engine.Calls()) << c.what;
            EXPECT_EQ(0, nShown) << c.what;
            engine.CompleteDocument();
        }
        EXPECT_TRUE(PumpUntil([&] { return nShown > 0; })) << c.what;
        engine.CompleteDocument();  // a later document of the same page writes nothing again
        PumpUntil([] { return false; }, 3 * SimpleBrowser::kReadyStatePollMs);
        EXPECT_EQ(kPageWritten, engine.Calls()) << c.what;
        EXPECT_EQ(strPage, engine.WrittenText()) << c.what;
        EXPECT_EQ(1, nShown) << c.what;
        EXPECT_EQ(c.bEvents, engine.SinkAdvised()) << c.what;
        browser.DestroyWindow();
        EXPECT_EQ(0, engine.HeldReferences()) << c.what;
        EXPECT_FALSE(engine.SinkAdvised()) << c.what;
        EXPECT_EQ(0u, engine.ReleaseSite()) << c.what;
    }
}

TEST(SimpleBrowser, EveryFailureOfCreationAndEveryWayOfGoingLetsGoOfEverything) {
    using Failure = ScriptedBrowser::Failure;
    enum class Going { NotCreated, BrowserDestroyed, ParentDestroyed, ObjectGoesFirst };
    const struct {
        const char* what;
        Failure failure;
        Going going;
    } cases[] = {
        {"no control", Failure::Creation, Going::NotCreated},
        {"site refused", Failure::ClientSite, Going::NotCreated},
        {"not activated", Failure::Activation, Going::NotCreated},
        {"no control window", Failure::Window, Going::NotCreated},
        {"no IWebBrowser2", Failure::WebBrowserInterface, Going::NotCreated},
        {"no IDispatch", Failure::DispatchInterface, Going::NotCreated},
        {"browser window destroyed", Failure::None, Going::BrowserDestroyed},
        {"parent window destroyed", Failure::None, Going::ParentDestroyed},
        {"object goes before its window", Failure::None, Going::ObjectGoesFirst},
    };
    for (const auto& c : cases) {
        ScriptedBrowser engine({c.failure, false, true});
        {
            auto parent = std::make_unique<RecordingParent>();
            parent->AddPlaceholder(RECT{0, 0, 300, 200});
            SimpleBrowser browser;
            const bool bCreated = browser.CreateInPlaceOf(parent->Wnd(), kPlaceholderId);
            EXPECT_EQ(c.going != Going::NotCreated, bCreated) << c.what;
            if (!bCreated) {
                EXPECT_EQ(nullptr, browser.m_hWnd) << c.what;
                EXPECT_EQ(nullptr, GetDlgItem(parent->m_hWnd, kPlaceholderId)) << c.what;
            } else {
                // A page waits for its document, and the user has worked in it.
                browser.ShowHtmlResource(137);
                SetFocus(engine.PageWindow());
            }
            if (c.going == Going::BrowserDestroyed) browser.DestroyWindow();
            if (c.going == Going::ParentDestroyed) parent.reset();
        }
        EXPECT_EQ(0, engine.HeldReferences()) << c.what;
        EXPECT_FALSE(engine.SinkAdvised()) << c.what;
        EXPECT_EQ(0u, engine.ReleaseSite()) << c.what;
    }
}

TEST(SimpleBrowser, WithoutAPlaceholderNothingIsCreatedAndEveryOperationIsHarmless) {
    RecordingParent parent;
    SimpleBrowser browser;
    EXPECT_FALSE(browser.CreateInPlaceOf(parent.Wnd(), kPlaceholderId));
    EXPECT_EQ(nullptr, browser.m_hWnd);
    EXPECT_EQ(nullptr, browser.WebBrowser());
    browser.ShowHtmlResource(150);
    browser.ResetDocument();
    browser.WriteDocument(L"<p>x</p>");
    browser.SetTextSize(2);
    EXPECT_EQ(-1, browser.GetTextSize());
    EXPECT_FALSE(browser.QueryHtmlDocument());
}

TEST(SimpleBrowser, EventsOfThePageReachTheParentAsNotificationsAndInnerFramesAreFiltered) {
    RecordingParent parent;
    parent.AddPlaceholder(RECT{0, 0, 300, 200});
    SimpleBrowser browser;
    ASSERT_TRUE(browser.CreateInPlaceOf(parent.Wnd(), kPlaceholderId));
    IDispatch* sink = browser.EventSink();
    IDispatch* top = browser.BrowserDispatch();
    ASSERT_NE(nullptr, sink);
    IDispatch* inner = sink;  // any other object stands for an inner frame
    parent.notifications.clear();

    KeptVariant url(L"http://example.test/a");
    KeptVariant frame(L"main");
    KeptVariant post;
    PutBytes(post, {1, 2, 3});
    KeptVariant headers(L"X-Ignored: 1");
    KeptVariant flags;
    VARIANT_BOOL cancel = VARIANT_TRUE;
    EventCall().Dispatch(top).ByRef(url.v).ByRef(flags.v).ByRef(frame.v).ByRef(post.v).ByRef(headers.v).Cancel(cancel)
        .Send(sink, DISPID_BEFORENAVIGATE2);
    EXPECT_EQ(VARIANT_FALSE, cancel) << "the parent did not object";

    KeptVariant blocked(L"http://example.test/blocked");
    KeptVariant noPost;
    EventCall().Dispatch(top).ByRef(blocked.v).ByRef(flags.v).ByRef(frame.v).ByRef(noPost.v).ByRef(headers.v)
        .Cancel(cancel).Send(sink, DISPID_BEFORENAVIGATE2);
    EXPECT_EQ(VARIANT_TRUE, cancel) << "the parent's non-zero answer cancels";

    KeptVariant done(L"about:blank");
    EventCall().Dispatch(top).ByRef(done.v).Send(sink, DISPID_DOCUMENTCOMPLETE);
    EventCall().Send(sink, DISPID_DOWNLOADBEGIN);
    EventCall().Long(40).Long(100).Send(sink, DISPID_PROGRESSCHANGE);
    EventCall().Send(sink, DISPID_DOWNLOADCOMPLETE);
    EventCall().Dispatch(top).ByRef(done.v).Send(sink, DISPID_NAVIGATECOMPLETE2);
    EventCall().Text(L"Done").Send(sink, DISPID_STATUSTEXTCHANGE);
    EventCall().Text(L"Corvane Zazez").Send(sink, DISPID_TITLECHANGE);
    // Inner frames and events the host does not handle tell the parent nothing.
    VARIANT_BOOL innerCancel = VARIANT_TRUE;
    EventCall().Dispatch(inner).ByRef(url.v).ByRef(flags.v).ByRef(frame.v).ByRef(post.v).ByRef(headers.v)
        .Cancel(innerCancel).Send(sink, DISPID_BEFORENAVIGATE2);
    EventCall().Dispatch(inner).ByRef(done.v).Send(sink, DISPID_DOCUMENTCOMPLETE);
    EventCall().Dispatch(inner).ByRef(done.v).Send(sink, DISPID_NAVIGATECOMPLETE2);
    EventCall().Send(sink, DISPID_ONQUIT);
    EXPECT_EQ(VARIANT_TRUE, innerCancel) << "left as it was";

    const struct {
        UINT code;
        std::wstring url, frameName, text;
        std::vector<BYTE> postData;
        long progress, progressMax;
    } expected[] = {
        {kBrowserBeforeNavigate2, L"http://example.test/a", L"main", L"", {1, 2, 3}, 0, 0},
        {kBrowserBeforeNavigate2, L"http://example.test/blocked", L"main", L"", {}, 0, 0},
        {kBrowserDocumentComplete, L"about:blank", L"", L"", {}, 0, 0},
        {kBrowserDownloadBegin, L"", L"", L"", {}, 0, 0},
        {kBrowserProgressChange, L"", L"", L"", {}, 40, 100},
        {kBrowserDownloadComplete, L"", L"", L"", {}, 0, 0},
        {kBrowserNavigateComplete2, L"about:blank", L"", L"", {}, 0, 0},
        {kBrowserStatusTextChange, L"", L"", L"Done", {}, 0, 0},
        {kBrowserTitleChange, L"", L"", L"Corvane Zazez", {}, 0, 0},
    };
    ASSERT_EQ(std::size(expected), parent.notifications.size());
    for (size_t i = 0; i < std::size(expected); ++i) {
        const Received& got = parent.notifications[i];
        EXPECT_EQ(expected[i].code, got.code) << i;
        EXPECT_EQ(kPlaceholderId, got.id) << i;
        EXPECT_EQ(browser.m_hWnd, got.from) << i;
        EXPECT_EQ(expected[i].url, got.url) << i;
        EXPECT_EQ(expected[i].frameName, got.frameName) << i;
        EXPECT_EQ(expected[i].text, got.text) << i;
        EXPECT_EQ(expected[i].postData, got.postData) << i;
        EXPECT_EQ(expected[i].progress, got.progress) << i;
        EXPECT_EQ(expected[i].progressMax, got.progressMax) << i;
    }
}
