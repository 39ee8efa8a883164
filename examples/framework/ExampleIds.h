// Resource ids of the class-library example.
#pragma once

#define IDR_MAINFRAME 128
#define IDD_HELLO 101
#define IDC_HELLO_TEXT 1001
#define ID_HELLO 32771
#define IDS_GREETING 200
