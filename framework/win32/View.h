// CView: a child window that shows a document. It belongs to one document,
// routes the commands it does not handle to that document, paints through
// OnPrepareDC and OnDraw, and becomes its frame's active view when clicked.
// Views are made with new (by a template, a frame or a splitter) and delete
// themselves when their window is destroyed. The print commands print what
// OnDraw paints (Printing.h); no print preview.
#pragma once

#include "Document.h"
#include "Printing.h"
#include "Wnd.h"

class CDocTemplate;

// What a frame and its views are made from.
struct CCreateContext {
  const CRuntimeClass* m_pNewViewClass = nullptr;
  CDocument* m_pCurrentDoc = nullptr;
  CDocTemplate* m_pNewDocTemplate = nullptr;
  CFrameWnd* m_pCurrentFrame = nullptr;
};

class CView : public CWnd {
  DECLARE_DYNAMIC(CView)

 public:
  CDocument* GetDocument() const { return m_pDocument; }
  // The frame around the view (through a splitter), or null.
  CFrameWnd* GetParentFrame() const;

  // Creates the window as a child of parent and joins context's document.
  virtual BOOL CreateView(CWnd* parent, UINT id, const RECT& rect, CCreateContext* context);

  // Called once when the frame is ready; the default calls OnUpdate(null, 0, null).
  virtual void OnInitialUpdate();
  // The document changed; the default repaints the view.
  virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);
  virtual void OnDraw(CDC* dc) = 0;
  virtual void OnPrepareDC(CDC*) {}
  virtual void OnActivateView(BOOL activate, CView* activated, CView* deactivated);

  // A print job: OnPreparePrinting (FALSE ends it before anything is
  // printed), OnBeginPrinting, for each page OnPrepareDC and OnPrint, then
  // OnEndPrinting. The default preparation asks for the printer.
  virtual BOOL OnPreparePrinting(CPrintInfo* info);
  virtual void OnBeginPrinting(CDC*, CPrintInfo*) {}
  virtual void OnPrint(CDC* dc, CPrintInfo*) { OnDraw(dc); }
  virtual void OnEndPrinting(CDC*, CPrintInfo*) {}
  // Asks for the printer (the default one for a direct print) and puts its
  // job into info; FALSE when the user cancelled or there is no printer.
  BOOL DoPreparePrinting(CPrintInfo* info);

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  // The view's own handlers, then the document's.
  BOOL OnCmdMsg(UINT id, UINT code, void* extra) override;
  BOOL HasCommandHandler(UINT id) const override;

  BOOL m_bAutoDelete = TRUE;  // deleted when the window goes
  ~CView() override;          // leaves the document

 protected:
  void PostNcDestroy() override;

  void OnPaint();
  void OnDestroy();
  void OnFilePrint();
  void OnFilePrintDirect();
  // Runs the job; reports a printer that refuses it.
  void PrintJob(BOOL direct);
  LRESULT OnMouseActivate(WPARAM wParam, LPARAM lParam);

  CDocument* m_pDocument = nullptr;

  friend class CDocument;
  DECLARE_MESSAGE_MAP()
};

namespace lw {
// Makes a view of context's view class as child id of parent; null when the
// class is no view or the window cannot be made (the object is then gone).
CView* CreateViewFromContext(CWnd* parent, UINT id, const RECT& rect, CCreateContext* context);
}  // namespace lw
