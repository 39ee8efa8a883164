// One control statement of a dialog.
#pragma once

#include "ResItem.h"

struct ResControlKeyword {
  const TCHAR* keyword;
  DWORD style;
  DWORD exStyle;
  int kind;
};

class CResControl : public CResItem {
 public:
  // From the keyword token; the position after the control or kResParseFailed.
  int Parse(const CSourceTokenList* list, int start, CResProblemLog& log) override;
  int GetKind() const override { return TRA_CONTROL; }
  CTraNode* CreateNode(CTraNode* parent) override;

  // The keyword's defaults; null for a word that is no control keyword.
  static const ResControlKeyword* LookupKeyword(const CString& word);
  // The node kind of a CONTROL class (case-insensitive).
  static int ClassToKind(const CString& className);

  // Fill without parsing: texts from the string table (through texts).
  void InitFromKeyword(IResTextSource& texts, UINT stringId, const CString& keyword, int cx, int cy);
  void Init(int kind, const CString& original, const CString& translation, int x, int y, int cx, int cy);

  CString m_keyword;
  CString m_translation;
  CString m_original;
  CString m_id;
  int m_x = 0, m_y = 0, m_cx = 0, m_cy = 0;
  CString m_helpId;
  CString m_iconName;
  CString m_class;
  DWORD m_style = 0;
  DWORD m_exStyle = 0;
  int m_kind = TRA_EMPTY;

 private:
  bool ParseBody();
};
