#include "SuppliedEntries.h"

#include "ResLibraryEntries.h"
#include "ResRecordedTexts.h"
#include "TraNode.h"

CGermanSystemCapture::CGermanSystemCapture() {
  ResMessageBoxCapture box;
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    box.buttons[i].text = ResRecordedString(kResButtonTexts[i].german);
    box.buttons[i].cx = kResButtonWidth;
    box.buttons[i].cy = kResButtonHeight;
  }
  RecordMessageBox(box);
  std::vector<CString> menu;
  for (const ResRecordedText& item : kResSystemMenuTexts) menu.push_back(ResRecordedString(item.german));
  RecordSystemMenu(menu);
}

const CEnglishTable& SuppliedEnglishTexts() {
  static const CEnglishTable table = [] {
    CEnglishTable t;
    // The switch dialog first: its "&Hilfe" is "&Help", the button's "Help".
    t.Add(BuiltInSwitchText(kSwitchCaptionString), EnglishSwitchText(kSwitchCaptionString));
    for (int i = 0; i < kResSwitchChildren; ++i) {
      const UINT id = ResSwitchDialogChild(i).stringId;
      t.Add(BuiltInSwitchText(id), EnglishSwitchText(id));
    }
    for (const ResRecordedText& text : kResButtonTexts)
      t.Add(ResRecordedString(text.german), ResRecordedString(text.english));
    for (const ResRecordedText& text : kResSystemMenuTexts)
      t.Add(ResRecordedString(text.german), ResRecordedString(text.english));
    // Entry names the library finds them by; their texts are not shown.
    t.Add(_T("Message Box"), _T("Message Box"));
    t.Add(TRA_SYSTEM_POPUP, TRA_SYSTEM_POPUP);
    return t;
  }();
  return table;
}
