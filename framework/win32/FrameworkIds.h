/* The framework's own command, string and window ids. Plain definitions:
   resource scripts include this file as well as C++ sources. */
#ifndef LW_FRAMEWORK_IDS_H
#define LW_FRAMEWORK_IDS_H

/* Strings: the application's title, the status bar's idle text. */
#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001

/* Child windows of a frame; the view commands that toggle them use the same
   numbers. */
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801

/* Commands. */
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_VIEW_TOOLBAR AFX_IDW_TOOLBAR
#define ID_VIEW_STATUS_BAR AFX_IDW_STATUS_BAR
#define ID_WIZFINISH 0x3025

/* In an indicator or button list: the message pane, or a toolbar separator. */
#define ID_SEPARATOR 0

/* wParam: a string id whose prompt to show (0: lParam is the text); answers
   the id shown before. */
#define WM_SETMESSAGESTRING 0x0362

#endif
