// Built-in catalogue of the flag strip's countries and of the Windows
// primary-language and sub-language names, with the conversion of a name
// pair into a LANGID. Constant data only; the texts are the same in both
// character widths (accented names are Latin-1 characters).
#pragma once

#include "Framework.h"

enum {
  COUNTRY_COUNT = 164,      // one row per cell of the flag strip
  LANG_NAME_COUNT = 71,
  SUBLANG_NAME_COUNT = 93,
  LANG_NAME_NEUTRAL_ROW = 46  // row of "LANG_NEUTRAL" in LangNames
};

// Answer of NamesToLangId when a name is in neither table.
const WORD LANGID_NOT_FOUND = 0xFFFF;

// Row i is the country of flag cell i (x = 32 * i in the strip).
extern const LPCTSTR CountryNames[COUNTRY_COUNT];
// Language entries: "LANG:SUB,SUB|LANG:..." with the names after "LANG_" and
// the sub-language items after "SUBLANG_<LANG>_" ("_" = SUBLANG_<LANG>);
// ":" = no known language.
extern const LPCTSTR CountryLanguages[COUNTRY_COUNT];

extern const LPCTSTR LangNames[LANG_NAME_COUNT];      // "LANG_..."
extern const WORD LangValues[LANG_NAME_COUNT];
extern const LPCTSTR SubLangNames[SUBLANG_NAME_COUNT];  // "SUBLANG_..."
extern const WORD SubLangValues[SUBLANG_NAME_COUNT];

// "LANG_" + name for every language group of the entry with a non-empty
// name, in entry order. A null or empty entry gives none.
void GetLanguagesOfEntry(LPCTSTR entry, CStringArray& languages);

// Full "SUBLANG_..." names of the first group of the entry whose language
// name is exactly language (without "LANG_"), in item order. No such group,
// an empty language or an empty list gives none.
void GetSubLanguagesOfEntry(LPCTSTR entry, LPCTSTR language, CStringArray& subLanguages);

// Every SubLangNames row whose text after "SUBLANG_" begins with language
// (case-sensitive), in table order. An empty language gives none.
void GetSubLanguagesOfLanguage(LPCTSTR language, CStringArray& subLanguages);

// First row with exactly this name, or -1.
int FindLangName(LPCTSTR name);
int FindSubLangName(LPCTSTR name);

// MAKELANGID of the two values named by a "LANG_..." and a "SUBLANG_..."
// name; LANGID_NOT_FOUND when either name is in no table.
WORD NamesToLangId(CString lang, CString sublang);

// The name of a LANGID's primary language as the catalogue writes it,
// words capitalised ("LANG_GERMAN" gives "German"); "" for the neutral
// language and for a language the catalogue does not name.
CString LanguageNameOf(WORD langId);
