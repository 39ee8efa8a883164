// What a language leaves on screen: the texts that only one of two language
// files shows, and a sweep over every window, menu and list of this thread
// that finds such texts.
#pragma once

#include "FrameworkWin.h"
#include "LwFileInfo.h"
#include "TraFile.h"
#include "UiTestKit.h"

#include <commctrl.h>

#include <memory>
#include <set>
#include <vector>

namespace sampletest {

inline std::unique_ptr<CTraFile> ReadLanguageFile(const CString& path) {
  std::unique_ptr<CTraFile> file(new CTraFile);
  return LwReadLanguageFile(path, *file, LW_READ_WHOLE) ? std::move(file) : nullptr;
}

// Texts whole and case-sensitive, as the library compares them.
struct LanguageTexts {
  std::set<CString> onlyFirst;   // shown by the first file, not by the second
  std::set<CString> onlySecond;  // and the other way round
};

inline void CollectDifferences(const CTraNode* a, const CTraNode* b, std::set<CString>& first,
                               std::set<CString>& second) {
  if (!a || !b) return;
  const CString ta = a->GetTranslation(), tb = b->GetTranslation();
  if (ta != tb) {
    if (!ta.IsEmpty()) first.insert(ta);
    if (!tb.IsEmpty()) second.insert(tb);
  }
  const int n = a->GetChildCount() < b->GetChildCount() ? a->GetChildCount() : b->GetChildCount();
  for (int i = 0; i < n; ++i) CollectDifferences(a->GetChild(i), b->GetChild(i), first, second);
}

// Pairs the two trees node by node (files made from one script share their
// shape); a text that either language also shows elsewhere is left out.
inline LanguageTexts TextsOnlyIn(const CTraFile& first, const CTraFile& second) {
  LanguageTexts texts;
  CollectDifferences(first.GetRootNode(), second.GetRootNode(), texts.onlyFirst, texts.onlySecond);
  std::set<CString> shared;
  for (const CString& t : texts.onlyFirst)
    if (texts.onlySecond.count(t)) shared.insert(t);
  for (const CString& t : shared) {
    texts.onlyFirst.erase(t);
    texts.onlySecond.erase(t);
  }
  return texts;
}

// Every text a person can see in this thread's windows: captions, control
// texts, list and combo items, tab labels, status-bar parts and the items of
// menu bars at any depth. Each text is prefixed with where it was found.
struct ShownText {
  CString where;
  CString text;
};

inline CString ClassOf(HWND wnd) {
  TCHAR name[64] = {0};
  GetClassName(wnd, name, 64);
  return CString(name);
}

inline void SweepMenu(HMENU menu, const CString& where, std::vector<ShownText>& out, int depth = 0) {
  if (!menu || depth > 8) return;
  for (const lwtest::MenuItem& item : lwtest::MenuItems(menu)) {
    if (!item.text.IsEmpty()) out.push_back({where + _T(" menu"), item.text});
    SweepMenu(item.popup, where, out, depth + 1);
  }
}

inline void SweepTexts(const std::vector<CString>& texts, const CString& where, std::vector<ShownText>& out) {
  for (const CString& text : texts)
    if (!text.IsEmpty()) out.push_back({where, text});
}

inline void SweepWindow(HWND wnd, const CString& parentWhere, std::vector<ShownText>& out, int depth = 0) {
  if (!IsWindowVisible(wnd) || depth > 8) return;
  const CString cls = ClassOf(wnd);
  const CString where = parentWhere + _T("/") + cls;
  const CString text = lwtest::WindowText(wnd);
  const bool edit = cls.CompareNoCase(_T("Edit")) == 0;
  if (!text.IsEmpty() && !edit) out.push_back({where, text});
  if (cls.CompareNoCase(_T("ListBox")) == 0 || cls.CompareNoCase(_T("ComboBox")) == 0)
    SweepTexts(lwtest::ListItems(wnd), where + _T(" item"), out);
  if (cls == WC_TABCONTROL) SweepTexts(lwtest::TabLabels(wnd), where + _T(" tab"), out);
  if (cls == STATUSCLASSNAME) {
    const int parts = static_cast<int>(SendMessage(wnd, SB_GETPARTS, 0, 0));
    for (int i = 0; i < parts; ++i) {
      const int length = LOWORD(SendMessage(wnd, SB_GETTEXTLENGTH, static_cast<WPARAM>(i), 0));
      CString part;
      SendMessage(wnd, SB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(part.GetBuffer(length + 1)));
      part.ReleaseBuffer(length);
      if (!part.IsEmpty()) out.push_back({where + _T(" part"), part});
    }
  }
  if (!(GetWindowLongPtr(wnd, GWL_STYLE) & WS_CHILD)) SweepMenu(GetMenu(wnd), where, out);
  for (HWND child = GetWindow(wnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    SweepWindow(child, where, out, depth + 1);
}

inline std::vector<ShownText> SweepThread() {
  std::vector<ShownText> out;
  for (HWND wnd : lwtest::OwnWindows()) SweepWindow(wnd, CString(), out);
  return out;
}

// The shown texts that belong to the other language, as "where: text" lines.
inline std::vector<CString> Leftovers(const std::vector<ShownText>& shown, const std::set<CString>& otherLanguage) {
  std::vector<CString> left;
  for (const ShownText& s : shown)
    if (otherLanguage.count(s.text)) left.push_back(s.where + _T(": ") + s.text);
  return left;
}

}  // namespace sampletest
