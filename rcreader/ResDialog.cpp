#include "ResDialog.h"

#include "ResSwitchDialog.h"

int CResDialog::Parse(const CSourceTokenList* list, int start, CResProblemLog& log) {
  Begin(list, start);
  m_style = m_exStyle = 0;
  if (!ParseHeader()) return kResParseFailed;
  ++m_pos;  // BEGIN or "{"
  std::vector<int> starts;
  while (!IsClose()) {
    log.CountStep();
    if (AtEnd() || log.RunOffs().IsRunOff(CResRunOffMemo::kDialogBody, m_pos)) {
      log.RunOffs().MarkRunOff(CResRunOffMemo::kDialogBody, starts);
      return kResParseFailed;  // the list ended inside the dialog
    }
    int b = m_pos;
    starts.push_back(b);
    if (!ParseControl(log)) {
      log.Add(kMsgControlError, *m_list, b);
      m_pos = b + 1;
    }
  }
  return ++m_pos;
}

bool CResDialog::ParseHeader() {
  if (!ParseIdOrText(m_id)) return false;
  if (Is(_T("DIALOGEX"))) m_dialogEx = true;
  else if (Is(_T("DIALOG"))) m_dialogEx = false;
  else return false;
  ++m_pos;
  SkipMemoryFlags(m_memoryFlags);
  if (!ParseInteger(m_x) || !ExpectComma() || !ParseInteger(m_y) || !ExpectComma() || !ParseInteger(m_cx) ||
      !ExpectComma() || !ParseInteger(m_cy))
    return false;
  if (ExpectComma() && !ParseIdOrText(m_helpId)) return false;
  for (;;) {
    bool matched = false;
    if (Is(_T("STYLE"))) {
      ++m_pos;
      ParseStyle(m_style);
      matched = true;
    }
    if (Is(_T("EXSTYLE"))) {
      ++m_pos;
      ParseStyle(m_exStyle);
      matched = true;
    }
    if (Is(_T("CAPTION"))) {
      ++m_pos;
      if (Kind() == kTokenString) {
        m_caption = Text();
        ++m_pos;
      }
      matched = true;
    }
    if (Is(_T("MENU"))) {
      ++m_pos;
      if (Kind() != kTokenEnd) {
        m_menu = Text();
        ++m_pos;
      }
      matched = true;
    }
    if (Is(_T("FONT"))) {
      ++m_pos;
      int save = m_pos;
      if (!ParseFont()) m_pos = save;
      matched = true;
    }
    if (ParseFlagOption(_T("CHARACTERISTICS"), m_characteristics)) matched = true;
    if (ParseFlagOption(_T("VERSION"), m_version)) matched = true;
    if (ParseLanguageOption(m_language, m_sublanguage)) matched = true;
    if (Is(_T("CLASS"))) {
      ++m_pos;
      int save = m_pos;
      if (Kind() == kTokenString) {
        m_class = Text();
        ++m_pos;
      } else if (!ParseIdOrText(m_class)) {
        m_pos = save;
      }
      matched = true;
    }
    if (!matched) break;
  }
  return IsOpen();
}

bool CResDialog::ParseFont() {
  if (!ParseInteger(m_fontSize) || !ExpectComma() || Kind() != kTokenString) return false;
  m_fontFace = Text();
  ++m_pos;
  m_fontWeight = m_fontItalic = 0;
  m_fontCharset.Empty();
  if (!ExpectComma()) return true;
  if (!ParseInteger(m_fontWeight) || !ExpectComma() || !ParseInteger(m_fontItalic) || !ExpectComma()) return false;
  // The charset must be written as a hexadecimal number.
  if (!Is(_T("0")) || Kind(m_pos + 1) != kTokenIdentifier) return false;
  m_fontCharset = Text() + Text(m_pos + 1);
  m_pos += 2;
  return true;
}

bool CResDialog::ParseControl(CResProblemLog& log) {
  if (Kind() != kTokenIdentifier) return false;
  std::unique_ptr<CResControl> control(new CResControl());
  int next = control->Parse(m_list, m_pos, log);
  if (next == kResParseFailed) return false;
  m_controls.Add(std::move(control), log, kMsgTooManyControls, *m_list, m_pos);
  m_pos = next;
  return true;
}

bool CResDialog::AddControl(std::unique_ptr<CResControl> control) { return m_controls.Add(std::move(control)); }

CTraNode* CResDialog::CreateNode(CTraNode* parent) {
  RECT r = ResRect(m_x, m_y, m_cx, m_cy);
  LONG exStyle = static_cast<LONG>(m_menu.IsEmpty() ? (m_exStyle & ~0x10u) : (m_exStyle | 0x10u));
  CTraNode* node = new CTraNode(parent, m_caption, m_caption, GetKind(), exStyle, static_cast<LONG>(m_style), r, r);
  if (node->GetLayout()) {
    node->GetLayout()->m_strFontFace = m_fontFace;
    node->GetLayout()->m_nFontSize = static_cast<WORD>(m_fontSize);
  }
  m_controls.AddNodes(node);
  return node;
}

void CResDialog::InitSwitchDialog(IResTextSource& texts) {
  m_suppliedByLibrary = true;
  m_dialogEx = false;
  m_id = _T("IDD_DLG_AUTOMATIC_STANDARD_SWITCH");
  m_x = m_y = m_cx = m_cy = 0;
  m_style = m_exStyle = 0;
  m_caption = texts.LoadText(kSwitchCaptionString);
  m_menu.Empty();
  m_fontFace.Empty();
  m_fontSize = m_fontWeight = m_fontItalic = 0;
  for (int i = 0; i < kResSwitchChildren; ++i) {
    const ResSwitchChild& child = ResSwitchDialogChild(i);
    std::unique_ptr<CResControl> control(new CResControl());
    control->InitFromKeyword(texts, child.stringId, child.keyword, child.cx, child.cy);
    AddControl(std::move(control));
  }
}
