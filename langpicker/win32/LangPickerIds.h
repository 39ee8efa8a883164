// Resource ids of the flag picker, the background dialog, their strings and
// the flag bitmaps (win32/LangPicker.rc). Plain defines: the resource
// scripts include this file too.
#pragma once

// The picker's and the background dialog's templates: the wizard and the
// editor carry the same dialogs under their own ids. A script sets
// LW_IDD_LANGUAGEFLAG and LW_IDD_FLAGBACKGROUND to one pair before it
// includes LangPicker.rc.
#define IDD_LANGUAGEFLAG_WIZARD 171
#define IDD_FLAGBACKGROUND_WIZARD 146
#define IDD_LANGUAGEFLAG_EDITOR 102
#define IDD_FLAGBACKGROUND_EDITOR 103

#define IDB_FLAG_STRIP 159
#define IDB_EMPTY_FLAG 170

// Picker controls.
#define IDC_FLAG_LIST 1006
#define IDC_FLAG_PREVIEW 1018
#define IDC_LANGUAGE_LIST 1021
#define IDC_SUBLANGUAGE_LIST 1022
#define IDC_OWN_FLAG 1023
#define IDC_FLAG_INFO 1026
// Background dialog controls.
#define IDC_FLAG_SOURCE 1029
#define IDC_FLAG_RESULT 1030
#define IDC_FLAG_MARK 1035

#define IDS_BACKGROUND_FOUND 2000
#define IDS_BACKGROUND_MARK 2001
#define IDS_FLAG_TOO_SMALL 2002
#define IDS_FLAG_CUT 2003
#define IDS_CONFIRM_LANGID 2004
#define IDS_OWN_FLAG_PALETTE 2005
#define IDS_OWN_FLAG_TRUECOLOUR 2006
