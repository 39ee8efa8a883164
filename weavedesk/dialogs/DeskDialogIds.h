// Resource ids of the editor's dialogs (DeskDialogs.rc): templates, menus,
// the add-on images, controls and commands. Plain defines: the resource
// scripts include this file too. String ids live in core/DeskStrings.h.
#pragma once

#define IDD_DESK_FILE_INFO 104
#define IDD_DESK_ADDON_FILES 105
#define IDD_DESK_SPECIAL_CHARS 129
#define IDD_DESK_FONTS 161
#define IDD_DESK_HINT 168
#define IDD_DESK_POSITION_INFO 172
#define IDD_DESK_STATISTICS 175

#define IDR_DESK_PREVIEW_CONTEXT 167
#define IDR_DESK_PREVIEW_MENU 174
#define IDB_DESK_ADDON_IMAGES 187

// Add-on dialog and file-info dialog.
#define IDC_DESK_REIMPORT 2
#define IDC_DESK_EXPORT 3
#define IDC_DESK_ADDON_LIST 1018
#define IDC_DESK_ADDON_DESCRIPTION 1021
#define IDC_DESK_FILE_INFO_TEXT 1098
#define IDC_DESK_FILE_INFO_HINT 1099
// Position window.
#define IDC_DESK_POSITION 1019
#define IDC_DESK_SIZE 1020
#define IDC_DESK_POINT 1021
// Fonts dialog.
#define IDC_DESK_OVERLAY_FONT_CHANGE 1012
#define IDC_DESK_TEXT_FONT_CHANGE 1013
#define IDC_DESK_OVERLAY_FONT_SAMPLE 1014
#define IDC_DESK_TEXT_FONT_SAMPLE 1015
// Statistics.
#define IDC_DESK_CHARS_TOTAL 1025
#define IDC_DESK_CHARS_MARKED 1026
#define IDC_DESK_TEXTS_TOTAL 1027
#define IDC_DESK_TEXTS_MARKED 1028

// The dialog editor's context menu.
#define ID_DESK_PREVIEW_UNDO 33030
#define ID_DESK_PREVIEW_UNDO_ALL 33031
#define ID_DESK_PREVIEW_LOAD_ORIGINAL 33032
#define ID_DESK_PREVIEW_LOAD_ALL_ORIGINALS 33033
#define ID_DESK_PREVIEW_CANCEL 33035
// The sample menu bar of a previewed dialog with a menu.
#define ID_DESK_PREVIEW_MENU_FILE 33036
#define ID_DESK_PREVIEW_MENU_HELP 33037
