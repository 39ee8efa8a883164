// The add-on dialog without its window: the rows of the list (image and
// four columns), which buttons are enabled for the selection, editing a
// description, exporting the selected add-on file into a chosen folder and
// re-importing a chosen file into the add-on file whose name it has. Every
// handler checks its own preconditions, whichever control or key called it.
// File choosers and messages go through CUiServices; the description
// question through CAddOnDescriptionAsker. Shows no window itself.
#pragma once

#include "AddOnRows.h"
#include "Framework.h"

#include <vector>

class CAddOnFile;
class CTraFile;
class CUiServices;

struct AddOnRow {
  int image;
  CString name;
  CString date;
  CString size;
  CString description;
};

// The image of an add-on file in the list of an original or a translation.
int AddOnImageOf(const CAddOnFile& file, bool original);
// One row for every add-on file of the language file, in list order.
std::vector<AddOnRow> AddOnRows(const CTraFile& file);

// Asks for the description of a re-imported file (the file-info dialog).
class CAddOnDescriptionAsker {
 public:
  virtual ~CAddOnDescriptionAsker() = default;
  // True on OK, with text changed to the answer.
  virtual bool AskDescription(CString& text) = 0;
};

struct AddOnControls {
  bool exportEnabled;
  bool reimportEnabled;
  bool descriptionEnabled;
};

class CAddOnFilesModel {
 public:
  CAddOnFilesModel(CTraFile& file, CUiServices& ui, CAddOnDescriptionAsker& asker);

  CString GetCaption() const;
  std::vector<AddOnRow> GetRows() const { return AddOnRows(m_file); }
  // The list's selected rows after a click.
  void OnSelectionChanged(const std::vector<int>& selected);
  AddOnControls GetControls() const;
  const CString& GetDescription() const { return m_strDescription; }
  int GetLastSelection() const { return m_nLastSelection; }
  int GetCurrentSelection() const { return m_nCurrentSelection; }

  // Each returns true when the rows changed and the list is to be filled again.
  bool OnDescriptionEdited(const CString& text);
  bool OnExport();
  bool OnReimport();

 private:
  CAddOnFile* Selected(int index) const;
  void Message(UINT id, const CString& name);

  CTraFile& m_file;
  CUiServices& m_ui;
  CAddOnDescriptionAsker& m_asker;
  CString m_strDescription;
  int m_nLastSelection;
  int m_nCurrentSelection;
};
