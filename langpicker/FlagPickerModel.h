// What the flag picker's lists hold and do, without the windows: the rows of
// the language and sub-language lists, their current rows, which controls
// are enabled, when a list's drop-down opens, and what OK converts. The
// picker dialog mirrors this state onto its controls after every event.
#pragma once

#include "Framework.h"

#include <vector>

// One drop-down list of the picker.
struct LwPickerList {
  CStringArray rows;
  int current = -1;       // current row, -1 for none
  bool enabled = false;
  bool dropDown = false;  // the list asks to open its drop-down

  CString CurrentText() const { return current >= 0 && current < rows.GetSize() ? rows[current] : CString(); }
  void Reset(bool enable);
};

class CFlagPickerModel {
 public:
  CFlagPickerModel() = default;

  // One country row chosen in the flag list (a click or the keyboard).
  void ChooseCountry(int row);
  // A click that leaves no single item selected.
  void ClearChoice();
  // An own bitmap was accepted: every language is offered.
  void ChooseOwnFlag();
  // The language list's drop-down closed (whether or not its row changed).
  void CloseLanguageList();
  // The user moves a list's current row (drop-down closed or open).
  void SelectLanguage(int row);
  void SelectSubLanguage(int row);

  // What OK confirms and converts.
  CString LanguageText() const { return m_language.CurrentText(); }
  CString SubLanguageText() const { return m_subLanguage.CurrentText(); }
  LANGID ChosenLangId() const;

  const LwPickerList& Language() const { return m_language; }
  const LwPickerList& SubLanguage() const { return m_subLanguage; }
  // Drop-down requests are one-shot: the dialog takes them after mirroring.
  void TakeDropDowns() { m_language.dropDown = m_subLanguage.dropDown = false; }

  bool IsOwnFlag() const { return m_bOwnFlag; }
  int FlagIndex() const { return m_nFlagIndex; }
  bool IsOkEnabled() const { return m_bOkEnabled; }

 private:
  void FillLanguagesOfCountry();
  void FillSubLanguagesOfCountry();
  void FillSubLanguagesOfLanguage();

  LwPickerList m_language;
  LwPickerList m_subLanguage;
  bool m_bOwnFlag = true;  // true while the flag does not come from the list
  int m_nFlagIndex = -1;
  bool m_bOkEnabled = false;
};

// A "LANG_..." text less its prefix; empty when the text is not longer
// than the prefix (an empty list gives an empty text).
CString LwLanguageWithoutPrefix(const CString& text);

// The flag list's order: catalogue rows sorted by country name, compared
// by code units (UTF-16 in the Unicode build, unsigned bytes in the ANSI
// build).
int LwCompareCountryRows(int a, int b);
std::vector<int> LwCountryRowsByName();
