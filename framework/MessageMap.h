#pragma once
// Typed message maps. A class lists the messages it handles in a table between
// BEGIN_MESSAGE_MAP and END_MESSAGE_MAP, one line a message, each naming a member function
// whose signature the entry checks at compile time; unhandled messages go to the base class's
// map, then to the window's default handling.
#include <windows.h>
#include <commctrl.h>

class CWnd;

namespace afx {

// A control's own command and notification messages come back to it under this offset
// ("reflected"), before its parent's map sees them.
inline constexpr UINT kReflectBase = 0xBC00;

using Invoker = void (*)(CWnd* self, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

struct MessageMapEntry {
    UINT message;  // window message; WM_COMMAND or WM_NOTIFY, possibly reflected
    UINT code;     // notification code of a command or notification
    UINT id;       // control id of a command or notification; 0 for a reflected one
    Invoker invoke;
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;  // ends with an entry whose invoke is null
};

template <typename>
struct MemberClass;
template <typename C, typename R, typename... A>
struct MemberClass<R (C::*)(A...)> {
    using type = C;
};

// The object a handler belongs to: the map's own class or one of its bases.
template <auto Handler>
auto* Self(CWnd* wnd) {
    return static_cast<typename MemberClass<decltype(Handler)>::type*>(wnd);
}

CWnd* WndFromHandle(HWND hWnd);

// Message crackers: unpack the parameters into the handler's arguments.
template <auto H>
void NoArguments(CWnd* w, UINT, WPARAM, LPARAM, LRESULT& r) {
    (Self<H>(w)->*H)();
    r = 0;
}
template <auto H>
void Create(CWnd* w, UINT, WPARAM, LPARAM l, LRESULT& r) {
    r = (Self<H>(w)->*H)(reinterpret_cast<LPCREATESTRUCTW>(l));
}
template <auto H>
void Focus(CWnd* w, UINT, WPARAM wp, LPARAM, LRESULT& r) {
    (Self<H>(w)->*H)(WndFromHandle(reinterpret_cast<HWND>(wp)));
    r = 0;
}
template <auto H>
void CtlColor(CWnd* w, UINT m, WPARAM wp, LPARAM l, LRESULT& r) {
    // WM_CTLCOLORMSGBOX ... WM_CTLCOLORSTATIC follow the order of CTLCOLOR_MSGBOX ... CTLCOLOR_STATIC.
    r = reinterpret_cast<LRESULT>((Self<H>(w)->*H)(reinterpret_cast<HDC>(wp), WndFromHandle(reinterpret_cast<HWND>(l)),
                                                   m - WM_CTLCOLORMSGBOX));
}
template <auto H>
void Scroll(CWnd* w, UINT, WPARAM wp, LPARAM l, LRESULT& r) {
    (Self<H>(w)->*H)(LOWORD(wp), HIWORD(wp), WndFromHandle(reinterpret_cast<HWND>(l)));
    r = 0;
}
template <auto H>
void Mouse(CWnd* w, UINT, WPARAM wp, LPARAM l, LRESULT& r) {
    (Self<H>(w)->*H)(static_cast<UINT>(wp), POINT{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))});
    r = 0;
}
template <auto H>
void NcCalcSize(CWnd* w, UINT, WPARAM wp, LPARAM l, LRESULT& r) {
    (Self<H>(w)->*H)(static_cast<BOOL>(wp), reinterpret_cast<NCCALCSIZE_PARAMS*>(l));
    r = 0;
}
template <auto H>
void DrawItem(CWnd* w, UINT, WPARAM wp, LPARAM l, LRESULT& r) {
    (Self<H>(w)->*H)(static_cast<int>(wp), reinterpret_cast<LPDRAWITEMSTRUCT>(l));
    r = TRUE;
}
template <auto H>
void Size(CWnd* w, UINT, WPARAM wp, LPARAM l, LRESULT& r) {
    (Self<H>(w)->*H)(static_cast<UINT>(wp), static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)));
    r = 0;
}
template <auto H>
void Enable(CWnd* w, UINT, WPARAM wp, LPARAM, LRESULT& r) {
    (Self<H>(w)->*H)(static_cast<BOOL>(wp));
    r = 0;
}
template <auto H>
void EraseBkgnd(CWnd* w, UINT, WPARAM wp, LPARAM, LRESULT& r) {
    r = (Self<H>(w)->*H)(reinterpret_cast<HDC>(wp));
}
template <auto H>
void SysCommand(CWnd* w, UINT, WPARAM wp, LPARAM l, LRESULT& r) {
    (Self<H>(w)->*H)(static_cast<UINT>(wp), l);
    r = 0;
}
template <auto H>
void QueryDragIcon(CWnd* w, UINT, WPARAM, LPARAM, LRESULT& r) {
    r = reinterpret_cast<LRESULT>((Self<H>(w)->*H)());
}
template <auto H>
void Raw(CWnd* w, UINT, WPARAM wp, LPARAM l, LRESULT& r) {
    r = (Self<H>(w)->*H)(wp, l);
}
template <auto H>
void Notify(CWnd* w, UINT, WPARAM, LPARAM l, LRESULT& r) {
    r = 0;
    (Self<H>(w)->*H)(reinterpret_cast<NMHDR*>(l), &r);
}

}  // namespace afx

#define DECLARE_MESSAGE_MAP()                               \
protected:                                                  \
    static const afx::MessageMap* GetThisMessageMap();      \
    const afx::MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                             \
    const afx::MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const afx::MessageMap* theClass::GetThisMessageMap() {                                 \
        using ThisClass = theClass;                                                        \
        using TheBaseClass = baseClass;                                                    \
        static const afx::MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                  \
        {0, 0, 0, nullptr}};                                               \
        static const afx::MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                       \
    }

#define AFX_ENTRY(message, cracker, handler) {message, 0, 0, &afx::cracker<&ThisClass::handler>},

#define ON_WM_CREATE() AFX_ENTRY(WM_CREATE, Create, OnCreate)
#define ON_WM_DESTROY() AFX_ENTRY(WM_DESTROY, NoArguments, OnDestroy)
#define ON_WM_CLOSE() AFX_ENTRY(WM_CLOSE, NoArguments, OnClose)
#define ON_WM_PAINT() AFX_ENTRY(WM_PAINT, NoArguments, OnPaint)
#define ON_WM_NCPAINT() AFX_ENTRY(WM_NCPAINT, NoArguments, OnNcPaint)
#define ON_WM_NCCALCSIZE() AFX_ENTRY(WM_NCCALCSIZE, NcCalcSize, OnNcCalcSize)
#define ON_WM_SETFOCUS() AFX_ENTRY(WM_SETFOCUS, Focus, OnSetFocus)
#define ON_WM_ENABLE() AFX_ENTRY(WM_ENABLE, Enable, OnEnable)
#define ON_WM_SIZE() AFX_ENTRY(WM_SIZE, Size, OnSize)
#define ON_WM_ERASEBKGND() AFX_ENTRY(WM_ERASEBKGND, EraseBkgnd, OnEraseBkgnd)
#define ON_WM_HSCROLL() AFX_ENTRY(WM_HSCROLL, Scroll, OnHScroll)
#define ON_WM_LBUTTONDOWN() AFX_ENTRY(WM_LBUTTONDOWN, Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ENTRY(WM_LBUTTONUP, Mouse, OnLButtonUp)
#define ON_WM_MOUSEMOVE() AFX_ENTRY(WM_MOUSEMOVE, Mouse, OnMouseMove)
#define ON_WM_DRAWITEM() AFX_ENTRY(WM_DRAWITEM, DrawItem, OnDrawItem)
#define ON_WM_SYSCOMMAND() AFX_ENTRY(WM_SYSCOMMAND, SysCommand, OnSysCommand)
#define ON_WM_QUERYDRAGICON() AFX_ENTRY(WM_QUERYDRAGICON, QueryDragIcon, OnQueryDragIcon)
#define ON_WM_CTLCOLOR()                                       \
    AFX_ENTRY(WM_CTLCOLORMSGBOX, CtlColor, OnCtlColor)         \
    AFX_ENTRY(WM_CTLCOLOREDIT, CtlColor, OnCtlColor)           \
    AFX_ENTRY(WM_CTLCOLORLISTBOX, CtlColor, OnCtlColor)        \
    AFX_ENTRY(WM_CTLCOLORBTN, CtlColor, OnCtlColor)            \
    AFX_ENTRY(WM_CTLCOLORDLG, CtlColor, OnCtlColor)            \
    AFX_ENTRY(WM_CTLCOLORSCROLLBAR, CtlColor, OnCtlColor)      \
    AFX_ENTRY(WM_CTLCOLORSTATIC, CtlColor, OnCtlColor)
#define ON_MESSAGE(message, handler) {message, 0, 0, &afx::Raw<&ThisClass::handler>},
#define ON_COMMAND(id, handler) {WM_COMMAND, 0, id, &afx::NoArguments<&ThisClass::handler>},
#define ON_BN_CLICKED(id, handler) {WM_COMMAND, BN_CLICKED, id, &afx::NoArguments<&ThisClass::handler>},
#define ON_CBN_SELCHANGE(id, handler) {WM_COMMAND, CBN_SELCHANGE, id, &afx::NoArguments<&ThisClass::handler>},
#define ON_NOTIFY(code, id, handler) {WM_NOTIFY, static_cast<UINT>(code), id, &afx::Notify<&ThisClass::handler>},
#define ON_NOTIFY_REFLECT(code, handler) \
    {afx::kReflectBase + WM_NOTIFY, static_cast<UINT>(code), 0, &afx::Notify<&ThisClass::handler>},
