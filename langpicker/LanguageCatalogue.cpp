// Scans of the catalogue's language entries and the name-to-LANGID conversion.
#include "LanguageCatalogue.h"

namespace {

const TCHAR kLangPrefix[] = _T("LANG_");
const TCHAR kSubLangPrefix[] = _T("SUBLANG_");
const int kSubLangPrefixLength = 8;

bool EndsName(TCHAR c) { return c == _T('|') || c == _T(','); }

// Calls report(nameStart, nameLength, itemsStart) for every ":" of the
// entry, with the text since the last "|" or "," as the language name;
// stops when report answers false.
template <class Report>
void ScanLanguageGroups(LPCTSTR entry, Report report) {
  if (entry == nullptr) return;
  int nameStart = 0;
  for (int i = 0; entry[i] != 0; ++i) {
    if (EndsName(entry[i])) {
      nameStart = i + 1;
    } else if (entry[i] == _T(':')) {
      if (!report(entry + nameStart, i - nameStart, i + 1)) return;
    }
  }
}

int FindRow(const LPCTSTR* table, int rows, LPCTSTR name) {
  if (name == nullptr || name[0] == 0) return -1;
  for (int i = 0; i < rows; ++i) {
    if (lw::StrCmp(table[i], name) == 0) return i;
  }
  return -1;
}

}  // namespace

void GetLanguagesOfEntry(LPCTSTR entry, CStringArray& languages) {
  languages.RemoveAll();
  ScanLanguageGroups(entry, [&](LPCTSTR name, int length, int) {
    if (length > 0) languages.Add(CString(kLangPrefix) + CString(name, length));
    return true;
  });
}

void GetSubLanguagesOfEntry(LPCTSTR entry, LPCTSTR language, CStringArray& subLanguages) {
  subLanguages.RemoveAll();
  if (language == nullptr || language[0] == 0) return;
  const CString lang(language);
  int items = -1;
  ScanLanguageGroups(entry, [&](LPCTSTR name, int length, int itemsStart) {
    if (CString(name, length) != lang) return true;
    items = itemsStart;
    return false;
  });
  if (items < 0) return;
  for (int i = items;; ++i) {
    const TCHAR c = entry[i];
    if (c == 0 || c == _T('|') || c == _T(',')) {
      const CString item(entry + items, i - items);
      if (item == _T("_")) {
        subLanguages.Add(kSubLangPrefix + lang);
      } else if (!item.IsEmpty()) {
        subLanguages.Add(kSubLangPrefix + lang + _T("_") + item);
      }
      if (c != _T(',')) break;
      items = i + 1;
    }
  }
}

void GetSubLanguagesOfLanguage(LPCTSTR language, CStringArray& subLanguages) {
  subLanguages.RemoveAll();
  if (language == nullptr || language[0] == 0) return;
  const size_t length = lw::StrLen(language);
  for (int i = 0; i < SUBLANG_NAME_COUNT; ++i) {
    const LPCTSTR rest = SubLangNames[i] + kSubLangPrefixLength;
    if (lw::StrLen(rest) >= length && std::char_traits<TCHAR>::compare(rest, language, length) == 0) {
      subLanguages.Add(SubLangNames[i]);
    }
  }
}

int FindLangName(LPCTSTR name) { return FindRow(LangNames, LANG_NAME_COUNT, name); }

int FindSubLangName(LPCTSTR name) { return FindRow(SubLangNames, SUBLANG_NAME_COUNT, name); }

WORD NamesToLangId(CString lang, CString sublang) {
  const int primaryRow = FindLangName(lang);
  const int subRow = FindSubLangName(sublang);
  if (primaryRow < 0 || subRow < 0) return LANGID_NOT_FOUND;
  return static_cast<WORD>(MAKELANGID(LangValues[primaryRow], SubLangValues[subRow]));
}

CString LanguageNameOf(WORD langId) {
  const WORD primary = PRIMARYLANGID(langId);
  if (primary == 0) return CString();
  for (int i = 0; i < LANG_NAME_COUNT; ++i) {
    if (LangValues[i] != primary) continue;
    const CString upper = CString(LangNames[i]).Mid(5);  // after "LANG_"
    CString name;
    bool wordStart = true;
    for (int k = 0; k < upper.GetLength(); ++k) {
      const TCHAR c = upper[k];
      if (c == _T('_')) {
        name.AppendChar(_T(' '));
        wordStart = true;
        continue;
      }
      name.AppendChar(wordStart || c < _T('A') || c > _T('Z') ? c : static_cast<TCHAR>(c - _T('A') + _T('a')));
      wordStart = false;
    }
    return name;
  }
  return CString();
}
