// The main dialog's small controls: the language file's tree, the one-line
// lists of project and language file, the script list, the standard-dialog
// list and the picture buttons with hover image and tooltip. Each fills
// itself from what it is handed; none keeps the project.
#pragma once

#include "BitmapButton.h"
#include "FrameworkWin.h"
#include "ListCtrl.h"

#include <functional>
#include <vector>

class CTraNode;
class CWizardProject;

class CResourceTreeCtrl : public CTreeCtrl {
 public:
  BOOL Create(UINT id, CWnd* parent, const RECT& rect);
  // All items again: the root's children (nothing for a null root).
  void Fill(const CTraNode* root);
  // The image of a node kind, -1 for kinds the tree leaves out.
  static int ImageForKind(int kind);

 private:
  void AddChildren(HTREEITEM parent, const CTraNode* node);
  CImageList m_images;
};

// A list view on a template control with the file images (bitmap 133).
class CFileListCtrl : public CListCtrl {
 public:
  ~CFileListCtrl() override;
  BOOL AttachTo(CWnd* parent, UINT id);

 private:
  CImageList m_images;
};

class CTraFileListCtrl : public CFileListCtrl {
 public:
  // One item: the text with image 2 (flag set) or 0.
  void Fill(const CString& text, bool flag);
};

class CRcFileListCtrl : public CFileListCtrl {
 public:
  void Fill(const CWizardProject& project);
  // The texts of the selected items, in index order.
  std::vector<CString> SelectedScripts() const;
};

// The nine standard dialogs with their on/off image; a click runs onClick
// (the owner lets the user choose them).
class CStdDialogListCtrl : public CListCtrl {
 public:
  BOOL Create(CWnd* parent, const RECT& rect, std::function<void()> onClick);
  void Fill(const BYTE* options);

 protected:
  void OnLButtonDown(UINT flags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  std::function<void()> m_onClick;
  CImageList m_images;
};

class CHoverButton : public CBitmapButton {
 public:
  // Attaches to the template button id of parent.
  BOOL AttachTo(CWnd* parent, UINT id);
  // Tooltip string (0: an empty tip), then the bitmaps (0: none).
  void SetBitmaps(UINT tooltipId, UINT normal, UINT pressed, UINT hover, UINT disabled);
  bool IsHovering() const { return m_bHover; }

 protected:
  void OnMouseMove(UINT flags, CPoint point);
  void OnLButtonDown(UINT flags, CPoint point);
  BOOL OnToolTipText(UINT, NMHDR* header, LRESULT* result);
  DECLARE_MESSAGE_MAP()

 private:
  void LoadSet(bool hover);

  bool m_bHover = false;
  UINT m_nNormal = 0, m_nHover = 0, m_nPressed = 0, m_nDisabled = 0, m_nTooltip = 0;
};
