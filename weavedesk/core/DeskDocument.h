// The editor's document without its window: owns the language file being
// edited and the optional overlay file, the path and the modified mark,
// and carries out every file-level command (open, new translation,
// version update, save, save as, overlay, fonts, add-ons, flag, title).
// Questions and messages go through the UI seam; views, dialog editor
// and dialogs of other parts through CDeskDocumentHost.
//
// Replacing a file always runs: commit the views' pending edits, detach
// the dialog editor, install the new objects, rebuild the views, and only
// then free the old objects and show messages, so no view ever draws or
// writes into a freed tree.
#pragma once

#include "Framework.h"
#include "UiServices.h"

#include <memory>

class CTraFile;
class CTraNode;
class CUiServices;

// Update hints for the views.
enum DeskHint {
  DESK_HINT_REBUILD = 1,       // rebuild the blocks, refill the header view
  DESK_HINT_STORE = 2,         // write every pending edit into the tree now
  DESK_HINT_FLAG = 3,          // a flag was picked
  DESK_HINT_REPAINT = 4,       // repaint, erasing the background
  DESK_HINT_REPAINT_KEEP = 5   // repaint without erasing
};

class CDeskDocumentHost {
 public:
  virtual ~CDeskDocumentHost() = default;
  virtual void UpdateAllViews(int hint) = 0;
  // The dialog editor writes its rectangles into the tree.
  virtual void CommitDialogRects() = 0;
  // The dialog editor lets go of its node.
  virtual void DetachDialogEditor() = 0;
  virtual void RefreshHeader() = 0;
  // The fonts dialog; true on OK.
  virtual bool RunFontsDialog() = 0;
  virtual void RunAddOnsDialog(CTraFile& file) = 0;
  virtual void SetTitle(const CString& title) = 0;
};

class CDeskDocument {
 public:
  CDeskDocument(CUiServices& ui, CDeskDocumentHost& host);
  ~CDeskDocument();
  CDeskDocument(const CDeskDocument&) = delete;
  CDeskDocument& operator=(const CDeskDocument&) = delete;

  // A file to open without asking, once (the command line's file).
  void SetPendingFile(const CString& path) { m_strPendingFile = path; }
  // Asks for (or takes the pending) file and opens it.
  bool OpenLanguageFile();
  // Opens a given file (dropped, recent, shell) the same way.
  bool OpenFile(const CString& path);
  void OnNewTranslation();
  void OnVersionUpdate();
  void OnShowOverlay();
  void OnHideOverlay();
  void OnChooseFlag();
  void OnFonts();
  void OnAddOns();
  bool Save();
  bool SaveAs();
  // Before closing: false keeps the document (Cancel, or a save that did not happen).
  bool SaveModifiedPrompt();
  void OfferNewTranslation();
  void SetModified();

  CTraFile* GetFile() const { return m_pFile.get(); }
  CTraFile* GetOverlayFile() const { return m_pOverlay.get(); }
  CTraNode* GetRootNode() const;
  CTraNode* GetOverlayRootNode() const;
  CString GetLanguageName() const;
  void SetLanguageName(const CString& name);
  CString GetOverlayLanguageName() const;
  CString GetProgramName() const;
  CString GetVersion() const;
  CString GetComment() const;
  void SetComment(const CString& text);
  CString GetAuthor() const;
  void SetAuthor(const CString& text);
  CString GetDate() const;
  bool IsOriginal() const;
  bool IsModified() const { return m_bModified; }
  bool CanSave() const { return m_bModified; }
  bool HasOverlay() const { return m_pOverlay != nullptr; }
  const CString& GetPath() const { return m_strPath; }
  const CString& GetTitle() const { return m_strTitle; }
  // Sets the title again, also after a switch of the program's language.
  void UpdateTitle();
  UINT GetLossyTexts() const { return m_nLossyTexts; }

 private:
  // Asks for a language file; empty when cancelled.
  CString ChooseFile(UINT titleId, bool open);
  // Loads path into a new object, or shows why not and returns null.
  std::unique_ptr<CTraFile> Load(const CString& path, UINT& lossyTexts);
  bool Install(const CString& path);
  void CommitViews();
  bool SaveTo(const CString& target);
  void Message(const CString& text, UINT type = MB_OK | MB_ICONEXCLAMATION);

  CUiServices& m_ui;
  CDeskDocumentHost& m_host;
  std::unique_ptr<CTraFile> m_pFile;
  std::unique_ptr<CTraFile> m_pOverlay;
  CString m_strPath;
  bool m_bModified;
  int m_nNewLanguage;
  CString m_strPendingFile;
  CString m_strTitle;
  UINT m_nLossyTexts;
};
