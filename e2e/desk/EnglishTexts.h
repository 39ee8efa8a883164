// The English texts the translator types into the sample's new translation
// (the main window's menu, the form and a message), and where each stands
// in a language file's tree. Shared by the steps that type them, show them
// and keep them; it drives no window.
#pragma once

#include "LanguageFiles.h"
#include "TraFile.h"
#include "TraNode.h"

#include <tchar.h>

namespace e2e {

struct TypedText {
  const TCHAR* section;  // TRA_SECTION_MENUS, _DIALOGS or _STRINGS
  const TCHAR* owner;    // the original of the node's parent; null: any
  const TCHAR* german;   // the original text
  const TCHAR* english;  // what the translator types
};

const TypedText kTypedTexts[] = {
    {TRA_SECTION_MENUS, nullptr, _T("&Datei"), _T("&File")},
    {TRA_SECTION_MENUS, _T("&Datei"), _T("&Beenden"), _T("E&xit")},
    {TRA_SECTION_MENUS, nullptr, _T("&Extras"), _T("&Tools")},
    {TRA_SECTION_MENUS, _T("&Extras"), _T("&Meldungen"), _T("&Messages")},
    {TRA_SECTION_DIALOGS, nullptr, _T("Eingaben"), _T("Form")},
    {TRA_SECTION_DIALOGS, _T("Eingaben"), _T("&Benachrichtigung senden"), _T("&Send a notification")},
    {TRA_SECTION_DIALOGS, _T("Eingaben"), _T("&Schlie\xdf") _T("en"), _T("&Close")},
    {TRA_SECTION_STRINGS, nullptr, _T("Die Eingaben wurden gespeichert."), _T("The entries have been saved.")},
};

// The language name typed into the header; the switch dialog lists it.
const TCHAR kEnglishName[] = _T("English");
// The address dialog whose first control the translator moves, in dialog units.
const TCHAR kMovedDialog[] = _T("Anschrift");
const int kMovedByX = 20, kMovedByY = 10;

// The section node (a child of the root) that node stands in, or null.
inline const CTraNode* SectionOf(const CTraNode* node) {
  while (node && node->GetParent() && node->GetParent()->GetParent()) node = node->GetParent();
  return node && node->GetParent() ? node : nullptr;
}

// Whether node is where text stands: its section, its parent and its original.
inline bool IsNodeOf(const CTraNode* node, const TypedText& text) {
  if (!node || node->GetOriginal() != text.german || !node->GetParent()) return false;
  if (text.owner && node->GetParent()->GetOriginal() != text.owner) return false;
  const CTraNode* section = SectionOf(node);
  return section && section->GetOriginal() == text.section;
}

using lwtest::FindNode;

inline const CTraNode* FindTypedNode(const CTraFile& file, const TypedText& text) {
  return FindNode(file.GetRootNode(), [&](const CTraNode* node) { return IsNodeOf(node, text); });
}

// The dialog whose original caption is caption, or null.
inline const CTraNode* FindDialogNode(const CTraFile& file, const CString& caption) {
  return FindNode(file.GetRootNode(), [&](const CTraNode* node) {
    return node->GetKind() == TRA_DIALOG && node->GetOriginal() == caption;
  });
}

}  // namespace e2e
