// The pages that show composed texts for the developer to copy: library and
// DLL lists, include lines, fix macros, extern-header wrappers, the
// switch-dialog call and the start code. Each composes on activation.
#pragma once

#include "GuidePages.h"

// Library lists: pages 131 and 147 the libraries, page 150 the DLLs.
class CLibToProjectPage : public CGuidePage {
 public:
  CLibToProjectPage();

 protected:
  void Compose() override;
};

class CLib2ToProjectPage : public CGuidePage {
 public:
  CLib2ToProjectPage();

 protected:
  void Compose() override;
};

class CDLLToProjectPage : public CGuidePage {
 public:
  CDLLToProjectPage();

 protected:
  void Compose() override;
};

class CHeaderToStdafxPage : public CGuidePage {
 public:
  CHeaderToStdafxPage();

 protected:
  void Compose() override;
};

class CIncludeSDKHeaderPage : public CGuidePage {
 public:
  CIncludeSDKHeaderPage();

 protected:
  void Compose() override;
};

class CVirtFuncPage : public CGuidePage {
 public:
  CVirtFuncPage();

 protected:
  void Compose() override;
};

class CExternHeaderPage : public CGuidePage {
 public:
  CExternHeaderPage();

 protected:
  void Compose() override;
};

class CAddHandlerPage : public CGuidePage {
 public:
  CAddHandlerPage();

 protected:
  void Compose() override;
};

class CStartLwvCodePage : public CGuidePage {
 public:
  CStartLwvCodePage();

 protected:
  void Compose() override;
};
