#include "DeskDialogs.h"

#include "AddOnFilesDlg.h"
#include "DeskDocument.h"
#include "FontsDlg.h"
#include "StatisticsDlg.h"

bool CDeskPreviewDocument::IsOriginal() const { return m_document.IsOriginal(); }
void CDeskPreviewDocument::SetModified() { m_document.SetModified(); }
void CDeskPreviewDocument::OfferNewTranslation() { m_document.OfferNewTranslation(); }

void DeskRunAddOnFilesDialog(CWnd* parent, CTraFile& file, CUiServices& ui) {
  CAddOnFilesDlg dialog(parent, ui);
  dialog.SetTraFile(&file);
  dialog.DoModal();
}

bool DeskRunFontsDialog(CWnd* parent) {
  CFontsDlg dialog(parent);
  return dialog.DoModal() == IDOK;
}

void DeskRunStatisticsDialog(CWnd* parent, const CTraNode* root) {
  CStatisticsDlg dialog(parent);
  dialog.SetRoot(root);
  dialog.DoModal();
}
