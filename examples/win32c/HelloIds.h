/* Resource ids of the plain Win32 example. */
#define IDR_HELLO_MENU 100
#define IDD_HELLO 101
#define IDC_HELLO_TEXT 1001
#define IDM_HELLO 40001
#define IDM_EXIT 40002
#define IDS_GREETING 200
#define IDS_TITLE 201
