// Resource ids of WeaveGuide: templates, controls, strings and pictures.
// The page template ids are also the page road's page ids (PageFlow.h); the
// string ids the composers use are in GuideStrings.h.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Templates: the pages in sheet order, then the two dialogs.
#define IDD_COMPILE_PROJECT 121
#define IDD_CHOOSE_IDE 146
#define IDD_OPTIONS 130
#define IDD_SCAN_NOW 134
#define IDD_LIB_TO_PROJECT 131
#define IDD_LIB2_TO_PROJECT 147
#define IDD_HEADER_TO_STDAFX 132
#define IDD_VIRT_FUNC 135
#define IDD_EXTERN_HEADER 136
#define IDD_COMPILE_CAST 137
#define IDD_CAST_ERROR 142
#define IDD_ADD_HANDLER 139
#define IDD_TRA_CREATE 138
#define IDD_TEST_PROGRAM 140
#define IDD_RUNTIME_PROBLEM 141
#define IDD_COMPLETION 119
#define IDD_INCLUDE_SDK_HEADER 148
#define IDD_INCLUDE_DLL_HEADER 149
#define IDD_DLL_TO_PROJECT 150
#define IDD_START_CODE 151
#define IDD_START_NO_CODE 153
#define IDD_LOAD_STRING 152
#define IDD_VIRT_FUNC2 154
#define IDD_TRA_CREATE2 155
#define IDD_IDE_SETUP 143
#define IDD_WELCOME 145

// Pictures: high colour (8 bits per pixel and more) and low colour.
#define IDB_HEADER_LOW 104
#define IDB_WATERMARK_LOW 105
#define IDB_HEADER 130
#define IDB_WATERMARK 132

// Welcome dialog
#define IDC_LANGUAGE 113
#define IDC_WELCOME_TO 1026
#define IDC_WELCOME_NAME 1027
#define IDC_WELCOME_HELPS 1028
#define IDC_WELCOME_LANGUAGE 1029
#define IDC_WELCOME_CLICK_LANGUAGE 1034
#define IDC_WELCOME_BEGIN 1036
#define IDC_WELCOME_CLICK_BEGIN 1037
#define IDC_WELCOME_EXISTING 1038

// Environment page
#define IDC_INTEGRATE 113
#define IDC_IDE_VISUALCPP 114
#define IDC_IDE_OTHER_CPP 115
#define IDC_IDE_OTHER 1042
#define IDC_USES_MFC 1049
#define IDC_IDE_QUESTION 1050
#define IDC_MFC_QUESTION 1052
#define IDC_INTEGRATE_QUESTION 1057

// Options page
#define IDC_BROWSE 1001
#define IDC_PROJECT_PATH 1002
#define IDC_CHARSET_8BIT 1003
#define IDC_CHARSET_UNICODE 1004
#define IDC_CHARSET_BOTH 1005
#define IDC_PREPROCESSOR 1006
#define IDC_MENU 1021
#define IDC_PROJECT_PROMPT 1051
#define IDC_PREPROCESSOR_QUESTION 1056

// Scan page; the command it posts itself to start the scan
#define IDC_SCAN_PROGRESS 1009
#define IDC_SCAN_STATE 1024
#define IDC_SCAN_INTRO 1041
#define ID_GUIDE_SCAN 32771

// Pages with composed texts
#define IDC_FIX_MACROS 1000
#define IDC_LIBRARY_LIST 1007
#define IDC_PREPROCESSOR_STEP 1008
#define IDC_EXTERN_HEADERS 1015
#define IDC_INCLUDE_LINES 1018
#define IDC_SWITCH_CALL 1022
#define IDC_TEST_SWITCH 1023
#define IDC_PREPROCESSOR_DEFINE 1025
#define IDC_START_CODE 1053
#define IDC_START_CODE_MFC 1054
#define IDC_START_CODE_PLAIN 1055
#define IDC_SWITCH_PROMPT 1058
#define IDC_START_WIZARD 1059

// Result radios of the compile and test pages
#define IDC_RESULT_PROBLEMS 1016
#define IDC_RESULT_FINE 1017

// Strings
#define IDS_CAPTION 1
#define IDS_LIBRARIES_BOTH 102
#define IDS_LIBRARIES_8BIT 103
#define IDS_LIBRARIES_UNICODE 104
#define IDS_FIX_MACRO_ENTRY 105
#define IDS_EXTERN_HEADER_ENTRY 106
#define IDS_TEST_WITH_MENU 107
#define IDS_TEST_WITHOUT_MENU 108
#define IDS_SCAN_TAKES_TIME 109
#define IDS_SCAN_DONE 110
#define IDS_SCAN_INTRO 112
#define IDS_SCAN_UNREADABLE 113
#define IDS_SCAN_NO_MEMORY 114
#define IDS_SWITCH_CALL_PROMPT 250
#define IDS_SWITCH_CALL_NAMED 251

// The welcome dialog's help button
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif
