#include "MakerControls.h"

#include "TraNode.h"
#include "WeaveMakerIds.h"
#include "WizardProject.h"
#include "WizardTexts.h"

// --- tree

BOOL CResourceTreeCtrl::Create(UINT id, CWnd* parent, const RECT& rect) {
  if (!CTreeCtrl::Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                             TVS_LINESATROOT,
                         rect, parent, id))
    return FALSE;
  if (m_images.Create(IDB_TREE, 16, 1, RGB(255, 255, 255))) SetImageList(&m_images, TVSIL_NORMAL);
  return TRUE;
}

int CResourceTreeCtrl::ImageForKind(int kind) {
  switch (kind) {
    case 1: case 8: case 30: return 0;
    case 3: case 9: return 1;
    case 2: case 11: return 2;
    case 5: return 3;
    case 6: case 10: return 4;
    case 4: return 5;
    case 23: return 6;
    case 22: return 7;
    case 21: case 24: case 25: return 8;
  }
  return -1;
}

void CResourceTreeCtrl::Fill(const CTraNode* root) {
  SetRedraw(FALSE);
  DeleteAllItems();
  if (root) AddChildren(TVI_ROOT, root);
  SetRedraw(TRUE);
  Invalidate();
}

void CResourceTreeCtrl::AddChildren(HTREEITEM parent, const CTraNode* node) {
  for (int i = 0; i < node->GetChildCount(); ++i) {
    const CTraNode* child = node->GetChild(i);
    if (!child) continue;
    const int image = ImageForKind(child->GetKind());
    if (image < 0) continue;  // with its subtree
    HTREEITEM item = InsertItem(child->GetTranslation(), image, image, parent, TVI_LAST);
    if (item && child->GetChildCount() > 0) AddChildren(item, child);
  }
}

// --- file lists

CFileListCtrl::~CFileListCtrl() {
  if (m_hWnd) UnsubclassWindow();
}

BOOL CFileListCtrl::AttachTo(CWnd* parent, UINT id) {
  if (!SubclassDlgItem(id, parent)) return FALSE;
  if (m_images.Create(IDB_FILES, 16, 1, RGB(255, 255, 255))) SetImageList(&m_images, LVSIL_SMALL);
  return TRUE;
}

void CTraFileListCtrl::Fill(const CString& text, bool flag) {
  DeleteAllItems();
  InsertItem(0, text, flag ? 2 : 0);
}

void CRcFileListCtrl::Fill(const CWizardProject& project) {
  DeleteAllItems();
  for (int i = 0; i < project.GetRcFileCount(); ++i) InsertItem(i, project.GetRcFile(i), 1);
}

std::vector<CString> CRcFileListCtrl::SelectedScripts() const {
  std::vector<CString> scripts;
  for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED))
    scripts.push_back(GetItemText(i, 0));
  return scripts;
}

// --- standard dialogs

BEGIN_MESSAGE_MAP(CStdDialogListCtrl, CListCtrl)
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

BOOL CStdDialogListCtrl::Create(CWnd* parent, const RECT& rect, std::function<void()> onClick) {
  m_onClick = std::move(onClick);
  if (!CListCtrl::Create(0x50000806, rect, parent, IDC_STD_LIST)) return FALSE;
  if (m_images.Create(IDB_STDDIALOGS, 32, 1, RGB(255, 255, 255))) SetImageList(&m_images, LVSIL_SMALL);
  return TRUE;
}

void CStdDialogListCtrl::Fill(const BYTE* options) {
  struct Item {
    UINT text;
    int option;
  };
  static const Item kItems[] = {{IDS_STD_BUTTONS, 20}, {IDS_STD_FILE, 0},       {IDS_STD_FIND, 2},
                                {IDS_STD_REPLACE, 3},  {IDS_STD_PRINT, 4},      {IDS_STD_PRINTSETUP, 5},
                                {IDS_STD_PAGESETUP, 6}, {IDS_STD_FONT, 7},      {IDS_STD_COLOR, 8}};
  DeleteAllItems();
  int row = 0;
  for (const Item& item : kItems) {
    const CString text = WizardTexts().Text(item.text);
    InsertItem(row++, text, options && options[item.option] ? 1 : 0);
  }
}

void CStdDialogListCtrl::OnLButtonDown(UINT, CPoint) {
  Default();
  if (m_onClick) m_onClick();
}

// --- picture buttons

BEGIN_MESSAGE_MAP(CHoverButton, CBitmapButton)
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFFFFFFu, OnToolTipText)
  ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFFFFFFu, OnToolTipText)
END_MESSAGE_MAP()

BOOL CHoverButton::AttachTo(CWnd* parent, UINT id) { return SubclassDlgItem(id, parent); }

void CHoverButton::SetBitmaps(UINT tooltipId, UINT normal, UINT pressed, UINT hover, UINT disabled) {
  m_nTooltip = tooltipId;
  m_nNormal = normal;
  m_nPressed = pressed;
  m_nHover = hover;
  m_nDisabled = disabled;
  LoadSet(false);
  EnableToolTips(TRUE);
}

void CHoverButton::LoadSet(bool hover) {
  LoadBitmaps(hover && m_nHover ? m_nHover : m_nNormal, m_nPressed, 0, m_nDisabled);
}

void CHoverButton::OnMouseMove(UINT, CPoint point) {
  Default();
  const bool captured = ::GetCapture() == m_hWnd;
  if (captured) {
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) return;
    if ((::GetKeyState(VK_LBUTTON) & 0x8000) != 0) return;  // a press in progress keeps its capture
    m_bHover = false;
    ::ReleaseCapture();
    LoadSet(false);
  } else {
    m_bHover = true;
    ::SetCapture(m_hWnd);
    LoadSet(true);
  }
  Invalidate(TRUE);
}

void CHoverButton::OnLButtonDown(UINT, CPoint) {
  LoadSet(false);
  Invalidate(TRUE);
  Default();
}

BOOL CHoverButton::OnToolTipText(UINT, NMHDR* header, LRESULT* result) {
  CString text;
  if (m_nTooltip) text = WizardTexts().Text(m_nTooltip);
  lw::SetToolTipText(header, text);
  *result = 0;
  return TRUE;
}
