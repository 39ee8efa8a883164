#include "MakerRules.h"

#include "UiServices.h"
#include "WeaveMakerIds.h"

MakerCommandLine ParseMakerCommandLine(const CString& text) {
  MakerCommandLine result;
  CString line = text;
  line.Trim();
  if (line.IsEmpty()) return result;
  result.kind = MakerCommandLine::kInvalid;
  if (line.GetLength() < 3 || (line.Left(2) != _T("-p") && line.Left(2) != _T("-P"))) return result;
  CString name = line.Mid(2);
  name.Trim();
  static const WCHAR kForbidden[] = LW_WSTR("^\u00B0!\u00A7$%&/()=?`\u00B4@+*~#'<>|\u00B5;,:.-\"");
  if (name.IsEmpty()) return result;
  for (int i = 0; i < name.GetLength(); ++i) {
    const unsigned code = static_cast<unsigned>(sizeof(TCHAR) == 1 ? static_cast<unsigned char>(name[i]) : name[i]);
    for (const WCHAR* f = kForbidden; *f; ++f)
      if (code == static_cast<unsigned>(*f)) return result;
  }
  result.kind = MakerCommandLine::kProject;
  result.name = name;
  return result;
}

std::vector<MakerEnabled> MakerEnabling(const MakerStateFlags& f) {
  const bool p = f.project;
  const bool n = MakerCanSaveLanguageFile(f);
  const bool w = p && f.writeTestFile;
  const bool oneAddOn = f.addOnsSelected == 1;
  std::vector<MakerEnabled> out;
  auto set = [&out](std::initializer_list<UINT> ids, bool on) {
    for (UINT id : ids) out.push_back({id, on});
  };
  set({IDC_PROJECT_FRAME, IDC_PROJECT_LABEL, IDC_PROJECT_LIST, IDC_PROJECT_NEW, ID_PROJECT_NEW, IDC_PROJECT_OPEN,
       ID_PROJECT_OPEN},
      true);
  set({IDC_PROJECT_SAVE, ID_PROJECT_SAVE}, p && f.projectModified);
  set({IDC_PROJECT_SAVEAS, ID_PROJECT_SAVEAS, IDC_RC_FRAME, IDC_RC_LABEL, IDC_RC_LIST, IDC_RC_INSERT,
       ID_RESOURCE_INSERT, IDC_ADDON_INSERT, IDC_ADDON_LIST, IDC_TRA_FRAME, IDC_TRA_LABEL, IDC_TRA_LIST,
       IDC_TEST_CHECK, IDC_NAME_LABEL, IDC_VERSION_LABEL, IDC_PROGRAM_NAME, IDC_PROGRAM_VERSION, IDC_LANGUAGE_LABEL,
       IDC_LANGUAGE_NAME, ID_STANDARD_DIALOGS},
      p);
  set({IDC_RC_REMOVE, ID_RESOURCE_REMOVE}, p && f.scriptSelected);
  set({IDC_ADDON_DELETE}, p && f.addOnsSelected > 0);
  // The test file is written by the save command; the menu item has no action.
  set({IDC_ADDON_NOTHING, ID_TEST_WRITE}, false);
  set({IDC_ADDON_DESCRIPTION, IDC_ADDON_EXPORT}, p && oneAddOn);
  set({IDC_TRA_SAVE, ID_TRA_SAVE}, n && f.loaded && f.traModified);
  set({IDC_TRA_SAVEAS, ID_TRA_SAVEAS}, n);
  set({IDC_TEST_SETTINGS, ID_TEST_SETTINGS}, w);
  return out;
}

bool MakerIsMenuCommand(UINT id) { return id >= kFirstMenuCommand || id == ID_APP_ABOUT_WIZARD; }

bool MakerFlagHit(const CRect& frame, const CPoint& point) {
  return CRect(frame.left, frame.top, frame.left + kMakerFlagSide, frame.top + kMakerFlagSide).PtInRect(point) != FALSE;
}

CString MakerTitle(const CString& base, bool project, const CString& projectFileName, bool modified) {
  CString title = base;
  if (!project) return title;
  title += _T(" - ");
  title += projectFileName;
  if (modified) title += _T(" *");
  return title;
}

MakerCloseQuestion MakerCloseQuestionFor(bool projectModified, bool traModified, bool complete) {
  MakerCloseQuestion q;
  if (!projectModified && !traModified) return q;
  if (!complete) {
    q.buttons = MB_YESNO;
    q.stringId = projectModified && traModified ? IDS_CLOSE_BOTH_INCOMPLETE
                 : projectModified             ? IDS_CLOSE_PROJECT_INCOMPLETE
                                               : IDS_CLOSE_TRA_INCOMPLETE;
    return q;
  }
  q.buttons = MB_YESNOCANCEL;
  q.withProject = q.saveProject = projectModified;
  q.withTra = q.saveTra = traModified;
  q.stringId = projectModified && traModified ? IDS_CLOSE_BOTH : projectModified ? IDS_CLOSE_PROJECT : IDS_CLOSE_TRA;
  return q;
}

MakerCloseAnswer MakerCloseAnswerFor(const MakerCloseQuestion& q, int answer) {
  if (q.stringId == 0) return MakerCloseAnswer::kClose;
  if (q.buttons == MB_YESNO) return answer == IDYES ? MakerCloseAnswer::kClose : MakerCloseAnswer::kStay;
  if (answer == IDYES) return MakerCloseAnswer::kSaveThenClose;
  if (answer == IDNO) return MakerCloseAnswer::kClose;
  return MakerCloseAnswer::kStay;
}

namespace {

struct RuleOf {
  UINT id;
  MakerResizeRule rule;
};
const RuleOf kRules[] = {
    {IDC_TAB, MakerResizeRule::kGrow},
    {IDC_RESOURCE_TREE, MakerResizeRule::kGrow},
    {IDC_STD_LIST, MakerResizeRule::kGrow},
    {IDC_PROBLEMS, MakerResizeRule::kGrow},
    {IDC_PROJECT_NEW, MakerResizeRule::kMoveRight},
    {IDC_PROJECT_OPEN, MakerResizeRule::kMoveRight},
    {IDC_PROJECT_SAVE, MakerResizeRule::kMoveRight},
    {IDC_PROJECT_SAVEAS, MakerResizeRule::kMoveRight},
    {IDC_RC_INSERT, MakerResizeRule::kMoveRight},
    {IDC_RC_REMOVE, MakerResizeRule::kMoveRight},
    {IDC_TRA_SAVE, MakerResizeRule::kMoveRight},
    {IDC_TRA_SAVEAS, MakerResizeRule::kMoveRight},
    {IDC_TEST_SETTINGS, MakerResizeRule::kMoveRight},
    {IDC_ADDON_INSERT, MakerResizeRule::kMoveRight},
    {IDC_ADDON_NOTHING, MakerResizeRule::kMoveRight},
    {IDC_ADDON_DELETE, MakerResizeRule::kMoveRight},
    {IDC_ADDON_TITLE, MakerResizeRule::kMoveRight},
    {IDC_PROGRAM_VERSION, MakerResizeRule::kMoveRight},
    {IDC_VERSION_LABEL, MakerResizeRule::kMoveRight},
    {IDOK, MakerResizeRule::kMoveDown},
    {IDC_SAVE_AND_CLOSE, MakerResizeRule::kMoveDown},
    {IDC_HELP_BUTTON, MakerResizeRule::kMoveDown},
    {IDC_PROJECT_LIST, MakerResizeRule::kGrowWidth},
    {IDC_RC_LIST, MakerResizeRule::kGrowWidth},
    {IDC_TRA_LIST, MakerResizeRule::kGrowWidth},
    {IDC_ADDON_LIST, MakerResizeRule::kGrowWidth},
    {IDC_PROJECT_FRAME, MakerResizeRule::kGrowWidth},
    {IDC_RC_FRAME, MakerResizeRule::kGrowWidth},
    {IDC_TRA_FRAME, MakerResizeRule::kGrowWidth},
    {IDC_ADDON_PATH_FRAME, MakerResizeRule::kGrowWidth},
    {IDC_ADDON_INFO_FRAME, MakerResizeRule::kGrowWidth},
    {IDC_PROGRAM_NAME, MakerResizeRule::kGrowWidth},
    {IDC_LANGUAGE_NAME, MakerResizeRule::kGrowWidth},
    {IDC_ADDON_DESCRIPTION, MakerResizeRule::kGrowWidth},
    {IDC_ADDON_EXPORT, MakerResizeRule::kGrowWidth},
};

}  // namespace

MakerResizeRule MakerResizeRuleFor(UINT id) {
  for (const RuleOf& r : kRules)
    if (r.id == id) return r.rule;
  return MakerResizeRule::kKeep;
}

std::vector<UINT> MakerResizedControls() {
  std::vector<UINT> ids;
  for (const RuleOf& r : kRules) ids.push_back(r.id);
  return ids;
}

CRect MakerResized(const CRect& rect, MakerResizeRule rule, int dx, int dy) {
  CRect r = rect;
  switch (rule) {
    case MakerResizeRule::kGrow:
      r.right += dx;
      r.bottom += dy;
      break;
    case MakerResizeRule::kMoveRight: r.OffsetRect(dx, 0); break;
    case MakerResizeRule::kMoveDown: r.OffsetRect(0, dy); break;
    case MakerResizeRule::kGrowWidth: r.right += dx; break;
    case MakerResizeRule::kKeep: break;
  }
  return r;
}
