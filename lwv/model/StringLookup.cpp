#include "StringLookup.h"

CString CStringLookup::PromptPart(const CString& text) { return TraStringPartOf(text, TRA_PART_PROMPT); }
CString CStringLookup::TipPart(const CString& text) { return TraStringPartOf(text, TRA_PART_TIP); }

namespace {

CString PartOf(const CString& text, TraStringPart part) { return TraStringPartOf(text, part); }

CTraNode* FindDepthFirst(CTraNode* node, const CString& key, TraStringPart part) {
  if (!node) return nullptr;
  if (PartOf(node->GetOriginal(), part) == key) return node;
  for (int i = 0; i < node->GetChildCount(); ++i)
    if (CTraNode* hit = FindDepthFirst(node->GetChild(i), key, part)) return hit;
  return nullptr;
}

}  // namespace

CTraNode* CStringLookup::FindByOriginal(CTraNode* node, const CString& key) {
  return FindDepthFirst(node, key, TRA_PART_WHOLE);
}
CTraNode* CStringLookup::FindByPrompt(CTraNode* node, const CString& key) {
  return FindDepthFirst(node, key, TRA_PART_PROMPT);
}
CTraNode* CStringLookup::FindByTip(CTraNode* node, const CString& key) { return FindDepthFirst(node, key, TRA_PART_TIP); }

CTraNode* CStringLookup::Find(const CString& text, CTraNode* section, TraStringPart part) {
  if (!section) return nullptr;
  // The index holds every node of the section (strings last-wins, the rest
  // first-wins as the search would find them), so a miss needs no search.
  if (m_pIndex) return m_pIndex->Find(text);
  m_strKey = text;
  return FindDepthFirst(section, m_strKey, part);
}

CTraNode* CStringLookup::Lookup(const CString& text, CTraNode* section) { return Find(text, section, TRA_PART_WHOLE); }
CTraNode* CStringLookup::LookupPrompt(const CString& text, CTraNode* section) {
  return Find(text, section, TRA_PART_PROMPT);
}
CTraNode* CStringLookup::LookupTip(const CString& text, CTraNode* section) { return Find(text, section, TRA_PART_TIP); }

BOOL TranslateTextIn(CTraFile* file, CString& text, TraStringPart part) {
  if (!file) return FALSE;
  CTraNode* section = file->FindStringSection();
  if (!section) return FALSE;
  // Without an index (a file nobody indexed) the lookup searches the section.
  CStringLookup lookup(file->GetStringIndex(part));
  CTraNode* node = nullptr;
  switch (part) {
    case TRA_PART_PROMPT:
      node = lookup.LookupPrompt(text, section);
      break;
    case TRA_PART_TIP:
      node = lookup.LookupTip(text, section);
      break;
    default:
      node = lookup.Lookup(text, section);
      break;
  }
  if (!node) return FALSE;
  if (part == TRA_PART_WHOLE)
    text = node->GetTranslation();  // reuses the buffer of text
  else
    text = PartOf(node->GetTranslation(), part);
  return TRUE;
}
