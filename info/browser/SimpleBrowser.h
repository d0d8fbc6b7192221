#pragma once
// A child window hosting the web-browser control, showing HTML text that the program supplies
// from its resources, and telling its parent about the browser's events (WM_NOTIFY with a
// BrowserNotification).
#include <windows.h>
#include <exdisp.h>
#include <mshtml.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "Afx.h"
#include "BrowserNotification.h"

class BrowserSite;

class SimpleBrowser : public CWnd {
public:
    // How long creation and reset wait for the blank document. A browser engine that has not
    // delivered one by then is not waited for again.
    static constexpr DWORD kDocumentWaitMs = 2000;
    static constexpr UINT kBrowserControlId = AFX_IDW_PANE_FIRST;

    SimpleBrowser() = default;
    ~SimpleBrowser() override;

    // Puts the browser in place of the parent's control nId, which goes; false, with no
    // browser window left, when the control or the browser cannot be had.
    bool CreateInPlaceOf(CWnd* pParent, UINT nId);
    bool CreateBrowser(CWnd* pParent, const RECT& rect, UINT nId);

    // Shows HTML resource nId of the program's text module; a missing one shows an empty page.
    void ShowHtmlResource(UINT nId);
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

    bool ActivateControl(const RECT& rcClient);
    void NavigateToBlank();
    // Waits, handling the thread's messages, until the blank document is there or the time
    // is up; false when no document came.
    bool WaitForDocument();
    // Sends a notification to the parent; 0 when there is none.
    LRESULT Notify(BrowserNotification& record, UINT nCode);
    void ReleaseBrowser();

    Microsoft::WRL::ComPtr<IOleObject> m_pOleObject;
    Microsoft::WRL::ComPtr<IWebBrowser2> m_pWebBrowser;
    Microsoft::WRL::ComPtr<IDispatch> m_pBrowserDispatch;
    BrowserSite* m_pSite = nullptr;  // one reference held, released in ReleaseBrowser
    DWORD m_dwEventCookie = 0;
    HWND m_hWndBrowser = nullptr;
    bool m_bEngineSilent = false;

    DECLARE_MESSAGE_MAP()
};
