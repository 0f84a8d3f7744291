#pragma once
// The framework layer: the application, window, dialog and string classes
// the program is written against.
#include "AfxCommandLineInfo.h"
#include "AfxControls.h"
#include "AfxDataExchange.h"
#include "AfxDialog.h"
#include "AfxFiles.h"
#include "AfxHandle.h"
#include "AfxMenu.h"
#include "AfxMessageMap.h"
#include "AfxModuleState.h"
#include "AfxPaintDC.h"
#include "AfxString.h"
#include "AfxStringArray.h"
#include "AfxWinApp.h"
#include "AfxWnd.h"
