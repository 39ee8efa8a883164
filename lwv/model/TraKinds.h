// The kinds of language-file nodes, as the stream stores them. Only the
// numbers: what a kind means for translating and layout is TraNode.h's.
#pragma once

enum {
  TRA_DIALOG = 1,
  TRA_CONTROL = 2,
  TRA_MENU = 3,
  TRA_POPUP = 4,
  TRA_MENUITEM = 5,
  TRA_STRINGTABLE = 6,
  TRA_RCFILE = 7,
  TRA_DIALOGGROUP = 8,
  TRA_MENUGROUP = 9,
  TRA_STRINGGROUP = 10,
  TRA_STRING = 11,
  TRA_STATIC = 21,
  TRA_GROUPBOX = 22,
  TRA_PUSHBUTTON = 23,
  TRA_CHECKBOX = 24,
  TRA_RADIOBUTTON = 25,
  TRA_LISTBOX = 26,
  TRA_COMBOBOX = 27,
  TRA_SCROLLBAR = 28,
  TRA_EDIT = 29,
  TRA_SWITCHDIALOG = 30,
  TRA_COMMONCONTROL = 41,
  TRA_EMPTY = 99
};
