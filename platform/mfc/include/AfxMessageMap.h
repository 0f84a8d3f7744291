#pragma once
// Message maps: each window class lists the messages it handles and chains
// to its base class's map. Entries are searched from the most derived map
// to CWnd's; the first match handles the message.
#include <windows.h>

#include <type_traits>

class CWnd;

// Calls the handler on the window; TRUE when the message was handled.
using AFX_PMSGHANDLER = BOOL (*)(CWnd* pWnd, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage; // window message
    UINT nCode;    // notification code for WM_COMMAND and WM_NOTIFY
    UINT nID;      // control ID for WM_COMMAND and WM_NOTIFY
    AFX_PMSGHANDLER pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                                  \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        using ThisClass = theClass;                                                                                    \
        using TheBaseClass = baseClass;                                                                                \
        static_assert(sizeof(ThisClass) > 0, "");                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, nullptr                                                                                               \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] };                    \
    return &messageMap;                                                                                                \
    }

// The UINT a message carries in its WPARAM, which is a UINT itself on
// 32-bit Windows.
template <typename W = WPARAM> UINT AfxUIntParam(W wParam)
{
    if constexpr (std::is_same_v<W, UINT>)
        return wParam;
    else
        return static_cast<UINT>(wParam);
}

// Notification codes and control IDs come as int or UINT constants.
constexpr UINT AfxMsgMapValue(UINT nValue)
{
    return nValue;
}

#define AFX_MSG_ENTRY(msg, code, id, body)                                                                             \
    { msg, AfxMsgMapValue(code), AfxMsgMapValue(id),                                                                   \
      [](CWnd* pWnd, WPARAM wParam, LPARAM lParam, LRESULT* pResult) -> BOOL {                                         \
          ThisClass* pThis = static_cast<ThisClass*>(pWnd);                                                            \
          (void)pThis;                                                                                                 \
          (void)wParam;                                                                                                \
          (void)lParam;                                                                                                \
          (void)pResult;                                                                                               \
          body;                                                                                                        \
          return TRUE;                                                                                                 \
      } },

#define ON_MESSAGE(msg, memberFxn) AFX_MSG_ENTRY(msg, 0, 0, *pResult = pThis->memberFxn(wParam, lParam))
#define ON_COMMAND(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, 0, id, pThis->memberFxn())
#define ON_BN_CLICKED(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, BN_CLICKED, id, pThis->memberFxn())
#define ON_EN_CHANGE(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, EN_CHANGE, id, pThis->memberFxn())
#define ON_NOTIFY(code, id, memberFxn)                                                                                 \
    AFX_MSG_ENTRY(WM_NOTIFY, code, id, pThis->memberFxn(reinterpret_cast<NMHDR*>(lParam), pResult))
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, 0, 0, pThis->OnPaint())
#define ON_WM_QUERYDRAGICON()                                                                                          \
    AFX_MSG_ENTRY(WM_QUERYDRAGICON, 0, 0, *pResult = reinterpret_cast<LRESULT>(pThis->OnQueryDragIcon()))
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, 0, 0, pThis->OnSysCommand(AfxUIntParam(wParam), lParam))
#define ON_WM_ERASEBKGND()                                                                                             \
    AFX_MSG_ENTRY(WM_ERASEBKGND, 0, 0, *pResult = pThis->OnEraseBkgnd(reinterpret_cast<HDC>(wParam)))
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, 0, 0, pThis->OnSysColorChange())
#define ON_WM_SIZE()                                                                                                   \
    AFX_MSG_ENTRY(                                                                                                     \
        WM_SIZE, 0, 0,                                                                                                 \
        pThis->OnSize(AfxUIntParam(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))))
#define ON_WM_GETMINMAXINFO()                                                                                          \
    AFX_MSG_ENTRY(WM_GETMINMAXINFO, 0, 0, pThis->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)))
#define ON_WM_NCHITTEST()                                                                                              \
    AFX_MSG_ENTRY(WM_NCHITTEST, 0, 0,                                                                                  \
                  *pResult = pThis->OnNcHitTest(                                                                       \
                      POINT{ static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)) }))
#define ON_WM_SETTINGCHANGE()                                                                                          \
    AFX_MSG_ENTRY(WM_SETTINGCHANGE, 0, 0,                                                                              \
                  pThis->OnSettingChange(AfxUIntParam(wParam), reinterpret_cast<LPCWSTR>(lParam)))

// The colour messages, each handed to OnCtlColor with its CTLCOLOR_ kind;
// the device context and the control come as handles.
#define AFX_CTLCOLOR_ENTRY(msg, nCtlColor)                                                                             \
    AFX_MSG_ENTRY(msg, 0, 0,                                                                                           \
                  *pResult = reinterpret_cast<LRESULT>(                                                                \
                      pThis->OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), nCtlColor)))
#define ON_WM_CTLCOLOR()                                                                                               \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORMSGBOX, CTLCOLOR_MSGBOX)                                                             \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)                                                                 \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)                                                           \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORBTN, CTLCOLOR_BTN)                                                                   \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORDLG, CTLCOLOR_DLG)                                                                   \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR)                                                       \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)
