/* The framework's own command, string and window ids. Plain definitions:
   resource scripts include this file as well as C++ sources. */
#ifndef LW_FRAMEWORK_IDS_H
#define LW_FRAMEWORK_IDS_H

/* Strings: the application's title, the status bar's idle text. */
#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001
/* A new document's title; the framework's save question ("%1" is the
   document) and its file-failure messages ("%1" is the path, "%2" the cause). */
#define AFX_IDS_UNTITLED 0xE002
#define AFX_IDP_ASK_TO_SAVE 0xF002
#define AFX_IDP_FAILED_TO_OPEN_DOC 0xF003
#define AFX_IDP_FAILED_TO_SAVE_DOC 0xF004
/* A print job the printer refused ("%1" is the document). */
#define AFX_IDP_FAILED_TO_PRINT 0xF005

/* Child windows of a frame; the view commands that toggle them use the same
   numbers. */
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
/* The frame's client pane (a view or a splitter); a splitter's panes are
   AFX_IDW_PANE_FIRST + 16 * row + column. */
#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_PANE_LAST 0xE9FF

/* Commands. */
#define ID_FILE_NEW 0xE100
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
/* A view prints what it draws; direct: on the default printer, no dialog. */
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_DIRECT 0xE108
#define ID_FILE_MRU_FILE1 0xE110
#define ID_FILE_MRU_FILE16 0xE11F
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_VIEW_TOOLBAR AFX_IDW_TOOLBAR
#define ID_VIEW_STATUS_BAR AFX_IDW_STATUS_BAR
#define ID_WIZFINISH 0x3025

/* Status-bar indicators of the lock keys. */
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703

/* In an indicator or button list: the message pane, or a toolbar separator. */
#define ID_SEPARATOR 0

/* wParam: a string id whose prompt to show (0: lParam is the text); answers
   the id shown before. */
#define WM_SETMESSAGESTRING 0x0362

#endif
