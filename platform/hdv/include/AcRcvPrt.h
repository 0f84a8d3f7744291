#pragma once
// The factory-volume library: makes the factory data volume reachable as a
// drive letter. Each operation works on a fresh instance; the volume's state
// lives in the system, not in the object.
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
    // Makes Source reachable as its letter; nonzero when it is.
    int ActivePOne();
    // Withdraws the letter that leads to Source; nonzero when one was withdrawn.
    int DisablePOne();

private:
    CString m_strSource;
    wchar_t m_chLetter = L'\0';
    bool m_bUsable = false;
};
