// Translation of texts that reach a program as strings: string-table texts,
// status-bar prompts and tooltips, looked up among the strings of a language
// file's "Stringtables" section through one of its three hash indexes.
#pragma once

#include "TraFile.h"


class CStringLookup {
 public:
  // index may be null: then every lookup searches the section.
  explicit CStringLookup(const CTraStringIndex* index) : m_pIndex(index) {}
  virtual ~CStringLookup() = default;

  CTraNode* Lookup(const CString& text, CTraNode* section);
  CTraNode* LookupPrompt(const CString& text, CTraNode* section);
  CTraNode* LookupTip(const CString& text, CTraNode* section);

  static CTraNode* FindByOriginal(CTraNode* node, const CString& key);
  static CTraNode* FindByPrompt(CTraNode* node, const CString& key);
  static CTraNode* FindByTip(CTraNode* node, const CString& key);
  static CString PromptPart(const CString& text);
  static CString TipPart(const CString& text);

 private:
  CTraNode* Find(const CString& text, CTraNode* section, TraStringPart part);

  CString m_strKey;
  const CTraStringIndex* m_pIndex;
};

// The lookup behind LWTranslateString (whole text), LWTranslateStatusText
// (prompt part) and LWTranslateToolTip (tip part) in the given file: the
// caller passes the lookup file of a running switch, else the current file.
// Uses the file's indexes when it has them (the manager builds them when it
// loads a file) and searches the section otherwise; never builds them.
// FALSE and text unchanged when there is no file or no such string.
BOOL TranslateTextIn(CTraFile* file, CString& text, TraStringPart part);
