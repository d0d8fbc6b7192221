#pragma once
// A child window hosting the web-browser control, showing HTML text that the program supplies
// from its resources, and telling its parent about the browser's events (WM_NOTIFY with a
// BrowserNotification).
#include <windows.h>
#include <exdisp.h>
#include <mshtml.h>
#include <wrl/client.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Afx.h"
#include "BrowserNotification.h"

class BrowserSite;

class SimpleBrowser : public CWnd {
public:
    static constexpr UINT kBrowserControlId = AFX_IDW_PANE_FIRST;
    // How often a page waiting for the blank document looks at the engine's ready state, for
    // an engine that reports it without the document event.
    static constexpr UINT kReadyStatePollMs = 100;

    SimpleBrowser() = default;
    ~SimpleBrowser() override;

    // Puts the browser in place of the parent's control nId, which goes; false, with no
    // browser window left, when the control or the browser cannot be had.
    bool CreateInPlaceOf(CWnd* pParent, UINT nId);
    bool CreateBrowser(CWnd* pParent, const RECT& rect, UINT nId);

    // Shows HTML resource nId of the program's text module (a missing one shows an empty
    // page) as soon as the engine has its blank document, now or later; onShown runs then.
    // Nothing waits: an engine that never has a document never shows the page.
    void ShowHtmlResource(UINT nId, std::function<void()> onShown = {});
    void ResetDocument();
    void WriteDocument(const std::wstring& strHtml);
    Microsoft::WRL::ComPtr<IHTMLDocument2> QueryHtmlDocument() const;

    // The browser's text size (0 smallest to 4 largest), or -1 when it cannot be read.
    int GetTextSize() const;
    void SetTextSize(int nLevel);

    IWebBrowser2* WebBrowser() const { return m_pWebBrowser.Get(); }
    IDispatch* BrowserDispatch() const { return m_pBrowserDispatch.Get(); }
    HWND BrowserWindow() const { return m_hWndBrowser; }
    // Where the browser's events arrive, as the control calls them.
    IDispatch* EventSink() const;

    // Turns one event of the control into a call of the matching operation below.
    void DispatchBrowserEvent(DISPID dispId, const DISPPARAMS& params);

    // Offers a key message of the browser's windows to the page (its in-place active object)
    // when it is one of the page's keys; true when the page took it or the key is kept from
    // everyone, false when it is the dialog's.
    bool TranslateAccelerator(MSG* pMsg);

protected:
    // Each tells the parent; the navigation is cancelled when the parent answers non-zero.
    virtual bool HandleBeforeNavigate2(const std::wstring& strUrl, const std::wstring& strFrameName,
                                       const std::vector<BYTE>& postData, const std::wstring& strHeaders);
    virtual void HandleDocumentComplete(const std::wstring& strUrl);
    virtual void HandleDownloadBegin();
    virtual void HandleProgressChange(long nProgress, long nProgressMax);
    virtual void HandleDownloadComplete();
    virtual void HandleNavigateComplete2(const std::wstring& strUrl);
    virtual void HandleStatusTextChange(const std::wstring& strText);
    virtual void HandleTitleChange(const std::wstring& strText);

    void PostNcDestroy() override;

private:
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);

    bool ActivateControl(const RECT& rcClient);
    void NavigateToBlank();
    bool IsReadyStateComplete() const;
    // Resets the document and writes the waiting page into it, when there is a document.
    void ShowPendingPage();
    // Sends a notification to the parent; 0 when there is none.
    LRESULT Notify(BrowserNotification& record, UINT nCode);
    void ReleaseBrowser();

    Microsoft::WRL::ComPtr<IOleObject> m_pOleObject;
    Microsoft::WRL::ComPtr<IWebBrowser2> m_pWebBrowser;
    Microsoft::WRL::ComPtr<IDispatch> m_pBrowserDispatch;
    BrowserSite* m_pSite = nullptr;  // one reference held, released in ReleaseBrowser
    DWORD m_dwEventCookie = 0;
    HWND m_hWndBrowser = nullptr;
    std::optional<std::wstring> m_pendingPage;
    std::function<void()> m_onPageShown;

    DECLARE_MESSAGE_MAP()
};
