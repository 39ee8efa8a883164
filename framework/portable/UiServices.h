// The programs' one seam to the user's modal choices: message boxes, file
// choosers, the font chooser and the flag picker. A program hands its
// controllers the Windows implementation; a test hands them
// CQueuedUiServices and answers every question from a queue.
// Window-free: nothing in this header opens a window.
#pragma once

#include "Framework.h"

#include <deque>
#include <string>
#include <vector>

#ifdef _WIN32
// commdlg.h makes ChooseFont a macro: every file that sees this interface
// must see it too, or the member's name differs between them.
#include <commdlg.h>
#else
// Message-box types and answers, with the Windows values.
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_ICONSTOP MB_ICONHAND
#define MB_DEFBUTTON2 0x00000100L
#define MB_TYPEMASK 0x0000000FL
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#endif

// A file chooser's question and, after a TRUE answer, its chosen paths.
struct LwFileChoice {
  bool bOpen = true;         // open dialog (true) or save-as dialog
  bool bMultiSelect = false;
  CString strTitle;          // empty: the system's own title
  CString strFilter;         // class-library form: "Name (*.x)|*.x||"
  CString strDefExt;         // without the dot
  CString strInitialPath;    // proposed file, or a folder
  CArray<CString> paths;     // answer: full paths, one unless bMultiSelect
};

// A font chooser's question (the current font) and answer.
struct LwFontChoice {
  CString strFaceName;
  int nHeight = 0;           // logical height as in LOGFONT.lfHeight
  int nPointSize10 = 0;      // tenths of a point, when the chooser gives it
  int nWeight = 400;
  bool bItalic = false;
  BYTE nCharSet = 0;
};

// The flag picker's answer: a LANGID and the 32 x 32 flag, row by row,
// background RGB(192,192,192).
struct LwFlagChoice {
  LANGID langId = 0;
  std::vector<COLORREF> pixels;  // 1024 values after a TRUE answer
  bool failed = false;  // after a FALSE answer: the picker could not be shown
};

class CUiServices {
 public:
  virtual ~CUiServices() = default;
  // Shows text with MB_* type; answers IDOK, IDYES, ... as MessageBox does.
  virtual int ShowMessage(const CString& text, UINT type) = 0;
  virtual bool ChooseFile(LwFileChoice& choice) = 0;
  virtual bool ChooseFont(LwFontChoice& font) = 0;
  virtual bool PickFlag(LwFlagChoice& flag) = 0;
};

// Answers from queues filled by a test and records every question asked.
// A question with no answer queued gets the cancelling answer (IDCANCEL,
// false) and is counted in Unanswered(), so a test can fail on it.
class CQueuedUiServices : public CUiServices {
 public:
  struct Message {
    CString text;
    UINT type;
  };

  void QueueMessageAnswer(int answer) { m_messageAnswers.push_back(answer); }
  void QueueFile(const CString& path) {
    LwFileChoice c;
    c.paths.Add(path);
    m_fileAnswers.push_back(c);
  }
  void QueueFiles(const LwFileChoice& answer) { m_fileAnswers.push_back(answer); }
  void QueueFileCancel() { m_fileAnswers.push_back(LwFileChoice()); }
  void QueueFont(const LwFontChoice& font) { m_fontAnswers.push_back({true, font}); }
  void QueueFontCancel() { m_fontAnswers.push_back({false, LwFontChoice()}); }
  void QueueFlag(const LwFlagChoice& flag) { m_flagAnswers.push_back({true, flag}); }
  void QueueFlagCancel() { m_flagAnswers.push_back({false, LwFlagChoice()}); }
  void QueueFlagFailure() {
    LwFlagChoice failed;
    failed.failed = true;
    m_flagAnswers.push_back({false, failed});
  }

  int ShowMessage(const CString& text, UINT type) override {
    m_messages.push_back({text, type});
    if (m_messageAnswers.empty()) {
      ++m_unanswered;
      return IDCANCEL;
    }
    int answer = m_messageAnswers.front();
    m_messageAnswers.pop_front();
    return answer;
  }
  bool ChooseFile(LwFileChoice& choice) override {
    m_fileQuestions.push_back(choice);
    if (m_fileAnswers.empty()) {
      ++m_unanswered;
      return false;
    }
    LwFileChoice answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    if (answer.paths.IsEmpty()) return false;
    choice.paths.Copy(answer.paths);
    return true;
  }
  bool ChooseFont(LwFontChoice& font) override {
    m_fontQuestions.push_back(font);
    return Take(m_fontAnswers, font);
  }
  bool PickFlag(LwFlagChoice& flag) override {
    ++m_flagQuestions;
    if (!m_flagAnswers.empty() && m_flagAnswers.front().second.failed) flag.failed = true;
    return Take(m_flagAnswers, flag);
  }

  const std::vector<Message>& Messages() const { return m_messages; }
  const std::vector<LwFileChoice>& FileQuestions() const { return m_fileQuestions; }
  const std::vector<LwFontChoice>& FontQuestions() const { return m_fontQuestions; }
  int FlagQuestions() const { return m_flagQuestions; }
  int Unanswered() const { return m_unanswered; }
  // Answers queued but never asked for.
  size_t Unused() const {
    return m_messageAnswers.size() + m_fileAnswers.size() + m_fontAnswers.size() +
           m_flagAnswers.size();
  }

 private:
  template <class T>
  bool Take(std::deque<std::pair<bool, T>>& queue, T& out) {
    if (queue.empty()) {
      ++m_unanswered;
      return false;
    }
    std::pair<bool, T> answer = queue.front();
    queue.pop_front();
    if (answer.first) out = answer.second;
    return answer.first;
  }

  std::deque<int> m_messageAnswers;
  std::deque<LwFileChoice> m_fileAnswers;
  std::deque<std::pair<bool, LwFontChoice>> m_fontAnswers;
  std::deque<std::pair<bool, LwFlagChoice>> m_flagAnswers;
  std::vector<Message> m_messages;
  std::vector<LwFileChoice> m_fileQuestions;
  std::vector<LwFontChoice> m_fontQuestions;
  int m_flagQuestions = 0;
  int m_unanswered = 0;
};
