// Resource ids of WeaveDesk: the document template, menus, accelerators,
// toolbar, bitmaps, the header view's template and controls, the command
// ids and the string-table texts the windows show. Ids only.
#pragma once

#include "FrameworkIds.h"

#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 100
#define IDD_HEADVIEW 147
#define IDR_TOOLBAR 146

// Bitmaps.
#define IDB_ADDON_NONE 128
#define IDB_BOXES 137
#define IDB_ICONS 141
#define IDB_PLACEHOLDERS 145
#define IDB_TOOL_HOT 146
#define IDB_TOOL_NORMAL 147
#define IDB_TOOL_CHECKED 148
#define IDB_TOOL_DISABLED 149
#define IDB_ADDON_OPEN 176
#define IDB_ADDON_IMPORTED 177

// Header view controls.
#define IDC_HEAD_VERSION 1001
#define IDC_HEAD_LANGUAGE 1002
#define IDC_HEAD_PROGRAM 1003
#define IDC_HEAD_OVERLAY 1004
#define IDC_HEAD_OVERLAY_LABEL 1005
#define IDC_HEAD_FLAG 1007
#define IDC_HEAD_OVERLAY_FLAG 1008
#define IDC_HEAD_COMMENT 1020
#define IDC_HEAD_AUTHOR 1021
#define IDC_HEAD_DATE 1022
#define IDC_HEAD_ADDONS 1023
#define IDC_HEAD_ADDON_MARKER 1024
#define IDC_ABOUT_VERSION 1017

// Commands.
#define ID_MARK_ALL_EDITED 32797
#define ID_MARK_ALL_TO_EDIT 32798
#define ID_TREE_EXPAND 32804
#define ID_SHOW_TEXTS_TO_EDIT 32805
#define ID_TREE_COLLAPSE 32806
#define ID_OVERLAY_SHOW 32807
#define ID_OVERLAY_HIDE 32808
#define ID_DESK_OPEN 32809
#define ID_VERSION_UPDATE 32810
#define ID_DESK_SAVE 32811
#define ID_DESK_SAVE_AS 32814
#define ID_NEW_TRANSLATION 32815
#define ID_CHOOSE_FLAG 33002
#define ID_SWITCH_LANGUAGE 33007
#define ID_FONTS 33008
#define ID_FIND 33009
#define ID_REPLACE 33010
#define ID_FIND_NEXT 33011
#define ID_FIND_PREVIOUS 33012
#define ID_SPECIAL_CHARS 33023
#define ID_DIALOG_EDITOR 33028
#define ID_ADDONS 33041
#define ID_STATISTICS 33045
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_CONTEXT_HELP 57669
#define ID_HELP_FINDER 57667

// Strings.
#define IDS_ABOUT_VERSION 200
#define IDS_POSITION_INDICATOR 61460
