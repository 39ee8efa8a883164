#include "ResMenu.h"

namespace {

// The entries of a menu or popup from the token after its opening until
// END or "}": the position after the closing token, or kResParseFailed when
// the list ends first or the menu is given up. A bad entry costs message
// and parsing goes on one token after its first token.
int ParseMenuBody(const CSourceTokenList* list, int pos, CResProblemLog& log, ResMenuNesting& nesting,
                  CResEntryList<CResMenuEntry>& entries, UINT message) {
  const bool top = message == kMsgMenuError;
  const size_t base = nesting.openStarts.size();
  for (;;) {
    log.CountStep();
    if (pos >= list->GetCount() || log.RunOffs().IsRunOff(CResRunOffMemo::kMenuBody, pos))
      nesting.givenUp = nesting.ranOff = true;
    if (nesting.givenUp) {
      if (top && nesting.ranOff) log.RunOffs().MarkRunOff(CResRunOffMemo::kMenuBody, nesting.openStarts);
      if (top) nesting.openStarts.clear();
      return kResParseFailed;
    }
    nesting.openStarts.push_back(pos);
    const CString& word = list->GetText(pos);
    if (word == _T("END") || word == _T("}")) {
      nesting.openStarts.resize(base);
      return pos + 1;
    }
    std::unique_ptr<CResMenuEntry> entry;
    if (word == _T("MENUITEM")) entry.reset(new CResMenuItem());
    else if (word == _T("POPUP")) entry.reset(new CResPopup(&nesting));
    int next = entry ? entry->Parse(list, pos, log) : kResParseFailed;
    if (next != kResParseFailed) {
      entries.Add(std::move(entry), log, kMsgTooManyMenuEntries, *list, pos);
      pos = next;
    } else if (!nesting.givenUp) {
      log.Add(message, *list, pos);
      ++pos;
    }
  }
}

// Follows a popup body too deep to keep, from its first entry, through the
// popups nested in it, keeping no entry and logging nothing: whether it
// closes. The entry starts of the bodies still open when the list ends are
// left in nesting.openStarts; where a body closes is remembered, so a later
// menu reaching it steps over it at once.
bool WalkDeepBody(const CSourceTokenList* list, int pos, CResProblemLog& log, ResMenuNesting& nesting) {
  struct Open {
    int firstEntry;
    size_t startsBase;
  };
  if (log.RunOffs().PopupBodyEnd(pos) >= 0) return true;
  std::vector<Open> open{{pos, nesting.openStarts.size()}};
  for (;;) {
    log.CountStep();
    if (pos >= list->GetCount() || log.RunOffs().IsRunOff(CResRunOffMemo::kMenuBody, pos)) return false;
    nesting.openStarts.push_back(pos);
    const CString& word = list->GetText(pos);
    if (word == _T("END") || word == _T("}")) {
      log.RunOffs().SetPopupBodyEnd(open.back().firstEntry, pos + 1);
      nesting.openStarts.resize(open.back().startsBase);
      open.pop_back();
      if (open.empty()) return true;
      ++pos;
      continue;
    }
    int next = kResParseFailed;
    if (word == _T("MENUITEM")) {
      next = CResMenuItem().Parse(list, pos, log);
    } else if (word == _T("POPUP")) {
      int first = CResPopup().ParseOpening(list, pos);
      if (first != kResParseFailed) {
        next = log.RunOffs().PopupBodyEnd(first);
        if (next < 0) {
          open.push_back({first, nesting.openStarts.size()});
          next = first;
        }
      }
    }
    pos = next != kResParseFailed ? next : pos + 1;
  }
}

CTraNode* MenuTextNode(CTraNode* parent, const CString& text, int kind) {
  return new CTraNode(parent, text, text, kind, -1, -1);
}

}  // namespace

bool CResMenuEntry::ParseItemOptions() {
  m_id.Empty();
  m_option1.Empty();
  m_option2.Empty();
  if (Kind() != kTokenString) return false;
  m_text = Text();
  ++m_pos;
  if (!ExpectComma()) return true;
  if (!ParseIdOrText(m_id)) return false;
  if (!ExpectComma()) return true;
  if (!ParseFlagText(m_option1)) return false;
  if (!ExpectComma()) return true;
  return ParseFlagText(m_option2);
}

int CResMenuItem::Parse(const CSourceTokenList* list, int start, CResProblemLog&) {
  Begin(list, start);
  if (!Is(_T("MENUITEM"))) return kResParseFailed;
  ++m_pos;
  if (Is(_T("SEPARATOR"))) {
    m_text.Empty();
    m_id.Empty();
    m_option1.Empty();
    m_option2.Empty();
    m_separator = true;
    return ++m_pos;
  }
  m_separator = false;
  return ParseItemOptions() ? m_pos : kResParseFailed;
}

CTraNode* CResMenuItem::CreateNode(CTraNode* parent) {
  return m_separator ? nullptr : MenuTextNode(parent, m_text, TRA_MENUITEM);
}

bool CResPopup::ParseHeader() {
  if (!Is(_T("POPUP"))) return false;
  ++m_pos;
  return ParseItemOptions();
}

int CResPopup::ParseOpening(const CSourceTokenList* list, int start) {
  Begin(list, start);
  if (!ParseHeader() || !IsOpen()) return kResParseFailed;
  return m_pos + 1;
}

int CResPopup::Parse(const CSourceTokenList* list, int start, CResProblemLog& log) {
  const int first = ParseOpening(list, start);
  if (first == kResParseFailed) return kResParseFailed;
  ResMenuNesting alone;
  ResMenuNesting& nesting = m_nesting ? *m_nesting : alone;
  if (nesting.givenUp) return kResParseFailed;
  if (nesting.depth >= kMaxDepth) {
    nesting.givenUp = true;
    log.Add(kMsgMenuTooDeep, *m_list, m_pos);
    // Whether the menu also runs off the list decides what a later
    // statement starting inside it may skip.
    nesting.ranOff = !WalkDeepBody(m_list, first, log, nesting);
    return kResParseFailed;
  }
  ++nesting.depth;
  m_pos = ParseMenuBody(m_list, first, log, nesting, m_entries, kMsgMenuItemError);
  --nesting.depth;
  return m_pos;
}

CTraNode* CResPopup::CreateNode(CTraNode* parent) {
  CTraNode* node = MenuTextNode(parent, m_text, TRA_POPUP);
  m_entries.AddNodes(node);
  return node;
}

bool CResMenu::ParseHeader() {
  if (!ParseIdOrText(m_id)) return false;
  if (Is(_T("MENUEX"))) m_menuEx = true;
  else if (Is(_T("MENU"))) m_menuEx = false;
  else return false;
  ++m_pos;
  SkipMemoryFlags(m_memoryFlags);
  for (;;) {
    bool matched = false;
    if (ParseFlagOption(_T("CHARACTERISTICS"), m_characteristics)) matched = true;
    if (ParseFlagOption(_T("VERSION"), m_version)) matched = true;
    if (ParseLanguageOption(m_language, m_sublanguage)) matched = true;
    if (!matched) break;
  }
  return IsOpen();
}

int CResMenu::Parse(const CSourceTokenList* list, int start, CResProblemLog& log) {
  Begin(list, start);
  m_nesting = ResMenuNesting();
  if (!ParseHeader()) return kResParseFailed;
  m_pos = ParseMenuBody(m_list, m_pos + 1, log, m_nesting, m_entries, kMsgMenuError);
  return m_pos;
}

CTraNode* CResMenu::CreateNode(CTraNode* parent) {
  CTraNode* node = MenuTextNode(parent, m_id, TRA_MENU);
  m_entries.AddNodes(node);
  return node;
}
