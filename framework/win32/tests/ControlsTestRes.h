// Resource ids of the controls tests.
#pragma once

#define IDB_CT_STRIP 300
#define IDB_CT_NORMAL 301
#define IDB_CT_SELECTED 302
#define IDB_CT_FOCUS 303
#define IDB_CT_DISABLED 304
#define IDD_CT_WIZ_FIRST 310
#define IDD_CT_WIZ_SECOND 311
#define IDD_CT_WIZ_THIRD 312
#define IDD_CT_WIZ_LAST 313
#define IDS_CT_TITLE_FIRST 320
#define IDS_CT_SUB_FIRST 321
#define IDS_CT_TITLE_THIRD 322
#define IDS_CT_SUB_THIRD 323
#define IDC_CT_LABEL 1001
