// The throwaway printer of the Wine tests and the print dialog run on it
// (Windows only).
#include "StdDlgTestTree.h"

#include <commdlg.h>
#include <winspool.h>

namespace stddlgtest {

void AddThrowawayPrinter() {
#ifdef UNICODE
  const WCHAR* name = L"LwStdDlgPrinterU";
#else
  const WCHAR* name = L"LwStdDlgPrinterA";
#endif
  DRIVER_INFO_3W driver = {};
  driver.cVersion = 3;
  driver.pName = const_cast<WCHAR*>(L"Wine PostScript Driver");
  driver.pEnvironment = const_cast<WCHAR*>(L"Windows x64");
  driver.pDriverPath = const_cast<WCHAR*>(L"wineps.drv");
  driver.pDataFile = const_cast<WCHAR*>(L"generic.ppd");
  driver.pConfigFile = const_cast<WCHAR*>(L"wineps.drv");
  AddPrinterDriverW(nullptr, 3, reinterpret_cast<BYTE*>(&driver));
  PRINTER_INFO_2W info = {};
  info.pPrinterName = const_cast<WCHAR*>(name);
  info.pPortName = const_cast<WCHAR*>(L"FILE:");
  info.pDriverName = driver.pName;
  info.pPrintProcessor = const_cast<WCHAR*>(L"WinPrint");
  info.pDatatype = const_cast<WCHAR*>(L"RAW");
  HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  if (printer) ClosePrinter(printer);
  SetDefaultPrinterW(name);
}

bool RunPrintDialog(bool setup) {
  PRINTDLG p = {};
  p.lStructSize = sizeof(p);
  p.Flags = PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE | (setup ? PD_PRINTSETUP : 0);
  const bool shown = PrintDlg(&p) || CommDlgExtendedError() == 0;
  if (p.hDevMode) GlobalFree(p.hDevMode);
  if (p.hDevNames) GlobalFree(p.hDevNames);
  return shown;
}

}  // namespace stddlgtest
