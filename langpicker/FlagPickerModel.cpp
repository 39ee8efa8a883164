#include "FlagPickerModel.h"

#include "LanguageCatalogue.h"

#include <algorithm>
#include <type_traits>

namespace {

const TCHAR kNeutral[] = _T("NEUTRAL");
const TCHAR kLangNeutral[] = _T("LANG_NEUTRAL");
const TCHAR kSubLangNeutral[] = _T("SUBLANG_NEUTRAL");
const int kLangPrefixLength = 5;

void Append(CStringArray& to, const CStringArray& from) {
  for (int i = 0; i < from.GetSize(); ++i) to.Add(from[i]);
}

}  // namespace

void LwPickerList::Reset(bool enable) {
  rows.RemoveAll();
  current = -1;
  enabled = enable;
  dropDown = false;
}

CString LwLanguageWithoutPrefix(const CString& text) {
  return text.GetLength() > kLangPrefixLength ? text.Mid(kLangPrefixLength) : CString();
}

void CFlagPickerModel::ChooseCountry(int row) {
  if (row < 0 || row >= COUNTRY_COUNT) return;
  m_bOwnFlag = false;
  m_nFlagIndex = row;
  FillLanguagesOfCountry();
  m_bOkEnabled = true;
}

void CFlagPickerModel::ClearChoice() {
  if (m_bOwnFlag) return;
  m_bOkEnabled = false;
  m_language.Reset(false);
  m_subLanguage.Reset(false);
}

void CFlagPickerModel::ChooseOwnFlag() {
  m_bOwnFlag = true;
  m_nFlagIndex = -1;
  m_bOkEnabled = true;
  m_language.Reset(true);
  m_subLanguage.Reset(false);
  for (int i = 0; i < LANG_NAME_COUNT; ++i) m_language.rows.Add(CString(LangNames[i]));
  m_language.current = LANG_NAME_NEUTRAL_ROW;
  m_language.dropDown = true;
}

void CFlagPickerModel::CloseLanguageList() {
  if (m_bOwnFlag) FillSubLanguagesOfLanguage();
  else FillSubLanguagesOfCountry();
}

void CFlagPickerModel::SelectLanguage(int row) {
  if (row >= 0 && row < m_language.rows.GetSize()) m_language.current = row;
}

void CFlagPickerModel::SelectSubLanguage(int row) {
  if (row >= 0 && row < m_subLanguage.rows.GetSize()) m_subLanguage.current = row;
}

LANGID CFlagPickerModel::ChosenLangId() const { return NamesToLangId(LanguageText(), SubLanguageText()); }

void CFlagPickerModel::FillLanguagesOfCountry() {
  m_language.Reset(true);
  m_subLanguage.Reset(false);
  CStringArray languages;
  GetLanguagesOfEntry(CountryLanguages[m_nFlagIndex], languages);
  Append(m_language.rows, languages);
  m_language.rows.Add(CString(kLangNeutral));
  m_language.current = 0;
  // Two real languages or more: the user chooses, the closing fills the rest.
  if (m_language.rows.GetSize() > 2) m_language.dropDown = true;
  else FillSubLanguagesOfCountry();
}

void CFlagPickerModel::FillSubLanguagesOfCountry() {
  m_subLanguage.Reset(true);
  const CString language = LwLanguageWithoutPrefix(LanguageText());
  if (language == kNeutral) {
    m_subLanguage.rows.Add(CString(kSubLangNeutral));
    m_subLanguage.current = 0;
    return;
  }
  if (m_nFlagIndex >= 0 && m_nFlagIndex < COUNTRY_COUNT) {
    CStringArray subLanguages;
    GetSubLanguagesOfEntry(CountryLanguages[m_nFlagIndex], language, subLanguages);
    Append(m_subLanguage.rows, subLanguages);
  }
  m_subLanguage.rows.Add(CString(kSubLangNeutral));
  m_subLanguage.current = 0;
  if (m_subLanguage.rows.GetSize() > 2) m_subLanguage.dropDown = true;
}

void CFlagPickerModel::FillSubLanguagesOfLanguage() {
  m_subLanguage.Reset(true);
  m_subLanguage.rows.Add(CString(kSubLangNeutral));
  m_subLanguage.current = 0;
  const CString language = LwLanguageWithoutPrefix(LanguageText());
  if (!language.IsEmpty() && language != kNeutral) {
    CStringArray subLanguages;
    GetSubLanguagesOfLanguage(language, subLanguages);
    Append(m_subLanguage.rows, subLanguages);
  }
  if (m_subLanguage.rows.GetSize() > 1) m_subLanguage.dropDown = true;
}

int LwCompareCountryRows(int a, int b) {
  typedef std::make_unsigned_t<TCHAR> Unit;
  LPCTSTR x = CountryNames[a], y = CountryNames[b];
  for (; *x && *x == *y; ++x, ++y) {
  }
  return static_cast<int>(static_cast<Unit>(*x)) - static_cast<int>(static_cast<Unit>(*y));
}

std::vector<int> LwCountryRowsByName() {
  std::vector<int> rows(COUNTRY_COUNT);
  for (int i = 0; i < COUNTRY_COUNT; ++i) rows[i] = i;
  std::sort(rows.begin(), rows.end(), [](int a, int b) { return LwCompareCountryRows(a, b) < 0; });
  return rows;
}
