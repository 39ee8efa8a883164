#include <gtest/gtest.h>

#include "LwvTestSupport.h"
#include "StringLookup.h"

using namespace lwvtest;

namespace {

TEST(StringLookup, IndexSizeIsTheNextOddPrime) {
  struct Case {
    int count, size;
  } cases[] = {{0, 3}, {1, 3}, {2, 5}, {3, 5}, {6, 11}, {7, 11}, {8, 11}, {10, 13}, {13, 17}, {20, 23}, {23, 29},
               {100, 103}, {20000, 20011}, {-5, 3}};
  for (const Case& c : cases) EXPECT_EQ(c.size, StringIndexSize(c.count)) << c.count;
}

TEST(StringLookup, PromptAndTipParts) {
  struct Case {
    const TCHAR* text;
    const TCHAR* prompt;
    const TCHAR* tip;
  } cases[] = {
      {_T("Open a file\nOpen"), _T("Open a file"), _T("Open")},
      {_T("plain"), _T("plain"), _T("plain")},
      {_T("a\nb\nc"), _T("a"), _T("c")},
      {_T("\ntip"), _T(""), _T("tip")},
      {_T("prompt\n"), _T("prompt"), _T("")},
      {_T(""), _T(""), _T("")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CStringLookup::PromptPart(c.text), c.prompt);
    EXPECT_EQ(CStringLookup::TipPart(c.text), c.tip);
  }
}

// A file whose "Stringtables" holds the given (original, translation) pairs in two tables.
std::unique_ptr<CTraFile> Strings(std::initializer_list<std::pair<const TCHAR*, const TCHAR*>> first,
                                  std::initializer_list<std::pair<const TCHAR*, const TCHAR*>> second) {
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  std::unique_ptr<CTraFile> file(new CTraFile(root));
  AddNode(root, TRA_SECTION_MENUS, _T("Menu"), TRA_MENUGROUP);
  CTraNode* dialogs = AddNode(root, TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP);
  AddNode(dialogs, _T("Only in a dialog"), _T("Nur im Dialog"), TRA_DIALOG);
  CTraNode* strings = AddNode(root, TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP);
  CTraNode* t1 = AddNode(strings, _T("String Table Section 1"), _T("String Table Section 1"), TRA_STRINGTABLE);
  for (auto& p : first) AddNode(t1, p.first, p.second, TRA_STRING);
  CTraNode* t2 = AddNode(strings, _T("String Table Section 2"), _T("String Table Section 2"), TRA_STRINGTABLE);
  for (auto& p : second) AddNode(t2, p.first, p.second, TRA_STRING);
  return file;
}

TEST(StringLookup, WholeTextsPromptsAndTips) {
  auto file = Strings({{_T("Ready"), _T("Bereit")}, {_T("Open a file\nOpen"), _T("Datei \xF6") _T("ffnen\n\xD6") _T("ffnen")}},
                      {{_T("Save it\nSave"), _T("Sichern")}});
  struct Case {
    TraStringPart part;
    const TCHAR* text;
    bool found;
    const TCHAR* result;
  } cases[] = {
      {TRA_PART_WHOLE, _T("Ready"), true, _T("Bereit")},
      {TRA_PART_WHOLE, _T("ready"), false, _T("ready")},
      {TRA_PART_WHOLE, _T("Open a file"), false, _T("Open a file")},
      {TRA_PART_PROMPT, _T("Open a file"), true, _T("Datei \xF6") _T("ffnen")},
      {TRA_PART_TIP, _T("Open"), true, _T("\xD6") _T("ffnen")},
      {TRA_PART_PROMPT, _T("Save it"), true, _T("Sichern")},  // a translation without newline is both parts
      {TRA_PART_TIP, _T("Save"), true, _T("Sichern")},
      {TRA_PART_TIP, _T("Ready"), true, _T("Bereit")},
      {TRA_PART_WHOLE, _T("Only in a dialog"), false, _T("Only in a dialog")},
      {TRA_PART_WHOLE, _T(""), false, _T("")},
  };
  for (const Case& c : cases) {
    CString text = c.text;
    EXPECT_EQ(c.found ? TRUE : FALSE, TranslateTextIn(file.get(), text, c.part)) << c.part;
    EXPECT_EQ(text, c.result) << c.part;
  }
}

// The prompt ends at the first line break, the tip starts after the last:
// the same with the indexes as with the search through the section.
TEST(StringLookup, SeveralLineBreaks) {
  auto file = Strings({{_T("Print\nthe page\nPrint it"), _T("Drucken\ndie Seite\nDrucken")}}, {});
  struct Case {
    TraStringPart part;
    const TCHAR* text;
    bool found;
  } cases[] = {
      {TRA_PART_WHOLE, _T("Print\nthe page\nPrint it"), true},
      {TRA_PART_PROMPT, _T("Print"), true},
      {TRA_PART_TIP, _T("Print it"), true},
      {TRA_PART_PROMPT, _T("Print\nthe page"), false},
      {TRA_PART_TIP, _T("the page\nPrint it"), false},
      {TRA_PART_TIP, _T("Print"), false},
  };
  for (bool indexed : {false, true}) {
    if (indexed) file->BuildStringIndex();
    for (const Case& c : cases) {
      CString text = c.text;
      EXPECT_EQ(c.found ? TRUE : FALSE, TranslateTextIn(file.get(), text, c.part))
          << indexed << " " << c.part << " " << CStringA(c.text).GetString();
    }
  }
}

// The index past the keys it was made for: it grows and still finds every
// key, the first or the last node as asked, and nothing it was not given.
TEST(StringLookup, IndexGrowsPastItsSizeAndKeepsEveryKey) {
  std::vector<CString> keys;
  for (int i = 0; i < 3000; ++i) {
    CString key;
    key.Format(_T("Text %d"), i * 7919);
    keys.push_back(key);
  }
  keys.push_back(CString());  // the empty text is a key too
  std::vector<std::unique_ptr<CTraNode>> first, last;
  for (size_t i = 0; i < keys.size(); ++i) {
    first.emplace_back(new CTraNode(nullptr));
    last.emplace_back(new CTraNode(nullptr));
  }
  CTraStringIndex index(4);
  for (size_t i = 0; i < keys.size(); ++i) {
    const TraTextView view(keys[i].GetString(), static_cast<size_t>(keys[i].GetLength()));
    index.AddIfAbsent(view, first[i].get());
    index.AddIfAbsent(view, last[i].get());  // kept out: the key is there
  }
  for (size_t i = 0; i < keys.size(); i += 2) {
    const TraTextView view(keys[i].GetString(), static_cast<size_t>(keys[i].GetLength()));
    index.Set(view, last[i].get());  // replaces
  }
  EXPECT_EQ(keys.size(), index.GetCount());
  for (size_t i = 0; i < keys.size(); ++i)
    EXPECT_EQ(i % 2 == 0 ? last[i].get() : first[i].get(), index.Find(keys[i])) << CStringA(keys[i]).GetString();
  for (const TCHAR* absent : {_T("Text 1"), _T("Text"), _T("text 0"), _T("Text 00")})
    EXPECT_EQ(nullptr, index.Find(absent)) << CStringA(absent).GetString();
}

TEST(StringLookup, LaterStringWinsAndALookupNeverBuildsTheIndexes) {
  auto file = Strings({{_T("Same"), _T("first")}, {_T("Same"), _T("second")}}, {{_T("Same"), _T("third")}});
  CString text = _T("Same");
  // Unindexed: the section is searched, and nothing is built behind the caller's back.
  EXPECT_TRUE(TranslateTextIn(file.get(), text, TRA_PART_WHOLE));
  EXPECT_EQ(CString(_T("first")), text);
  EXPECT_EQ(nullptr, file->GetStringIndex(TRA_PART_TIP));
  file->BuildStringIndex();
  text = _T("Same");
  EXPECT_TRUE(TranslateTextIn(file.get(), text, TRA_PART_WHOLE));
  EXPECT_EQ(CString(_T("third")), text);
}

TEST(StringLookup, IndexAgreesWithTheSearchOfTheSection) {
  // Keys that only the section, a table or a node below a string hold are
  // found as the depth-first search finds them.
  auto file = Strings({{_T("A"), _T("a1")}}, {{_T("B"), _T("b1")}});
  CTraNode* section = file->FindStringSection();
  AddNode(section->GetChild(0)->GetChild(0), _T("Below"), _T("below1"), TRA_STRING);
  AddNode(section->GetChild(1)->GetChild(0), _T("Below"), _T("below2"), TRA_STRING);
  file->BuildStringIndex();
  for (const TCHAR* key : {_T("A"), _T("B"), _T("Below"), _T("String Table Section 2"), _T("Stringtables"), _T("x")}) {
    for (int part = 0; part < 3; ++part) {
      CStringLookup indexed(file->GetStringIndex(static_cast<TraStringPart>(part)));
      CStringLookup searched(nullptr);
      CTraNode* a = part == 0 ? indexed.Lookup(key, section) : part == 1 ? indexed.LookupPrompt(key, section)
                                                                        : indexed.LookupTip(key, section);
      CTraNode* b = part == 0 ? searched.Lookup(key, section) : part == 1 ? searched.LookupPrompt(key, section)
                                                                         : searched.LookupTip(key, section);
      EXPECT_EQ(b, a) << part;
    }
  }
  EXPECT_EQ(nullptr, CStringLookup(nullptr).Lookup(_T("A"), nullptr));
  EXPECT_NE(nullptr, CStringLookup::FindByOriginal(section, _T("A")));
  EXPECT_NE(nullptr, CStringLookup::FindByPrompt(section, _T("B")));
  EXPECT_NE(nullptr, CStringLookup::FindByTip(section, _T("Below")));
}

TEST(StringLookup, FilesWithoutStrings) {
  CString text = _T("Ready");
  EXPECT_FALSE(TranslateTextIn(nullptr, text, TRA_PART_WHOLE));
  CTraFile noTree;
  EXPECT_FALSE(TranslateTextIn(&noTree, text, TRA_PART_WHOLE));
  noTree.BuildStringIndex();
  EXPECT_EQ(0u, noTree.GetStringIndex(TRA_PART_WHOLE)->GetCount());
  CTraFile noSection(new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE));
  EXPECT_FALSE(TranslateTextIn(&noSection, text, TRA_PART_PROMPT));
  EXPECT_EQ(text, _T("Ready"));
}

TEST(StringLookup, SwitchTimeLookupFileFindsTheOldLanguage) {
  // Running in German; switching to French: the lookup file's originals are
  // the German texts on screen, its translations the French ones.
  auto german = Strings({{_T("Ready"), _T("Bereit")}}, {});
  auto french = Strings({{_T("Ready"), _T("Pr\xEAt")}}, {});
  french->UpdateFrom(*german);
  std::unique_ptr<CTraFile> lookup(french->Clone());
  lookup->GetRootNode()->TakeTranslations(german->GetRootNode(), 0);
  CString shown = _T("Bereit");
  EXPECT_TRUE(TranslateTextIn(lookup.get(), shown, TRA_PART_WHOLE));
  EXPECT_EQ(shown, _T("Pr\xEAt"));
  CString fresh = _T("Ready");
  EXPECT_TRUE(TranslateTextIn(french.get(), fresh, TRA_PART_WHOLE));
  EXPECT_EQ(fresh, _T("Pr\xEAt"));
}

TEST(StringLookup, AnIndexKnowsWhetherItsTreeChangedSince) {
  auto file = Strings({{_T("Ready"), _T("Bereit")}, {_T("Open"), _T("\xD6") _T("ffnen")}}, {});
  file->BuildStringIndex();
  const CTraStringIndex* index = file->GetStringIndex(TRA_PART_WHOLE);
  CTraNode* ready = file->FindStringSection()->GetChild(0)->GetChild(0);
  // Translations do not touch the keys.
  ready->SetTranslation(_T("Fertig"));
  EXPECT_TRUE(index->IsCurrent());
  CString text = _T("Ready");
  EXPECT_TRUE(TranslateTextIn(file.get(), text, TRA_PART_WHOLE));
  EXPECT_EQ(CString(_T("Fertig")), text);
  // A changed original or a new string does.
  ready->SetOriginal(_T("Done"));
  EXPECT_FALSE(index->IsCurrent());
  file->BuildStringIndex();
  EXPECT_TRUE(file->GetStringIndex(TRA_PART_WHOLE)->IsCurrent());
  text = _T("Done");
  EXPECT_TRUE(TranslateTextIn(file.get(), text, TRA_PART_WHOLE));
  EXPECT_EQ(CString(_T("Fertig")), text);
  AddNode(file->FindStringSection()->GetChild(0), _T("Close"),
          _T("Schlie\xDF")
          _T("en"),
          TRA_STRING);
  EXPECT_FALSE(file->GetStringIndex(TRA_PART_TIP)->IsCurrent());
  // An index nobody tied to a tree is always current.
  EXPECT_TRUE(CTraStringIndex(4).IsCurrent());
}

#ifndef NDEBUG
TEST(StringLookupDeathTest, ALookupThroughAStaleIndexAsserts) {
  auto file = Strings({{_T("Ready"), _T("Bereit")}}, {});
  file->BuildStringIndex();
  file->FindStringSection()->GetChild(0)->GetChild(0)->SetOriginal(_T("Done"));
  CString text = _T("Ready");
  EXPECT_DEATH(TranslateTextIn(file.get(), text, TRA_PART_WHOLE), "IsCurrent");
  // Built again, the index serves.
  file->BuildStringIndex();
  text = _T("Done");
  EXPECT_TRUE(TranslateTextIn(file.get(), text, TRA_PART_WHOLE));
  EXPECT_EQ(CString(_T("Bereit")), text);
}
#endif

}  // namespace
