// The pages that ask the developer: environment, integration options and
// the results of the rebuild and of the test run. Their answers go into the
// settings record; their page data stays while the sheet lives.
#pragma once

#include "GuidePages.h"

class CChooseIDEPage : public CGuidePage {
 public:
  CChooseIDEPage();
  BOOL OnKillActive() override;

  int m_ide = -1;  // radio group 114 / 115 / 1042
  int m_mfc = 0;   // check 1049

 protected:
  bool ChoiceMade() const override { return m_ide != -1; }
  void Compose() override { UpdateControls(); }
  void DoDataExchange(CDataExchange* dx) override;
  void OnChoice(int chosen);
  void OnVisualCpp() { OnChoice(kIdeVisualCpp); }
  void OnOtherCpp() { OnChoice(kIdeOtherCpp); }
  void OnOther() { OnChoice(kIdeOther); }
  void OnIntegrate();
  void UpdateControls();

  DECLARE_MESSAGE_MAP()
};

class CEinbauOptionsPage : public CGuidePage {
 public:
  CEinbauOptionsPage();

  int m_preprocessor = 0;  // check 1006
  CString m_path;          // edit 1002
  int m_charset = -1;      // radio group 1003 / 1004 / 1005
  int m_menu = 1;          // check 1021

 protected:
  void Compose() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnOptionChanged();
  void OnBrowse();

  DECLARE_MESSAGE_MAP()
};

// The compile and test pages: a radio group 1016 ("problems") / 1017 ("fine").
class CResultPage : public CGuidePage {
 public:
  CResultPage(UINT templateId, UINT titleId, UINT subTitleId);

  int m_result = -1;

 protected:
  bool ChoiceMade() const override { return m_result != -1; }
  void DoDataExchange(CDataExchange* dx) override;
  void OnResultChanged();
  virtual void StoreResult(int radio) = 0;

  DECLARE_MESSAGE_MAP()
};

class CCompileCastPage : public CResultPage {
 public:
  CCompileCastPage();

 protected:
  void StoreResult(int radio) override { Settings().SetCompileResult(radio); }
};

class CTestProgramPage : public CResultPage {
 public:
  CTestProgramPage();

 protected:
  void StoreResult(int radio) override { Settings().SetTestResult(radio); }
  void Compose() override;
};
