// The Win32 half of the class-library layer (includes the portable half,
// Framework.h). Holds no product logic. Its classes and where each lives:
//
//   portable/ (both builds)
//     CString (CStringT) CString.h        CTime CTime.h
//     CFile CStdioFile CMemFile CAtomicFile CFileStatus, lw::NameOf  CFile.h
//     CArchive CArchive.h                 CFileFind CFileFind.h
//     CObject CObList CPtrList CStringList CArray CList  Collections.h
//     CException CFileException CArchiveException CMemoryException  Exceptions.h
//     CPoint CSize CRect Geometry.h       CRuntimeClass RuntimeClass.h
//     CRecentFileList RecentFileList.h    CCommandLineInfo CommandLine.h
//     CUiServices CQueuedUiServices UiServices.h
//   win32/
//     CCmdTarget CCmdUI CmdTarget.h       message maps MessageMap.h
//     CWnd Wnd.h (its debug-build checks WndChecks.h; its menus in Menu.cpp, its font and DCs in Gdi.cpp)
//     CAppServices (what windows need of the program; who hands it to whom) AppServices.h
//     CMenu Menu.h                        CImageList ImageList.h
//     CDC CPaintDC CClientDC CWindowDC CGdiObject CPen CBrush CFont CBitmap CPalette  Gdi.h
//     CStatic CButton CEdit CListBox CComboBox CScrollBar CSliderCtrl CProgressCtrl CHotKeyCtrl  Controls.h
//     CListCtrl CTreeCtrl ListCtrl.h      CTabCtrl CToolTipCtrl TabCtrl.h
//     CBitmapButton BitmapButton.h
//     CDialog CDataExchange CUserException Dialog.h (DDX: DataExchange.cpp)
//     CPropertySheet(Ex) CPropertyPage(Ex) PropertySheet.h
//     CCommonDialog CFileDialog CFontDialog CColorDialog CPrintDialog CPageSetupDialog
//       CFindReplaceDialog  CommonDialogs.h
//     CWinUiServices WinUiServices.h      CControlBar CToolBar CStatusBar ControlBars.h
//     CFrameWnd FrameWnd.h (its views: FrameViews.cpp)
//     CDockSite CDockHost CDockBar CFloatingBarFrame DockSite.h (DockBars.cpp, ControlBarDocking.cpp)
//     CDocument Document.h (its views, frames and template: DocumentViews.cpp)
//     CView CCreateContext View.h (its frame: FrameViews.cpp)
//     CScrollView ScrollView.h  CFormView FormView.h  CSplitterWnd Splitter.h
//     CPrintInfo CPrintJob Printing.h     CDocTemplate CSingleDocTemplate DocTemplate.h
//     in-memory dialog templates DialogTemplate.h
//     CWinApp WinApp.h (documents: WinAppDocs.cpp)
#pragma once

#include "Framework.h"
#include "MessageMap.h"
#include "CmdTarget.h"
#include "Wnd.h"
#include "Menu.h"
#include "Gdi.h"
#include "Controls.h"
#include "ImageList.h"
#include "ListCtrl.h"
#include "TabCtrl.h"
#include "BitmapButton.h"
#include "Dialog.h"
#include "PropertySheet.h"
#include "CommonDialogs.h"
#include "WinUiServices.h"
#include "ControlBars.h"
#include "FrameWnd.h"
#include "DockSite.h"
#include "Document.h"
#include "View.h"
#include "ScrollView.h"
#include "FormView.h"
#include "Splitter.h"
#include "DocTemplate.h"
#include "DialogTemplate.h"
#include "WinApp.h"
