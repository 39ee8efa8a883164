#include "XWinApp.h"

#include "Lwv.h"

int __X_CWinApp::ExitInstance() {
  LWEnd();
  return CWinApp::ExitInstance();
}
