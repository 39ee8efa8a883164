#include "MakerPages.h"

#include "WeaveMakerIds.h"

#include <iterator>

namespace {

const UINT kGeneralControls[] = {
    IDC_PROJECT_LABEL, IDC_PROJECT_FRAME, IDC_PROJECT_LIST,  IDC_PROJECT_NEW,     IDC_PROJECT_OPEN,
    IDC_PROJECT_SAVE,  IDC_PROJECT_SAVEAS, IDC_RC_LABEL,     IDC_RC_FRAME,        IDC_RC_LIST,
    IDC_RC_INSERT,     IDC_RC_REMOVE,     IDC_TRA_FRAME,     IDC_TRA_LABEL,       IDC_TRA_LIST,
    IDC_TEST_SETTINGS, IDC_TRA_SAVEAS,    IDC_TRA_SAVE,      IDC_TEST_CHECK,      IDC_NAME_LABEL,
    IDC_VERSION_LABEL, IDC_PROGRAM_NAME,  IDC_PROGRAM_VERSION, IDC_LANGUAGE_LABEL, IDC_LANGUAGE_NAME,
    IDC_FLAG_FRAME};
const UINT kAddOnControls[] = {IDC_ADDON_TITLE,       IDC_ADDON_NOTHING,    IDC_ADDON_INSERT,
                               IDC_ADDON_DELETE,      IDC_ADDON_LIST,       IDC_PROJECT_FOLDER,
                               IDC_ADDON_DESCRIPTION, IDC_ADDON_EXPORT,     IDC_ADDON_INFO_FRAME,
                               IDC_ADDON_PATH_FRAME};

}  // namespace

const TCHAR kMakerAddOnTip[] = _T("Speichern sie Zusatzdateien mit der Sprache");

const MakerPageRow kMakerPages[] = {
    {MakerPage::kGeneral, IDS_TAB_GENERAL, IDS_TIP_TAB_GENERAL, kGeneralControls, std::size(kGeneralControls), 0,
     true},
    {MakerPage::kTexts, IDS_TAB_TEXTS, IDS_TIP_TAB_TEXTS, nullptr, 0, IDC_RESOURCE_TREE, false},
    {MakerPage::kStdDialogs, IDS_TAB_STDDIALOGS, IDS_TIP_TAB_STDDIALOGS, nullptr, 0, IDC_STD_LIST, false},
    {MakerPage::kAddOns, IDS_TAB_ADDONS, 0, kAddOnControls, std::size(kAddOnControls), 0, false},
    {MakerPage::kProblems, IDS_TAB_PROBLEMS, IDS_TIP_TAB_PROBLEMS, nullptr, 0, IDC_PROBLEMS, false},
};
static_assert(std::size(kMakerPages) == kMakerPageCount, "one row per page");

const MakerPageRow* MakerPageAt(size_t index) { return index < std::size(kMakerPages) ? &kMakerPages[index] : nullptr; }

const MakerPictureButton kMakerButtons[] = {
    {IDC_PROJECT_NEW, IDS_TIP_NEW, IDB_NEW, IDB_NEW_DOWN, IDB_NEW_HOVER, 0},
    {IDC_PROJECT_OPEN, IDS_TIP_OPEN, IDB_OPEN, IDB_OPEN_DOWN, IDB_OPEN_HOVER, 0},
    {IDC_PROJECT_SAVE, IDS_TIP_SAVE, IDB_SAVE, IDB_SAVE_DOWN, IDB_SAVE_HOVER, IDB_SAVE_OFF},
    {IDC_PROJECT_SAVEAS, IDS_TIP_SAVEAS, IDB_SAVEAS, IDB_SAVEAS_DOWN, IDB_SAVEAS_HOVER, IDB_SAVEAS_OFF},
    {IDC_RC_INSERT, IDS_TIP_RCINSERT, IDB_RCINSERT, IDB_RCINSERT_DOWN, IDB_RCINSERT_HOVER, IDB_RCINSERT_OFF},
    {IDC_RC_REMOVE, IDS_TIP_RCREMOVE, IDB_REMOVE, IDB_REMOVE_DOWN, IDB_REMOVE_HOVER, IDB_REMOVE_OFF},
    {IDC_TRA_SAVE, IDS_TIP_TRA_SAVE, IDB_SAVE, IDB_SAVE_DOWN, IDB_SAVE_HOVER, IDB_SAVE_OFF},
    {IDC_TRA_SAVEAS, IDS_TIP_TRA_SAVEAS, IDB_SAVEAS, IDB_SAVEAS_DOWN, IDB_SAVEAS_HOVER, IDB_SAVEAS_OFF},
    {IDC_TEST_SETTINGS, IDS_TIP_TEST, IDB_TEST, IDB_TEST_DOWN, IDB_TEST_HOVER, IDB_TEST_OFF},
    {IDC_ADDON_NOTHING, 0, IDB_NEW, IDB_NEW_DOWN, IDB_NEW_HOVER, IDB_NEW_OFF},
    {IDC_ADDON_INSERT, 0, IDB_OPEN, IDB_OPEN_DOWN, IDB_ADDON_HOVER, IDB_OPEN_OFF},
    {IDC_ADDON_DELETE, 0, IDB_REMOVE, IDB_REMOVE_DOWN, IDB_REMOVE_HOVER, IDB_REMOVE_OFF},
};
static_assert(std::size(kMakerButtons) == kMakerButtonCount, "one row per picture button");
