// What the editor program calls of its dialogs: the dialog editor
// (CDialogPreview, held by the edit view, with the document adapter below),
// the add-on files, fonts and statistics dialogs, and the special-character
// window (CSpecialCharsDlg, held by the edit view as a CSpecialCharsOwner).
// Resources: DeskDialogs.rc (the program's script includes it) with the
// ids of DeskDialogIds.h. Windows only.
#pragma once

#include "DialogPreview.h"
#include "FrameworkWin.h"
#include "SpecialCharsDlg.h"

class CDeskDocument;
class CTraFile;
class CTraNode;
class CUiServices;

// The editor's document as the dialog editor needs it.
class CDeskPreviewDocument : public CPreviewDocument {
 public:
  explicit CDeskPreviewDocument(CDeskDocument& document) : m_document(document) {}
  bool IsOriginal() const override;
  void SetModified() override;
  void OfferNewTranslation() override;

 private:
  CDeskDocument& m_document;
};

// The add-on files of file (modal); changes go into file's records at once.
void DeskRunAddOnFilesDialog(CWnd* parent, CTraFile& file, CUiServices& ui);
// The fonts dialog (modal); true on OK, when g_TextFont and g_OverlayFont
// may have changed and the views are to be rebuilt.
bool DeskRunFontsDialog(CWnd* parent);
// The statistics of the tree below root (modal).
void DeskRunStatisticsDialog(CWnd* parent, const CTraNode* root);
