#include "ResMessages.h"

#include "ResSwitchDialog.h"

CString BuiltInResMessage(UINT id) {
  const WCHAR* text = nullptr;
  switch (id) {
    case kMsgSectionError: text = LW_WSTR("!Fehler bei Sektion in Resource-Datei!"); break;
    case kMsgControlError: text = LW_WSTR("!Fehler bei Control in Dialog!"); break;
    case kMsgMenuItemError: text = LW_WSTR("!Fehler in Menu-Item!"); break;
    case kMsgMenuError: text = LW_WSTR("!Fehler im Menu!"); break;
    case kMsgStringError: text = LW_WSTR("!Fehler bei Stringtable-Eintrag!"); break;
    case kMsgTooManyItems: text = LW_WSTR("!Zu viele Eintr\u00E4ge in der Gruppe - weitere ignoriert!"); break;
    case kMsgTooManyControls: text = LW_WSTR("!Zu viele Controls in Dialog - weitere ignoriert!"); break;
    case kMsgTooManyMenuEntries: text = LW_WSTR("!Zu viele Eintr\u00E4ge im Menu - weitere ignoriert!"); break;
    case kMsgTooManyStrings: text = LW_WSTR("!Zu viele Strings in Stringtable - weitere ignoriert!"); break;
    case kMsgMenuTooDeep: text = LW_WSTR("!Menu zu tief verschachtelt!"); break;
    case kMsgTooManyTokens: text = LW_WSTR("!Resource-Dateien zu gro\u00DF - Rest ignoriert!"); break;
    case kMsgTooManyProblems: text = LW_WSTR("!Zu viele Fehler - weitere nicht aufgef\u00FChrt!"); break;
    case kMsgScriptUnreadable: text = LW_WSTR("!Resource-Datei kann nicht gelesen werden!"); break;
    case kMsgCaptureFailed: text = LW_WSTR("!Standard-Dialog konnte nicht vermessen werden!"); break;
    case kMsgIncludeOutside: text = LW_WSTR("!Eingebundene Resource-Datei ist nicht im Projekt - nicht gelesen!"); break;
    default: return BuiltInSwitchText(id);
  }
  return CString(CStringW(text));
}

CString CResDefaultTexts::LoadText(UINT id) {
  CString text;
  if (text.LoadString(id) && !text.IsEmpty()) return text;
  return BuiltInResMessage(id);
}
