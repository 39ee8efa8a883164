// CDocument: the data behind one or more views. It knows its title, its
// path, a modified flag and its views; it tells the views about changes
// (UpdateAllViews with a hint), asks whether unsaved changes may be dropped
// (SaveModified, CanCloseFrame: both overridable), and closes with its
// frames (OnCloseDocument). The framework's own open and save serialize the
// document through a CArchive and report file and archive errors naming the
// file; saving writes a complete new file before it replaces the old one.
// No printing, no shell or OLE documents.
#pragma once

#include "CmdTarget.h"

#include <vector>

class CAppServices;
class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
  DECLARE_DYNAMIC(CDocument)

 public:
  CDocument() = default;
  CDocument(const CDocument&) = delete;
  CDocument& operator=(const CDocument&) = delete;
  ~CDocument() override;  // leaves its template

  const CString& GetTitle() const { return m_strTitle; }
  // Sets the title and shows it in the frames' captions.
  virtual void SetTitle(LPCTSTR title);
  const CString& GetPathName() const { return m_strPathName; }
  // Sets the path, the title to its file name and, when asked, adds it to
  // the application's recent-file list.
  virtual void SetPathName(LPCTSTR path, BOOL addToRecent = TRUE);
  CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
  // The program's services, as its template hands them; null without a template.
  CAppServices* GetAppServices() const;

  virtual BOOL IsModified() { return m_bModified; }
  virtual void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified; }

  // Views.
  void AddView(CView* view);
  void RemoveView(CView* view);
  int GetViewCount() const { return static_cast<int>(m_views.size()); }
  CView* GetView(int index) const;
  // Calls OnUpdate of every view but sender.
  void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);
  // The last view gone: a document that deletes itself closes.
  virtual void OnChangedViewList();
  void UpdateFrameCounts();  // the frames show the title again

  // Life cycle.
  virtual void DeleteContents() {}
  // Empties the document: DeleteContents, not modified.
  virtual BOOL OnNewDocument();
  // Empties the document and reads path through Serialize; FALSE (reported) on failure.
  virtual BOOL OnOpenDocument(LPCTSTR path);
  // Writes the document through Serialize; FALSE (reported) on failure.
  virtual BOOL OnSaveDocument(LPCTSTR path);
  // Destroys the frames showing the document, empties it and, when it
  // deletes itself, deletes it.
  virtual void OnCloseDocument();
  virtual void PreCloseFrame(CFrameWnd*) {}
  // TRUE when frame may close: other frames still show the document, or SaveModified agrees.
  virtual BOOL CanCloseFrame(CFrameWnd* frame);
  // Asks "save changes?" (Yes/No/Cancel) for a modified document; Yes saves.
  // FALSE keeps the document open.
  virtual BOOL SaveModified();
  // Saves under path, or under a name the user picks when path is null.
  virtual BOOL DoSave(LPCTSTR path, BOOL replace = TRUE);
  BOOL DoFileSave();
  // Tells the user that reading or writing path failed and why.
  virtual void ReportSaveLoadException(LPCTSTR path, const CString& cause, BOOL saving);

  BOOL m_bAutoDelete = TRUE;  // deleted when its last view goes

 protected:
  void OnFileSave();
  void OnFileSaveAs();

  CString m_strTitle;
  CString m_strPathName;
  CDocTemplate* m_pDocTemplate = nullptr;
  std::vector<CView*> m_views;
  BOOL m_bModified = FALSE;

  friend class CDocTemplate;
  DECLARE_MESSAGE_MAP()
};
