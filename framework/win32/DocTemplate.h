// Document templates: the document, frame and view classes that make up one
// kind of document, with the strings that describe it (string resource of
// the template's id, "\n"-separated: window title, document name, new-file
// name, filter name, filter extension, registry type id, registry type
// name). CSingleDocTemplate holds at most one document with one frame and
// reuses them for every new or opened file. No multiple-document templates.
#pragma once

#include "View.h"

class CAppServices;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
 public:
  enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

  CDocTemplate(UINT resourceId, const CRuntimeClass* docClass, const CRuntimeClass* frameClass,
               const CRuntimeClass* viewClass);
  CDocTemplate(const CDocTemplate&) = delete;
  CDocTemplate& operator=(const CDocTemplate&) = delete;

  UINT GetResourceId() const { return m_nIDResource; }
  // The program's services: the application hands them to each template it
  // adds; the template hands them on to its documents and frames.
  // The services it was handed, else the running program's.
  CAppServices* GetAppServices() const;
  void SetAppServices(CAppServices* app) { m_pAppServices = app; }
  // One part of the template's string; FALSE when it is empty.
  virtual BOOL GetDocString(CString& text, DocStringIndex index) const;

  // A new document (path null) or the document read from path; null when
  // that failed or the user kept the current document.
  virtual CDocument* OpenDocumentFile(LPCTSTR path, BOOL makeVisible = TRUE) = 0;
  virtual int GetDocumentCount() const = 0;
  virtual CDocument* GetDocument(int index) const = 0;

  virtual CDocument* CreateNewDocument();
  // A frame (with its views) for doc, made from the template's resource id.
  virtual CFrameWnd* CreateNewFrame(CDocument* doc);
  virtual void InitialUpdateFrame(CFrameWnd* frame, CDocument* doc, BOOL makeVisible = TRUE);
  virtual void SetDefaultTitle(CDocument* doc);
  virtual void AddDocument(CDocument* doc);
  virtual void RemoveDocument(CDocument* doc);
  // Asks every document; FALSE as soon as one refuses.
  virtual BOOL SaveAllModified();
  virtual void CloseAllDocuments();

 protected:
  UINT m_nIDResource;
  const CRuntimeClass* m_pDocClass;
  const CRuntimeClass* m_pFrameClass;
  const CRuntimeClass* m_pViewClass;
  CString m_strDocStrings;
  CAppServices* m_pAppServices = nullptr;
};

class CSingleDocTemplate : public CDocTemplate {
 public:
  using CDocTemplate::CDocTemplate;
  ~CSingleDocTemplate() override;

  CDocument* OpenDocumentFile(LPCTSTR path, BOOL makeVisible = TRUE) override;
  int GetDocumentCount() const override { return m_pOnlyDoc ? 1 : 0; }
  CDocument* GetDocument(int index) const override { return index == 0 ? m_pOnlyDoc : nullptr; }
  void AddDocument(CDocument* doc) override;
  void RemoveDocument(CDocument* doc) override;

 protected:
  CDocument* OpenOrCreate(LPCTSTR path, BOOL makeVisible);
  void DiscardFrame(CFrameWnd* frame, CDocument* doc);

  CDocument* m_pOnlyDoc = nullptr;
};
