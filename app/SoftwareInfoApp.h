#pragma once
// The application object: start-up up to and around the main dialog.
#include <afxwin.h>

class CSoftwareInfoApp : public CWinApp
{
public:
    CSoftwareInfoApp();

    // Runs the whole program; always FALSE, so the process then exits.
    BOOL InitInstance() override;
};
