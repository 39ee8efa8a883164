// The recogniser of one common-dialog kind: finds a live dialog of the kind
// by its controls, translates it from the kind's entry under "Dialoge", and
// (resource wizard) captures a live instance for building that entry.
#pragma once

#include "StdDlgModels.h"

class CTraNode;
#ifdef _WIN32
class CDialog;
#endif

class CStdDlgRecognizer {
 public:
  explicit CStdDlgRecognizer(int kind);
  virtual ~CStdDlgRecognizer();
  CStdDlgRecognizer(const CStdDlgRecognizer&) = delete;
  CStdDlgRecognizer& operator=(const CStdDlgRecognizer&) = delete;

  int GetKind() const { return m_nKind; }
  const TCHAR* GetKindName() const { return m_model.name; }
  const LwStdDlgModel& GetModel() const { return m_model; }
  bool IsEmpty() const { return m_model.controlCount == 0; }

  // The kind's entry under root ("Dialoge" / kind name) when its child count
  // fits the model, else null.
  CTraNode* FindEntry(CTraNode* root) const;

  // Capture results (wizard), per entry i.
  int GetControlCount() const { return m_model.GetEntryCount(); }
  CString GetCaption() const { return m_strCaption; }
  CString GetControlText(int i) const;
  int GetControlKind(int i) const;
  int GetControlLeft(int i) const;
  int GetControlTop(int i) const;
  int GetControlWidth(int i) const;
  int GetControlHeight(int i) const;
  // Stores one captured entry (rectangle in pixels of the client area).
  void StoreCapture(int i, const CString& text, const RECT& pixels, double unitX, double unitY);
  void SetCaption(const CString& caption) { m_strCaption = caption; }
  bool HasCapture() const { return m_texts != nullptr; }
  void BeginCapture();

#ifdef _WIN32
  double MatchScore(HWND dialog) const;
  // Control of entry i in the live dialog (the other layout's control where
  // the model's is absent), or null.
  HWND FindControl(HWND dialog, int i) const;
  void Translate(HWND dialog);
  void Translate(HWND dialog, CTraNode* root);
  void TranslateKnown(HWND dialog);
  void TranslateKnown(HWND dialog, CTraNode* root);
  // Shows the kind's dialog once and reads it; false when it could not be
  // shown or measured (no printer, no owner, empty model).
  bool Capture();
  void CaptureFromDialog(CDialog* dialog);
  void CaptureFromWindow(HWND dialog);
#endif

 private:
  bool InRange(int i) const { return i >= 0 && i < m_model.GetEntryCount(); }

  int m_nKind;
  const LwStdDlgModel& m_model;
  CString m_strCaption;
  CString* m_texts;
  RECT* m_rects;
#ifdef _WIN32
  bool m_bCaptured = false;  // what Capture answers: the dialog was shown and read
#endif
};
