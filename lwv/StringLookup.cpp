#include "StringLookup.h"

int StringIndexSize(int count) {
  if (count < 0) count = 0;
  long long n = count % 2 == 0 ? count + 1 : count;
  for (;;) {
    n += 2;
    if (n < 9) return static_cast<int>(n);
    bool prime = true;
    for (long long d = 3; d * d <= n; d += 2) {
      if (n % d == 0) {
        prime = false;
        break;
      }
    }
    if (prime) return static_cast<int>(n);
  }
}

CString CStringLookup::PromptPart(const CString& text) {
  int at = text.Find(_T('\n'));
  return at < 0 ? text : text.Left(at);
}

CString CStringLookup::TipPart(const CString& text) {
  int at = text.ReverseFind(_T('\n'));
  return at < 0 ? text : text.Mid(at + 1);
}

namespace {

CString PartOf(const CString& text, TraStringPart part) {
  switch (part) {
    case TRA_PART_PROMPT:
      return CStringLookup::PromptPart(text);
    case TRA_PART_TIP:
      return CStringLookup::TipPart(text);
    default:
      return text;
  }
}

CTraNode* FindDepthFirst(CTraNode* node, const CString& key, TraStringPart part) {
  if (!node) return nullptr;
  if (PartOf(node->m_strOriginal, part) == key) return node;
  for (int i = 0; i < node->m_nChildren; ++i)
    if (CTraNode* hit = FindDepthFirst(node->m_pChildren[i], key, part)) return hit;
  return nullptr;
}

// Nodes of the section that are no strings (the section, its tables and
// anything below a string), in depth-first order.
void AddOtherNodes(CTraNode* node, int level, CTraStringIndex* const* index) {
  if (level != 2)
    for (int part = 0; part < 3; ++part)
      index[part]->AddIfAbsent(PartOf(node->m_strOriginal, static_cast<TraStringPart>(part)), node);
  for (int i = 0; i < node->m_nChildren; ++i) AddOtherNodes(node->m_pChildren[i], level + 1, index);
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

// ---- the file's indexes ----

CTraNode* CTraFile::FindStringSection() const {
  if (!m_pRoot) return nullptr;
  CString path = TRA_SECTION_STRINGS;
  return m_pRoot->FindPath(&path, 1);
}

void CTraFile::FreeStringIndex() {
  for (CTraStringIndex*& index : m_pIndex) {
    delete index;
    index = nullptr;
  }
}

void CTraFile::BuildStringIndex() {
  FreeStringIndex();
  CTraNode* section = FindStringSection();
  const int size = StringIndexSize(section ? section->CountNodes() : 0);
  for (CTraStringIndex*& index : m_pIndex) index = new CTraStringIndex(static_cast<size_t>(size));
  if (!section) return;
  for (int t = 0; t < section->m_nChildren; ++t) {
    CTraNode* table = section->m_pChildren[t];
    for (int s = 0; s < table->m_nChildren; ++s) {
      CTraNode* string = table->m_pChildren[s];
      m_pIndex[TRA_PART_WHOLE]->Set(string->m_strOriginal, string);
      m_pIndex[TRA_PART_PROMPT]->Set(CStringLookup::PromptPart(string->m_strOriginal), string);
      m_pIndex[TRA_PART_TIP]->Set(CStringLookup::TipPart(string->m_strOriginal), string);
    }
  }
  AddOtherNodes(section, 0, m_pIndex);
}

BOOL TranslateTextIn(CTraFile* file, CString& text, TraStringPart part) {
  if (!file) return FALSE;
  CTraNode* section = file->FindStringSection();
  if (!section) return FALSE;
  if (!file->GetStringIndex(part)) file->BuildStringIndex();
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
    text = node->m_strTranslation;  // reuses the buffer of text
  else
    text = PartOf(node->m_strTranslation, part);
  return TRUE;
}
