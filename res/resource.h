// Resource identifiers shared by the program and its resource module.
#pragma once

#define IDD_ABOUTBOX                100
#define IDD_SOFTWAREINFO_DIALOG     102
#define IDR_MAINFRAME               128

#define IDS_ABOUTBOX                101
#define IDS_APP_DESCRIPTION         103
#define IDS_COLUMN_SOFTWARE         104
#define IDS_COLUMN_DESCRIPTION      105
#define IDS_FACTORY_SOFTWARE        106
#define IDS_COPY                    107
#define IDS_VERSION_PREFIX          141
#define IDS_MAIN_CAPTION            500
#define IDS_MODEL                   1000
#define IDS_MISSING_DLL             1005

#define IDC_SOFTWARE_LIST           1000
#define IDC_SOFTWARE_GROUP          1003
#define IDC_VERSION                 1004

#define IDM_ABOUTBOX                0x0010
#define IDM_COPY                    0x0020
