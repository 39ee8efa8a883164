#include "XWinApp.h"

#include "LwvSDK.h"

int __X_CWinApp::ExitInstance() {
  LWEnd();
  return CWinApp::ExitInstance();
}
