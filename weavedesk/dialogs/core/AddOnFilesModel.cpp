#include "AddOnFilesModel.h"

#include "AddOnExport.h"
#include "AddOnFile.h"
#include "DeskStrings.h"
#include "LwvPaths.h"
#include "TraFile.h"
#include "UiServices.h"

namespace {

bool SameFileName(const CString& a, const CString& b) { return a.CompareNoCase(b) == 0; }

bool FileExists(const CString& path) {
  CFile file;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone)) return false;
  file.Abort();
  return true;
}

}  // namespace

int AddOnImageOf(const CAddOnFile& file, bool original) {
  if (!original) return file.GetImportCounter() > 0 ? kAddOnImageImported : kAddOnImageNotImported;
  if (!file.IsExportPathValid()) return kAddOnImageNotImported;
  return AddOnImageFor(file.GetFileName());
}

std::vector<AddOnRow> AddOnRows(const CTraFile& file) {
  std::vector<AddOnRow> rows;
  const CAddOnFileList* list = file.GetAddOnFiles();
  if (!list) return rows;
  for (int i = 0; i < list->GetCount(); ++i) {
    const CAddOnFile& addOn = *list->GetAt(i);
    rows.push_back({AddOnImageOf(addOn, file.IsOriginal()), addOn.GetFileName(), addOn.GetDate(),
                    DeskTextWith(IDS_DESK_ADDON_SIZE, addOn.GetLength()), addOn.GetDescription()});
  }
  return rows;
}

CAddOnFilesModel::CAddOnFilesModel(CTraFile& file, CUiServices& ui, CAddOnDescriptionAsker& asker)
    : m_file(file), m_ui(ui), m_asker(asker), m_nLastSelection(-1), m_nCurrentSelection(-1) {}

CString CAddOnFilesModel::GetCaption() const {
  return DeskText(m_file.IsOriginal() ? IDS_DESK_ADDON_CAPTION_ORIGINAL : IDS_DESK_ADDON_CAPTION_TRANSLATION);
}

CAddOnFile* CAddOnFilesModel::Selected(int index) const {
  const CAddOnFileList* list = m_file.GetAddOnFiles();
  return list ? list->GetAt(index) : nullptr;
}

void CAddOnFilesModel::OnSelectionChanged(const std::vector<int>& selected) {
  if (selected.size() == 1 && Selected(selected[0])) {
    m_nLastSelection = m_nCurrentSelection = selected[0];
    m_strDescription = Selected(selected[0])->GetDescription();
  } else {
    m_nCurrentSelection = -1;
  }
}

AddOnControls CAddOnFilesModel::GetControls() const {
  const bool single = m_nCurrentSelection >= 0;
  const bool editable = single && !m_file.IsOriginal();
  return {single, editable, editable};
}

bool CAddOnFilesModel::OnDescriptionEdited(const CString& text) {
  CAddOnFile* addOn = Selected(m_nCurrentSelection);
  if (!addOn || m_file.IsOriginal()) return false;
  m_strDescription = text;
  addOn->SetDescription(text);
  return true;
}

void CAddOnFilesModel::Message(UINT id, const CString& name) { m_ui.ShowMessage(DeskTextWith(id, name), MB_OK); }

bool CAddOnFilesModel::OnExport() {
  CAddOnFile* addOn = Selected(m_nLastSelection);
  if (!addOn) return false;
  const CString name = addOn->GetFileName();
  // A name from someone else's language file that reaches out of the chosen
  // folder (..\x.bat, C:x, a device) is never written.
  if (!IsPlainAddOnFileName(name)) {
    Message(IDS_DESK_ADDON_EXPORT_FAILED, name);
    return false;
  }
  LwFileChoice choice;
  choice.bOpen = false;
  choice.strDefExt = AddOnExtensionOf(name);
  choice.strInitialPath = name;
  choice.strFilter = DeskText(IDS_DESK_ADDON_FILTER);
  choice.strTitle = DeskTextWith(IDS_DESK_ADDON_EXPORT_TITLE, name);
  if (!m_ui.ChooseFile(choice) || choice.paths.IsEmpty()) return false;
  // The file keeps its own name: the chooser's question was about the
  // typed name, so ask about the file that is really replaced.
  const CString folder = GetDirectoryPart(choice.paths[0]);
  if (!SameFileName(lw::NameOf(choice.paths[0]), name) && FileExists(folder + name) &&
      m_ui.ShowMessage(DeskTextWith(IDS_DESK_ADDON_EXPORT_REPLACE, folder + name), MB_YESNO | MB_ICONQUESTION) !=
          IDYES)
    return false;
  try {
    if (!addOn->ExportTo(folder)) {
      Message(IDS_DESK_ADDON_EXPORT_FAILED, folder + name);
      return false;
    }
  } catch (const CFileException&) {
    Message(IDS_DESK_ADDON_EXPORT_FAILED, folder + name);
    return false;
  }
  return true;
}

bool CAddOnFilesModel::OnReimport() {
  // The button is off for an original and without a single selection; the
  // Escape key arrives here too and must find the same rules.
  if (!GetControls().reimportEnabled) return false;
  CAddOnFile* selected = Selected(m_nCurrentSelection);
  LwFileChoice choice;
  choice.bOpen = true;
  choice.strDefExt = AddOnExtensionOf(selected->GetFileName());
  choice.strInitialPath = selected->GetStoredPath() + selected->GetFileName();
  choice.strFilter = DeskText(IDS_DESK_ADDON_FILTER);
  if (!m_ui.ChooseFile(choice) || choice.paths.IsEmpty()) return false;
  const CString path = choice.paths[0];
  const CString chosenName = lw::NameOf(path);
  CAddOnFile* target = nullptr;
  const CAddOnFileList& list = *m_file.GetAddOnFiles();
  for (int i = 0; i < list.GetCount() && !target; ++i)
    if (SameFileName(list.GetAt(i)->GetFileName(), chosenName)) target = list.GetAt(i);
  if (!target) {
    Message(IDS_DESK_ADDON_NOT_REGISTERED, chosenName);
    return false;
  }
  // Reads the chosen folder plus the add-on's own name: the chosen file.
  if (target->Reimport(GetDirectoryPart(path))) {
    CString description = target->GetDescription();
    if (m_asker.AskDescription(description)) {
      target->SetDescription(description);
      if (target == selected) m_strDescription = description;
    }
    Message(IDS_DESK_ADDON_REIMPORTED, target->GetFileName());
  } else {
    Message(IDS_DESK_ADDON_REIMPORT_FAILED, target->GetFileName());
  }
  m_file.CheckAddOnFilesImported();
  return true;
}
