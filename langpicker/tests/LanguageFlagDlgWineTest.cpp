// The flag picker and the background dialog under Wine, driven from a
// thread timer: a country from the list, the lists' drop-downs, the
// keyboard, the declined confirmation, an own bitmap through the file
// dialog and the background dialog, and the loader's and the flag
// bitmaps' failure paths.
#include "BmpFiles.h"
#include "FlagBackgroundDlg.h"
#include "FlagBitmaps.h"
#include "FlagPickerAnswer.h"
#include "FlagStatic.h"
#include "FlagStrip.h"
#include "LanguageCatalogue.h"
#include "LanguageFlagDlg.h"
#include "LoadBmpFile.h"
#include "Screenshot.h"
#include "UiTestKit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

#ifdef UNICODE
const UINT kPicker = IDD_LANGUAGEFLAG_WIZARD, kBackground = IDD_FLAGBACKGROUND_WIZARD;
const char kWidth[] = "u";
#else
const UINT kPicker = IDD_LANGUAGEFLAG_EDITOR, kBackground = IDD_FLAGBACKGROUND_EDITOR;
const char kWidth[] = "a";
#endif
const int kGermany = 122, kSwitzerland = 36, kAfghanistan = 151;
const COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

std::string Shot(const char* name) { return std::string(name) + "_" + kWidth; }

CString Folder() {
  CString folder(LW_BINARY_DIR);
  folder += sizeof(TCHAR) == 1 ? _T("\\langpicker_wine_a") : _T("\\langpicker_wine_u");
  CreateDirectory(folder, nullptr);
  return folder;
}

// A picture file of width x height whose pixel colours come from colourAt.
template <class ColourAt>
CString WriteBmp(const char* name, int width, int height, int bits, ColourAt colourAt) {
  bmptest::CraftedBmp s;
  s.width = width;
  s.height = height;
  s.bits = bits;
  if (bits <= 8) s.table = {kWhite, kRed, kBlue};
  s.setClrUsed = bits <= 8;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colourAt(x, y);
      s.values.push_back(bits > 8 ? c : c == kWhite ? 0 : c == kRed ? 1 : 2);
    }
  const std::vector<BYTE> bytes = bmptest::Make(s);
  CString path = Folder() + _T("\\") + CString(name);
  path.Replace(_T('/'), _T('\\'));  // the file dialog takes backslashes only
  CFile file(path, CFile::modeCreate | CFile::modeWrite);
  file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
  return path;
}

// A red square from 8 to 23 on white.
COLORREF RedSquare(int x, int y) { return x >= 8 && x < 24 && y >= 8 && y < 24 ? kRed : kWhite; }

CString Loaded(UINT id) {
  CString text;
  text.LoadString(id);
  return text;
}

std::vector<CString> Rows(CComboBox& combo) {
  std::vector<CString> rows;
  for (int i = 0; i < combo.GetCount(); ++i) {
    CString text;
    combo.GetLBText(i, text);
    rows.push_back(text);
  }
  return rows;
}

std::vector<CString> Texts(std::initializer_list<const TCHAR*> texts) {
  std::vector<CString> out;
  for (const TCHAR* t : texts) out.push_back(CString(t));
  return out;
}

HWND FindCaption(const CString& caption) {
  for (HWND hwnd : lwtest::OwnDialogs()) {
    CString text;
    CWnd::FromHandle(hwnd)->GetWindowText(text);
    if (text == caption) return hwnd;
  }
  return nullptr;
}

CLanguageFlagDlg* FindPicker() {
  for (HWND hwnd : lwtest::OwnDialogs())
    if (auto* picker = dynamic_cast<CLanguageFlagDlg*>(CWnd::FromHandlePermanent(hwnd))) return picker;
  return nullptr;
}

// Selects the country's item and notifies the dialog as a click does
// (row -1: a click beside the items).
void ClickCountry(CLanguageFlagDlg* dlg, int row) {
  HWND list = dlg->m_flagList.m_hWnd;
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
  if (row >= 0) {
    const int item = dlg->FindCountryItem(row);
    ListView_SetItemState(list, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  NMHDR header = {list, IDC_FLAG_LIST, static_cast<UINT>(NM_CLICK)};
  dlg->SendMessage(WM_NOTIFY, IDC_FLAG_LIST, reinterpret_cast<LPARAM>(&header));
}

void Press(CWnd* dialog, int id) {
  dialog->PostMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(*dialog, id)));
}

// Chooses a row of a dropped-down list and closes it, as the user does.
void ChooseAndClose(CComboBox& combo, int row) {
  combo.SetCurSel(row);
  combo.GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(combo.GetDlgCtrlID(), CBN_SELCHANGE),
                                 reinterpret_cast<LPARAM>(combo.m_hWnd));
  combo.ShowDropDown(FALSE);
}

// Answers the message box open over except; the step waits until one shows.
lwtest::Step AnswerBox(HWND* except, CString* text, int answer) {
  return [=] {
    HWND box = lwtest::FindOwnDialog(CString(), *except);
    if (!box || !::GetDlgItem(box, 0xFFFF)) return false;
    *text = lwtest::MessageBoxText(box);
    ::PostMessage(box, WM_COMMAND, answer, 0);
    return true;
  };
}

CString Confirmation(const TCHAR* language, const TCHAR* subLanguage) {
  CString text;
  text.Format(Loaded(IDS_CONFIRM_LANGID), language, subLanguage);
  return text;
}

// Waits until the picker shows and remembers it.
lwtest::Step WaitForPicker(CLanguageFlagDlg** dlg, HWND* picker) {
  return [=] {
    *dlg = FindPicker();
    if (*dlg) *picker = (*dlg)->m_hWnd;
    return *dlg != nullptr;
  };
}

LwFlagPixels StripCell(int row) {
  LwFlagPixels cell;
  cell.fill(0x123456);
  EXPECT_TRUE(LwReadFlagStripCell(CString(LW_FLAG_STRIP_BMP), row, cell));
  return cell;
}

TEST(LanguageFlagDlgWine, GermanyGivesItsLangIdAndItsStripCell) {
  CLanguageFlagDlg* dlg = nullptr;
  HWND picker = nullptr;
  CString confirmation;
  lwtest::ModalDriver script({
      WaitForPicker(&dlg, &picker),
      [&] {
        EXPECT_FALSE(dlg->m_okButton.IsWindowEnabled());
        EXPECT_FALSE(dlg->m_languageList.IsWindowEnabled());
        EXPECT_EQ(COUNTRY_COUNT, ListView_GetItemCount(dlg->m_flagList.m_hWnd));
        return true;
      },
      [&] {
        ClickCountry(dlg, kGermany);
        EXPECT_EQ(Texts({_T("LANG_GERMAN"), _T("LANG_NEUTRAL")}), Rows(dlg->m_languageList));
        EXPECT_EQ(Texts({_T("SUBLANG_GERMAN"), _T("SUBLANG_NEUTRAL")}), Rows(dlg->m_subLanguageList));
        EXPECT_FALSE(dlg->m_languageList.GetDroppedState());
        EXPECT_FALSE(dlg->m_subLanguageList.GetDroppedState());
        EXPECT_TRUE(dlg->m_okButton.IsWindowEnabled());
        CString info;
        dlg->GetDlgItem(IDC_FLAG_INFO)->GetWindowText(info);
        EXPECT_EQ(CString(_T("Germany")), info);
        lwtest::SaveScreenshot(picker, Shot("flag_picker_germany").c_str());
        Press(dlg, IDOK);
        return true;
      },
      AnswerBox(&picker, &confirmation, IDOK),
  });
  // Asked as the programs ask: through their UI services.
  CFlagPickerUiServices ui(nullptr, kPicker, kBackground);
  LwFlagChoice flag;
  ASSERT_TRUE(ui.PickFlag(flag));
  EXPECT_TRUE(script.Finished());
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(Confirmation(_T("LANG_GERMAN"), _T("SUBLANG_GERMAN")), confirmation);
  EXPECT_EQ(0x0407, flag.langId);
  const LwFlagPixels cell = StripCell(kGermany);
  ASSERT_EQ(size_t(LW_FLAG_PIXEL_COUNT), flag.pixels.size());
  EXPECT_TRUE(std::equal(cell.begin(), cell.end(), flag.pixels.begin()));
  EXPECT_EQ(LW_FLAG_BACKGROUND, flag.pixels[0]);
}

// Drop-downs, the keyboard, a click beside the items and a declined
// confirmation; Cancel leaves the caller's choice alone.
TEST(LanguageFlagDlgWine, ListsFollowTheCountryAndTheKeyboard) {
  CLanguageFlagDlg* dlg = nullptr;
  HWND picker = nullptr;
  CString confirmation;
  lwtest::ModalDriver script({
      WaitForPicker(&dlg, &picker),
      [&] {
        ClickCountry(dlg, kSwitzerland);
        EXPECT_TRUE(dlg->m_languageList.GetDroppedState());
        EXPECT_EQ(4, dlg->m_languageList.GetCount());
        EXPECT_FALSE(dlg->m_subLanguageList.IsWindowEnabled());
        ChooseAndClose(dlg->m_languageList, 1);
        EXPECT_EQ(Texts({_T("SUBLANG_FRENCH_SWISS"), _T("SUBLANG_NEUTRAL")}), Rows(dlg->m_subLanguageList));
        EXPECT_FALSE(dlg->m_subLanguageList.GetDroppedState());
        // The Home key moves the selection to the first country: chosen as by a click.
        dlg->m_flagList.SendMessage(WM_KEYDOWN, VK_HOME, 0);
        return true;
      },
      [&] {
        if (dlg->GetFlagIndex() != kAfghanistan) return false;
        EXPECT_EQ(Texts({_T("LANG_NEUTRAL")}), Rows(dlg->m_languageList));
        EXPECT_EQ(Texts({_T("SUBLANG_NEUTRAL")}), Rows(dlg->m_subLanguageList));
        ClickCountry(dlg, -1);
        EXPECT_FALSE(dlg->m_okButton.IsWindowEnabled());
        EXPECT_EQ(0, dlg->m_languageList.GetCount());
        EXPECT_FALSE(dlg->m_languageList.IsWindowEnabled());
        ClickCountry(dlg, kGermany);
        Press(dlg, IDOK);
        return true;
      },
      AnswerBox(&picker, &confirmation, IDCANCEL),
      [&] {
        EXPECT_TRUE(::IsWindowVisible(picker));
        EXPECT_EQ(kGermany, dlg->GetFlagIndex());
        EXPECT_EQ(2, dlg->m_languageList.GetCount());
        Press(dlg, IDCANCEL);
        return true;
      },
  });
  LwFlagChoice flag;
  flag.langId = 0x1234;
  EXPECT_FALSE(LwPickFlagWithDialog(flag, kPicker, kBackground));
  EXPECT_TRUE(script.Finished());
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(Confirmation(_T("LANG_GERMAN"), _T("SUBLANG_GERMAN")), confirmation);
  EXPECT_EQ(0x1234, flag.langId);
  EXPECT_TRUE(flag.pixels.empty());
}

// Waits for the picker and presses its "eigene Flagge" button.
lwtest::Step PressOwnFlag(CLanguageFlagDlg** dlg, HWND* picker) {
  lwtest::Step wait = WaitForPicker(dlg, picker);
  return [=]() mutable {
    if (!wait.tryRun()) return false;
    Press(*dlg, IDC_OWN_FLAG);
    return true;
  };
}

// Types path into the open file dialog and opens it.
lwtest::Step ChooseFile(HWND* except, const CString& path) {
  return [=] {
    HWND chooser = lwtest::FindOwnDialog(CString(), *except);
    if (!chooser || (!::GetDlgItem(chooser, 1148) && !::GetDlgItem(chooser, 1152))) return false;
    for (int id : {1148, 1152})
      if (::GetDlgItem(chooser, id)) ::SetDlgItemText(chooser, id, path);

    ::PostMessage(chooser, WM_COMMAND, IDOK, 0);
    return true;
  };
}

TEST(LanguageFlagDlgWine, AnOwnBitmapIsCutAndLosesItsBackground) {
  const CString path = WriteBmp("own40.bmp", 40, 40, 24, RedSquare);
  CLanguageFlagDlg* dlg = nullptr;
  HWND picker = nullptr;
  CString cut, confirmation;
  bool backgroundSeen = false;
  lwtest::ModalDriver script(
      {
          PressOwnFlag(&dlg, &picker),
          ChooseFile(&picker, path),
          AnswerBox(&picker, &cut, IDOK),
          [&] {
            HWND background = FindCaption(Loaded(IDS_BACKGROUND_FOUND));
            if (!background) return false;
            auto* object = dynamic_cast<CFlagBackgroundDlg*>(CWnd::FromHandlePermanent(background));
            EXPECT_TRUE(object != nullptr);
            if (object) {
              EXPECT_FALSE(object->IsMarking());
              EXPECT_EQ(kWhite, object->GetBackground());
            }
            EXPECT_EQ(BST_UNCHECKED, ::IsDlgButtonChecked(background, IDC_FLAG_MARK));
            lwtest::SaveScreenshot(background, Shot("flag_background_found").c_str());
            backgroundSeen = true;
            ::PostMessage(background, WM_COMMAND, IDOK, 0);
            return true;
          },
          [&] {
            // The picker starts in own-flag mode too: wait for the accepted picture.
            if (!dlg->IsOwnFlag() || !dlg->m_okButton.IsWindowEnabled()) return false;
            EXPECT_TRUE(dlg->m_languageList.GetDroppedState());
            EXPECT_EQ(-1, dlg->GetFlagIndex());
            EXPECT_EQ(LANG_NAME_COUNT, dlg->m_languageList.GetCount());
            EXPECT_EQ(LANG_NAME_NEUTRAL_ROW, dlg->m_languageList.GetCurSel());
            CString info;
            dlg->GetDlgItem(IDC_FLAG_INFO)->GetWindowText(info);
            CString want;
            want.Format(Loaded(IDS_OWN_FLAG_TRUECOLOUR), 40, 40);
            EXPECT_EQ(want, info);
            ChooseAndClose(dlg->m_languageList, FindLangName(_T("LANG_GERMAN")));
            const std::vector<CString> subs = Rows(dlg->m_subLanguageList);
            EXPECT_EQ(6u, subs.size());
            EXPECT_EQ(CString(_T("SUBLANG_NEUTRAL")), subs.empty() ? CString() : subs[0]);
            EXPECT_TRUE(dlg->m_subLanguageList.GetDroppedState());
            ChooseAndClose(dlg->m_subLanguageList, 1);
            lwtest::SaveScreenshot(picker, Shot("flag_picker_own").c_str());
            Press(dlg, IDOK);
            return true;
          },
          AnswerBox(&picker, &confirmation, IDOK),
      },
      30000, 20);
  LwFlagChoice flag;
  ASSERT_TRUE(LwPickFlagWithDialog(flag, kPicker, kBackground));
  EXPECT_TRUE(script.Finished());
  EXPECT_FALSE(script.TimedOut());
  EXPECT_TRUE(backgroundSeen);
  EXPECT_EQ(Loaded(IDS_FLAG_CUT), cut);
  EXPECT_EQ(Confirmation(_T("LANG_GERMAN"), _T("SUBLANG_GERMAN")), confirmation);
  EXPECT_EQ(0x0407, flag.langId);
  ASSERT_EQ(size_t(LW_FLAG_PIXEL_COUNT), flag.pixels.size());
  for (int y = 0; y < LW_FLAG_SIDE; ++y)
    for (int x = 0; x < LW_FLAG_SIDE; ++x)
      ASSERT_EQ(RedSquare(x, y) == kRed ? kRed : LW_FLAG_BACKGROUND, flag.pixels[y * LW_FLAG_SIDE + x]) << x << "," << y;
}

TEST(LanguageFlagDlgWine, ASmallBitmapIsRefused) {
  const CString path = WriteBmp("own20.bmp", 20, 20, 24, RedSquare);
  CLanguageFlagDlg* dlg = nullptr;
  HWND picker = nullptr;
  CString refusal;
  lwtest::ModalDriver script({
      PressOwnFlag(&dlg, &picker),
      ChooseFile(&picker, path),
      AnswerBox(&picker, &refusal, IDOK),
      [&] {
        if (lwtest::FindOwnDialog(CString(), picker)) return false;
        EXPECT_FALSE(dlg->m_okButton.IsWindowEnabled());
        EXPECT_FALSE(dlg->m_languageList.IsWindowEnabled());
        Press(dlg, IDCANCEL);
        return true;
      },
  });
  CLanguageFlagDlg picker2(nullptr, kPicker, kBackground);
  EXPECT_EQ(IDCANCEL, picker2.DoModal());
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(Loaded(IDS_FLAG_TOO_SMALL), refusal);
  EXPECT_EQ(0, picker2.m_langId);
}

// Blue left half, white right half: the corners differ, so the user marks
// the background with a click on the enlarged picture.
COLORREF BlueAndWhite(int x, int) { return x < 16 ? kBlue : kWhite; }

TEST(FlagBackgroundDlgWine, MarkingTakesTheClickedColour) {
  CBitmap source;
  ASSERT_TRUE(LoadBmpFileFrom(WriteBmp("halves.bmp", 32, 32, 24, BlueAndWhite), &source, nullptr));
  CFlagBackgroundDlg dialog(nullptr, kBackground);
  dialog.m_pSource = &source;
  lwtest::ModalDriver script({
      [&] {
        HWND hwnd = FindCaption(Loaded(IDS_BACKGROUND_MARK));
        if (!hwnd) return false;
        EXPECT_TRUE(dialog.IsMarking());
        EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(hwnd, IDC_FLAG_MARK));
        EXPECT_EQ(LW_FLAG_BACKGROUND, dialog.GetBackground());
        ::UpdateWindow(hwnd);
        const CRect& r = dialog.GetOriginalRect();
        const CPoint white(r.left + r.Width() * 3 / 4, r.top + r.Height() / 2);
        dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(white.x, white.y));
        EXPECT_EQ(kWhite, dialog.GetBackground());
        lwtest::SaveScreenshot(hwnd, Shot("flag_background_marked").c_str());
        ::PostMessage(hwnd, WM_COMMAND, IDOK, 0);
        return true;
      },
  });
  ASSERT_EQ(IDOK, dialog.DoModal());
  EXPECT_TRUE(script.Finished());
  CBitmap result;
  ASSERT_TRUE(dialog.GetFlagBitmap(&result));
  const LwFlagPixels pixels = LwReadFlagPixels(result);
  EXPECT_EQ(kBlue, pixels[0]);
  EXPECT_EQ(LW_FLAG_BACKGROUND, pixels[31]);
  EXPECT_EQ(LW_FLAG_BACKGROUND, pixels[31 * 32 + 20]);
}

// Before its first paint (or without ever being shown) the dialog still
// gives its result.
TEST(FlagBackgroundDlgWine, ResultWithoutAPaint) {
  CBitmap source;
  ASSERT_TRUE(LoadBmpFileFrom(WriteBmp("square32.bmp", 32, 32, 24, RedSquare), &source, nullptr));
  CFlagBackgroundDlg dialog(nullptr, kBackground);
  CBitmap target;
  EXPECT_FALSE(dialog.GetFlagBitmap(&target));  // no source
  dialog.m_pSource = &source;
  ASSERT_TRUE(dialog.GetFlagBitmap(&target));
  // Nothing marked yet: the flag background itself is replaced, so the result is the source.
  const LwFlagPixels pixels = LwReadFlagPixels(target);
  for (int i = 0; i < LW_FLAG_PIXEL_COUNT; ++i) ASSERT_EQ(RedSquare(i % 32, i / 32), pixels[i]) << i;
}

TEST(LoadBmpFileWine, PalettesFollowTheColourTable) {
  CBitmap bitmap;
  CPalette palette;
  ASSERT_TRUE(LoadBmpFileFrom(WriteBmp("eight.bmp", 33, 34, 8, RedSquare), &bitmap, &palette));
  EXPECT_EQ(CSize(33, 34), bitmap.GetSize());
  EXPECT_EQ(3, palette.GetEntryCount());
  EXPECT_EQ(kRed, LwReadFlagPixels(bitmap)[16 * 32 + 16]);
  ASSERT_TRUE(LoadBmpFileFrom(WriteBmp("true.bmp", 32, 32, 24, RedSquare), &bitmap, &palette));
  EXPECT_EQ(nullptr, palette.GetSafeHandle());
}

// A refused file, and a picture GDI could not make, leave the caller's
// picture and palette as they were.
TEST(LoadBmpFileWine, FailuresKeepTheCallersPicture) {
  CBitmap bitmap;
  CPalette palette;
  ASSERT_TRUE(LoadBmpFileFrom(WriteBmp("keep.bmp", 32, 32, 8, RedSquare), &bitmap, &palette));
  const HGDIOBJ heldBitmap = bitmap.GetSafeHandle(), heldPalette = palette.GetSafeHandle();

  const CString truncated = Folder() + _T("\\truncated.bmp");
  {
    CFile whole(WriteBmp("whole.bmp", 32, 32, 24, RedSquare), CFile::modeRead);
    std::vector<BYTE> bytes(static_cast<size_t>(whole.GetLength()) - 100);
    whole.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    CFile cut(truncated, CFile::modeCreate | CFile::modeWrite);
    cut.Write(bytes.data(), static_cast<UINT>(bytes.size()));
  }
  for (const CString& path : {truncated, Folder() + _T("\\missing.bmp"), CString()}) {
    EXPECT_FALSE(LoadBmpFileFrom(path, &bitmap, &palette));
    EXPECT_EQ(heldBitmap, bitmap.GetSafeHandle());
    EXPECT_EQ(heldPalette, palette.GetSafeHandle());
  }

  HPALETTE madePalette = LwCreatePicturePalette([] {
    LwBmpImage image;
    image.colourTable = {kRed};
    return image;
  }());
  ASSERT_NE(nullptr, madePalette);
  EXPECT_FALSE(LwAttachLoadedPicture(&bitmap, &palette, nullptr, madePalette));
  EXPECT_EQ(heldBitmap, bitmap.GetSafeHandle());
  EXPECT_EQ(heldPalette, palette.GetSafeHandle());
  EXPECT_EQ(0, ::GetObjectType(madePalette));  // what was made is freed
}

// The strip copy checks the cell: no country chosen (index -1) copies nothing.
TEST(LanguageFlagDlgWine, DrawFlagChecksTheCell) {
  CLanguageFlagDlg dialog(nullptr, kPicker, kBackground);
  EXPECT_FALSE(dialog.DrawFlag());
  EXPECT_EQ(nullptr, dialog.m_flagBitmap.GetSafeHandle());
}

TEST(FlagStaticWine, PaintsItsBitmap) {
  HWND parent = ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_POPUP | WS_VISIBLE, 10, 10, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
  ASSERT_NE(nullptr, parent);
  LwFlagPixels pixels;
  pixels.fill(kBlue);
  auto* bitmap = new CBitmap;
  bitmap->Attach(LwCreateFlagBitmap(nullptr, pixels));
  {
    CFlagStatic flag(CWnd::FromHandle(parent), CRect(4, 4, 36, 36), bitmap);
    EXPECT_EQ(bitmap, flag.GetFlag());
    EXPECT_EQ(0xFFFF, flag.GetDlgCtrlID());
    EXPECT_TRUE(flag.IsWindowVisible());
    ::UpdateWindow(flag.m_hWnd);
    HDC dc = ::GetDC(flag.m_hWnd);
    EXPECT_EQ(kBlue, ::GetPixel(dc, 10, 10));
    ::ReleaseDC(flag.m_hWnd, dc);
  }
  ::DestroyWindow(parent);
}

}  // namespace
