#pragma once
// The factory-volume library: makes the factory data volume reachable as a
// drive letter. Each operation works on a fresh instance: which letter this
// process defined, the one DisablePOne may remove, is kept by the library
// itself while it stays loaded, not by the object.
#include <afxwin.h>

#ifdef HDV_BUILD
#define HDV_API __declspec(dllexport)
#else
#define HDV_API __declspec(dllimport)
#endif

class HDV_API AcRcvPrt
{
public:
    AcRcvPrt();
    ~AcRcvPrt();
    AcRcvPrt(const AcRcvPrt&) = delete;
    AcRcvPrt& operator=(const AcRcvPrt&) = delete;

    // Reads Hdv.ini beside the library; nonzero when its Source folder exists.
    int Initialize();
    // Makes Source reachable; nonzero when it is. A letter that already
    // leads to Source is used as it is; otherwise Letter, or without it the
    // first free letter from D, is defined, but never one in use.
    int ActivePOne();
    // Removes the letter this process defined, if it still leads to Source;
    // nonzero when one was removed. Other letters are never touched.
    int DisablePOne();

private:
    CString m_strSource;
    wchar_t m_chLetter = L'\0';
    bool m_bUsable = false;
};
