#include "SwitchDlgModel.h"

#include "TraFile.h"

CString LwvChildText(const CTraNode* entry, int i) {
  if (!entry || i < 0 || i >= entry->GetChildCount()) return CString();
  const CTraNode* child = entry->GetChild(i);
  return child ? child->GetTranslation() : CString();
}

LwvSwitchTexts LwvSwitchTexts::FromEntry(const CTraNode* entry) {
  LwvSwitchTexts t;
  if (!entry) return t;
  t.caption = entry->GetTranslation();
  auto child = [entry](int i) { return LwvChildText(entry, i); };
  if (entry->GetChildCount() >= LWV_SWITCH_FULL_CHILDREN) {
    t.showAll = child(LWV_SWITCH_SHOW_ALL);
    t.listLabel = child(LWV_SWITCH_LIST_LABEL);
    t.group = child(LWV_SWITCH_GROUP);
    for (int k = 0; k < 4; ++k) t.rowLabel[k] = child(LWV_SWITCH_ROW_LABEL + k);
    t.warning = child(LWV_SWITCH_WARNING);
    t.failure = child(LWV_SWITCH_FAILURE);
    t.versionPrefix = child(LWV_SWITCH_VERSION_PREFIX);
    t.ok = child(LWV_SWITCH_OK);
    t.cancel = child(LWV_SWITCH_CANCEL);
    t.help = child(LWV_SWITCH_HELP);
    t.about = child(LWV_SWITCH_ABOUT);
    t.aboutCaption = child(LWV_SWITCH_ABOUT_CAPTION);
    t.aboutInfo = child(LWV_SWITCH_ABOUT_INFO);
  } else {
    t.listLabel = child(0);
    t.ok = child(3);
    t.cancel = child(4);
    t.help = child(5);
    t.versionPrefix = child(6);
    t.warning = child(7);
    t.failure = child(8);
  }
  return t;
}

LwvSwitchTexts LwvSwitchTexts::FromCaller(LPCTSTR caption, LPCTSTR listLabel, LPCTSTR ok, LPCTSTR cancel,
                                          LPCTSTR help, LPCTSTR versionPrefix, LPCTSTR warning, LPCTSTR failure) {
  auto text = [](LPCTSTR s) { return s ? CString(s) : CString(); };
  LwvSwitchTexts t;
  t.caption = text(caption);
  t.listLabel = text(listLabel);
  t.ok = text(ok);
  t.cancel = text(cancel);
  t.help = text(help);
  t.versionPrefix = text(versionPrefix);
  t.warning = text(warning);
  t.failure = text(failure);
  return t;
}

void CLwvSwitchFileLists::Clear() {
  m_same.clear();
  m_other.clear();
}

int CLwvSwitchFileLists::Classify(const LW_FILEINFO& current, const LW_FILEINFO& file) {
  if (file.strProgramName != current.strProgramName) return kNone;
  if ((current.dwFlags & TRA_FLAG_WIZARD) && !(file.dwFlags & TRA_FLAG_WIZARD)) return kNone;
  return file.strProgramVersion == current.strProgramVersion ? kSameVersion : kOtherVersion;
}

int CLwvSwitchFileLists::Offer(const LW_FILEINFO& current, const LW_FILEINFO& file) {
  const int list = Classify(current, file);
  std::vector<LW_FILEINFO>* target = list == kSameVersion ? &m_same : list == kOtherVersion ? &m_other : nullptr;
  if (!target || static_cast<int>(target->size()) >= kSlots) return kNone;
  target->push_back(file);
  return list;
}

int CLwvSwitchFileLists::GetCount(int list) const {
  return static_cast<int>(list == kSameVersion ? m_same.size() : list == kOtherVersion ? m_other.size() : 0);
}

const LW_FILEINFO& CLwvSwitchFileLists::Get(int list, int i) const {
  return list == kSameVersion ? m_same.at(static_cast<size_t>(i)) : m_other.at(static_cast<size_t>(i));
}

int CLwvSwitchFileLists::GetShownCount(bool showOther) const {
  return GetCount(kSameVersion) + (showOther ? GetCount(kOtherVersion) : 0);
}

const LW_FILEINFO* CLwvSwitchFileLists::AtPosition(int position, bool showOther, bool* other) const {
  if (other) *other = false;
  if (position < 0) return nullptr;
  if (position < GetCount(kSameVersion)) return &m_same[static_cast<size_t>(position)];
  position -= GetCount(kSameVersion);
  if (!showOther || position >= GetCount(kOtherVersion)) return nullptr;
  if (other) *other = true;
  return &m_other[static_cast<size_t>(position)];
}

CString CLwvSwitchFileLists::OtherVersionText(const LW_FILEINFO& file, const CString& prefix) {
  CString text;
  text.Format(_T("%s \n(%s%s)"), (LPCTSTR)file.strLanguageName, (LPCTSTR)prefix, (LPCTSTR)file.strProgramVersion);
  return text;
}

namespace {
RECT Rect(int left, int top, int right, int bottom) {
  RECT r;
  r.left = left;
  r.top = top;
  r.right = right;
  r.bottom = bottom;
  return r;
}
}  // namespace

LwvSwitchLayout LwvComputeSwitchLayout(int W, int H, int l, int labelWidth, bool allowOld, bool helpButton) {
  LwvSwitchLayout s;
  s.hasCheck = allowOld;
  s.hasHelp = helpButton;
  const int b = helpButton ? (W - 50) / 4 : (W - 40) / 3;
  s.buttonWidth = b;
  s.banner.x = (W - 180) / 2;
  s.banner.y = 10;
  int y = 90;
  s.check = Rect(0, 0, 0, 0);
  if (allowOld) {
    s.check = Rect(10, 100, W - 10, 100 + l);
    y = 100 + l;
  }
  s.listLabel = Rect(10, y + 10, W - 10, y + 10 + l);
  const int buttonTop = H - 2 * l - 10;
  const int buttonBottom = H - 10;
  s.ok = Rect(10, buttonTop, b + 10, buttonBottom);
  s.cancel = Rect(b + 20, buttonTop, 2 * b + 20, buttonBottom);
  s.help = helpButton ? Rect(2 * b + 30, buttonTop, 3 * b + 30, buttonBottom) : Rect(0, 0, 0, 0);
  s.about = Rect(W - b - 10, buttonTop, W - 10, buttonBottom);
  const int g = buttonTop - 6 * l - 10;
  s.group = Rect(10, g, W - 10, buttonTop - 10);
  for (int k = 0; k < 4; ++k) {
    const int top = g + (k + 1) * l + 5;
    const int bottom = g + (k + 2) * l + 5;
    s.rowLabel[k] = Rect(20, top, W - 20, bottom);
    s.rowValue[k] = Rect(labelWidth + 30, top, W - 20, bottom);
  }
  s.flagList = Rect(10, y + l + 15, W - 10, g - 10);
  return s;
}

LwvAboutLayout LwvComputeAboutLayout(int l, int lineWidth) {
  LwvAboutLayout s;
  const int a = lineWidth < 250 ? 250 : lineWidth;
  s.a = a;
  s.picture.x = (a - 230) / 2;
  s.picture.y = 10;
  const int tops[7] = {3, 5, 8, 10, 13, 14, 15};
  for (int i = 0; i < 7; ++i) s.line[i] = Rect(10, 125 + tops[i] * l, a + 10, 125 + tops[i] * l + l);
  const int okTop = s.line[6].bottom + l + 10;
  const int okLeft = (a + 20 - 100) / 2;
  s.ok = Rect(okLeft, okTop, okLeft + 100, okTop + 2 * l);
  s.client.cx = a + 20;
  s.client.cy = s.ok.bottom + 10;
  return s;
}
