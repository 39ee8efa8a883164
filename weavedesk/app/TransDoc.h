// The editor's document on the framework: CTransDoc wraps the window-free
// CDeskDocument, binds the file-level commands to it, answers its host
// questions with the views (hints, header, title) and routes the
// framework's open, save-question and close steps through it; it opens the
// fonts and add-on dialogs and passes the dialog editor's steps to the
// views as update hints (DeskViewHints.h). Includes no view, frame or
// application header.
#pragma once

#include "DeskDocument.h"
#include "FlagPickerAnswer.h"
#include "FrameworkWin.h"

#include <memory>

class CTransDoc : public CDocument, public CDeskDocumentHost {
  DECLARE_DYNCREATE(CTransDoc)

 public:
  CTransDoc();
  ~CTransDoc() override;

  CDeskDocument& Desk() { return *m_pDesk; }
  // The file the first new document opens without asking (the command
  // line's); the document takes it once.
  static void SetStartFile(const CString& path) { s_strStartFile = path; }
  // A file named by the shell, a drop or the recent-file list, opened as
  // the Open command opens one; false when it was not opened.
  bool OpenNamedFile(const CString& path);

  BOOL OnNewDocument() override;
  BOOL OnOpenDocument(LPCTSTR path) override;
  BOOL SaveModified() override;
  void SetPathName(LPCTSTR path, BOOL addToRecent = TRUE) override;

  // CDeskDocumentHost
  void UpdateAllViews(int hint) override;
  void CommitDialogRects() override;
  void DetachDialogEditor() override;
  void RefreshHeader() override;
  bool RunFontsDialog() override;
  void RunAddOnsDialog(CTraFile& file) override;
  void SetTitle(const CString& title) override;
  using CDocument::UpdateAllViews;

 protected:
  void OnOpen();
  void OnNewTranslation();
  void OnVersionUpdate();
  void OnSave();
  void OnSaveAs();
  void OnShowOverlay();
  void OnHideOverlay();
  void OnFonts();
  void OnAddOns();
  void OnChooseFlag();
  void OnUpdateSave(CCmdUI* ui);
  void OnUpdateHideOverlay(CCmdUI* ui);

  CFlagPickerUiServices m_ui;
  std::unique_ptr<CDeskDocument> m_pDesk;
  static CString s_strStartFile;

  DECLARE_MESSAGE_MAP()
};
