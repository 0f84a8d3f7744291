#pragma once
// The system's Save dialog for the list's file (IFileSaveDialog): where the
// user wants the list, and in which of the formats the program writes.
#include <ListFile.h>
#include <afxwin.h>

#include <shobjidl.h>

// The format a file's name asks for by its extension, among those the Save
// dialog offers (any letter case); chosen, the type picked in the dialog,
// for any other name.
EListFormat ListFormatOf(const CString& strPath, EListFormat chosen);

// The name the Save dialog offers first: the caption, with each character a
// file name cannot hold made a space.
CString DefaultListFileName(const CString& strCaption);

class CListSaveDialog
{
public:
    CListSaveDialog() = default;
    CListSaveDialog(const CListSaveDialog&) = delete;
    CListSaveDialog& operator=(const CListSaveDialog&) = delete;

    // Shows the system's Save dialog owned by hOwner, with the formats the
    // program writes as its types (comma-separated values chosen) and the
    // file named strName; the extension follows the type picked. True with the file's path and
    // format once the user chose them; false when he cancelled or the dialog
    // was closed, and when it could not be shown (with a cause line and the
    // standard error beep). COM is begun on the thread at its first use and
    // kept for the rest of the thread's life.
    bool Ask(HWND hOwner, const CString& strName, CString& strPath, EListFormat& format);
    // While Ask shows the dialog (from a message its loop dispatches): ends
    // it as a cancel.
    void Close();

private:
    IFileDialog* m_pShown = nullptr;
};
