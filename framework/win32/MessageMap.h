// Message maps: a static table per class, chained to the base class's table.
//
// Each entry names what it matches (window message, or WM_COMMAND / WM_NOTIFY
// with a notification code and an id range) and a thunk: a function made from
// a template for the handler's exact member-function type, which unpacks
// wParam/lParam and calls the handler. A handler with the wrong signature does
// not compile. Dispatch walks from the most derived table to the base tables;
// the first matching entry wins.
#pragma once

#include "Framework.h"

#include <commctrl.h>
#include <shellapi.h>

class CCmdTarget;
class CCmdUI;
class CWnd;

// Codes passed to OnCmdMsg for WM_COMMAND routing.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI 0xFFFFFFFFu
#define CN_NOTIFY_EX_MARK 0xFFFFFFFEu

namespace lw {

// Everything a thunk needs about the message being dispatched.
struct MsgCall {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  UINT id;        // command or control id (WM_COMMAND / WM_NOTIFY)
  void* extra;    // CCmdUI* for update handlers, NMHDR* for notifications
  LRESULT* notifyResult;  // result slot of a WM_NOTIFY handler
  BOOL handled;   // cleared by handlers of the "_EX" kinds that decline
};

typedef LRESULT (*MsgThunk)(CCmdTarget* target, MsgCall& call);

enum MsgKind : UINT {
  kWindowMessage = 1,   // message..last
  kRegistered = 2,      // *registered
  kCommand = 3,         // WM_COMMAND with code, id first..last
  kNotify = 4,          // WM_NOTIFY with code, id first..last
  kUpdateUI = 5,        // CN_UPDATE_COMMAND_UI, id first..last
};

struct MsgMapEntry {
  UINT kind;
  UINT message;        // window message (first of a range) or 0
  UINT last;           // last message of a window-message range
  UINT code;           // notification code for commands and notifications
  UINT idFirst, idLast;
  const UINT* registered;
  MsgThunk thunk;
};

struct MsgMap {
  const MsgMap* (*base)();
  const MsgMapEntry* entries;  // ends with an entry whose kind is 0
};

// Finds the first entry in the chain from map to its bases.
const MsgMapEntry* FindWindowMessageEntry(const MsgMap* map, UINT message);
const MsgMapEntry* FindCommandEntry(const MsgMap* map, UINT kind, UINT code, UINT id, const MsgMapEntry* after);

// Runs one entry's handler (marks the message as being handled, so that a
// handler's Default() call does the default processing at once).
LRESULT CallHandler(const MsgMapEntry* entry, CCmdTarget* target, MsgCall& call);

// The thunk for handler F of class T, unpacked by Cracker.
template <class T, class Cracker, auto F>
LRESULT Thunk(CCmdTarget* target, MsgCall& call) {
  typename Cracker::template Pm<T> pm = F;  // a wrong handler signature fails here
  return Cracker::Invoke(static_cast<T*>(target), pm, call);
}

}  // namespace lw

#define DECLARE_MESSAGE_MAP()                          \
 protected:                                            \
  static const ::lw::MsgMap* GetThisMessageMap();      \
  const ::lw::MsgMap* GetMessageMap() const override;  \
                                                       \
 public:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                     \
  const ::lw::MsgMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const ::lw::MsgMap* theClass::GetThisMessageMap() {                              \
    typedef theClass ThisClass;                                                    \
    typedef baseClass TheBaseClass;                                                \
    static const ::lw::MsgMapEntry entries[] = {

#define END_MESSAGE_MAP()                                           \
  { 0, 0, 0, 0, 0, 0, nullptr, nullptr }                            \
  };                                                                \
  static const ::lw::MsgMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                      \
  }

// Entry builders.
#define LW_MSG_ENTRY(msg, cracker, fn) \
  {::lw::kWindowMessage, (UINT)(msg), (UINT)(msg), 0, 0, 0, nullptr, &::lw::Thunk<ThisClass, cracker, &ThisClass::fn>},
#define LW_MSG_RANGE_ENTRY(first, last, cracker, fn) \
  {::lw::kWindowMessage, (UINT)(first), (UINT)(last), 0, 0, 0, nullptr, &::lw::Thunk<ThisClass, cracker, &ThisClass::fn>},
#define LW_CMD_ENTRY(kind, code, first, last, cracker, fn)                                  \
  {(UINT)(kind), 0, 0, (UINT)(code), (UINT)(first), (UINT)(last), nullptr,                   \
   &::lw::Thunk<ThisClass, cracker, &ThisClass::fn>},

#include "MsgCrackers.h"

// Commands and control notifications.
#define ON_COMMAND(id, fn) LW_CMD_ENTRY(::lw::kCommand, CN_COMMAND, id, id, ::lw::crack::Void, fn)
#define ON_COMMAND_RANGE(first, last, fn) LW_CMD_ENTRY(::lw::kCommand, CN_COMMAND, first, last, ::lw::crack::Id, fn)
#define ON_COMMAND_EX(id, fn) LW_CMD_ENTRY(::lw::kCommand, CN_COMMAND, id, id, ::lw::crack::IdEx, fn)
#define ON_COMMAND_EX_RANGE(first, last, fn) LW_CMD_ENTRY(::lw::kCommand, CN_COMMAND, first, last, ::lw::crack::IdEx, fn)
#define ON_UPDATE_COMMAND_UI(id, fn) LW_CMD_ENTRY(::lw::kUpdateUI, 0, id, id, ::lw::crack::UpdateUI, fn)
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, fn) LW_CMD_ENTRY(::lw::kUpdateUI, 0, first, last, ::lw::crack::UpdateUI, fn)
#define ON_CONTROL(code, id, fn) LW_CMD_ENTRY(::lw::kCommand, code, id, id, ::lw::crack::Void, fn)
#define ON_CONTROL_RANGE(code, first, last, fn) LW_CMD_ENTRY(::lw::kCommand, code, first, last, ::lw::crack::Id, fn)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)

// WM_NOTIFY: handlers take (NMHDR*, LRESULT*); the range forms take the id first.
#define ON_NOTIFY(code, id, fn) LW_CMD_ENTRY(::lw::kNotify, code, id, id, ::lw::crack::Notify, fn)
#define ON_NOTIFY_RANGE(code, first, last, fn) LW_CMD_ENTRY(::lw::kNotify, code, first, last, ::lw::crack::NotifyRange, fn)
// The _EX forms return BOOL: FALSE lets the search go on to further entries.
#define ON_NOTIFY_EX(code, id, fn) LW_CMD_ENTRY(::lw::kNotify, code, id, id, ::lw::crack::NotifyEx, fn)
#define ON_NOTIFY_EX_RANGE(code, first, last, fn) LW_CMD_ENTRY(::lw::kNotify, code, first, last, ::lw::crack::NotifyEx, fn)

// Any window message: LRESULT fn(WPARAM, LPARAM).
#define ON_MESSAGE(msg, fn) LW_MSG_ENTRY(msg, ::lw::crack::Raw, fn)
#define ON_REGISTERED_MESSAGE(var, fn) \
  {::lw::kRegistered, 0, 0, 0, 0, 0, &(var), &::lw::Thunk<ThisClass, ::lw::crack::Raw, &ThisClass::fn>},

// WM_ handlers with the class library's names and signatures.
#define ON_WM_PAINT() LW_MSG_ENTRY(WM_PAINT, ::lw::crack::Void, OnPaint)
#define ON_WM_NCPAINT() LW_MSG_ENTRY(WM_NCPAINT, ::lw::crack::Void, OnNcPaint)
#define ON_WM_CREATE() LW_MSG_ENTRY(WM_CREATE, ::lw::crack::Create, OnCreate)
#define ON_WM_DESTROY() LW_MSG_ENTRY(WM_DESTROY, ::lw::crack::Void, OnDestroy)
#define ON_WM_CLOSE() LW_MSG_ENTRY(WM_CLOSE, ::lw::crack::Void, OnClose)
#define ON_WM_SIZE() LW_MSG_ENTRY(WM_SIZE, ::lw::crack::Size, OnSize)
#define ON_WM_MOVE() LW_MSG_ENTRY(WM_MOVE, ::lw::crack::Move, OnMove)
#define ON_WM_TIMER() LW_MSG_ENTRY(WM_TIMER, ::lw::crack::Timer, OnTimer)
#define ON_WM_LBUTTONDOWN() LW_MSG_ENTRY(WM_LBUTTONDOWN, ::lw::crack::Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() LW_MSG_ENTRY(WM_LBUTTONUP, ::lw::crack::Mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() LW_MSG_ENTRY(WM_LBUTTONDBLCLK, ::lw::crack::Mouse, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() LW_MSG_ENTRY(WM_RBUTTONDOWN, ::lw::crack::Mouse, OnRButtonDown)
#define ON_WM_RBUTTONUP() LW_MSG_ENTRY(WM_RBUTTONUP, ::lw::crack::Mouse, OnRButtonUp)
#define ON_WM_MOUSEMOVE() LW_MSG_ENTRY(WM_MOUSEMOVE, ::lw::crack::Mouse, OnMouseMove)
#define ON_WM_KEYDOWN() LW_MSG_ENTRY(WM_KEYDOWN, ::lw::crack::Key, OnKeyDown)
#define ON_WM_KEYUP() LW_MSG_ENTRY(WM_KEYUP, ::lw::crack::Key, OnKeyUp)
#define ON_WM_CHAR() LW_MSG_ENTRY(WM_CHAR, ::lw::crack::Key, OnChar)
#define ON_WM_SYSCHAR() LW_MSG_ENTRY(WM_SYSCHAR, ::lw::crack::Key, OnSysChar)
#define ON_WM_ERASEBKGND() LW_MSG_ENTRY(WM_ERASEBKGND, ::lw::crack::EraseBkgnd, OnEraseBkgnd)
#define ON_WM_CTLCOLOR() LW_MSG_RANGE_ENTRY(WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC, ::lw::crack::CtlColor, OnCtlColor)
#define ON_WM_HSCROLL() LW_MSG_ENTRY(WM_HSCROLL, ::lw::crack::Scroll, OnHScroll)
#define ON_WM_VSCROLL() LW_MSG_ENTRY(WM_VSCROLL, ::lw::crack::Scroll, OnVScroll)
#define ON_WM_DRAWITEM() LW_MSG_ENTRY(WM_DRAWITEM, ::lw::crack::DrawItem, OnDrawItem)
#define ON_WM_MEASUREITEM() LW_MSG_ENTRY(WM_MEASUREITEM, ::lw::crack::MeasureItem, OnMeasureItem)
#define ON_WM_SETFOCUS() LW_MSG_ENTRY(WM_SETFOCUS, ::lw::crack::FocusWnd, OnSetFocus)
#define ON_WM_KILLFOCUS() LW_MSG_ENTRY(WM_KILLFOCUS, ::lw::crack::FocusWnd, OnKillFocus)
#define ON_WM_CAPTURECHANGED() LW_MSG_ENTRY(WM_CAPTURECHANGED, ::lw::crack::CaptureChanged, OnCaptureChanged)
#define ON_WM_INITMENUPOPUP() LW_MSG_ENTRY(WM_INITMENUPOPUP, ::lw::crack::InitMenuPopup, OnInitMenuPopup)
#define ON_WM_MENUSELECT() LW_MSG_ENTRY(WM_MENUSELECT, ::lw::crack::MenuSelect, OnMenuSelect)
#define ON_WM_DROPFILES() LW_MSG_ENTRY(WM_DROPFILES, ::lw::crack::DropFiles, OnDropFiles)
#define ON_WM_CONTEXTMENU() LW_MSG_ENTRY(WM_CONTEXTMENU, ::lw::crack::ContextMenu, OnContextMenu)
#define ON_WM_SETCURSOR() LW_MSG_ENTRY(WM_SETCURSOR, ::lw::crack::SetCursor, OnSetCursor)
#define ON_WM_SHOWWINDOW() LW_MSG_ENTRY(WM_SHOWWINDOW, ::lw::crack::ShowWindow, OnShowWindow)
#define ON_WM_GETMINMAXINFO() LW_MSG_ENTRY(WM_GETMINMAXINFO, ::lw::crack::MinMaxInfo, OnGetMinMaxInfo)
#define ON_WM_SYSCOMMAND() LW_MSG_ENTRY(WM_SYSCOMMAND, ::lw::crack::SysCommand, OnSysCommand)
#define ON_WM_ACTIVATE() LW_MSG_ENTRY(WM_ACTIVATE, ::lw::crack::Activate, OnActivate)
#define ON_WM_ACTIVATEAPP() LW_MSG_ENTRY(WM_ACTIVATEAPP, ::lw::crack::ActivateApp, OnActivateApp)
#define ON_WM_NCHITTEST() LW_MSG_ENTRY(WM_NCHITTEST, ::lw::crack::NcHitTest, OnNcHitTest)
#define ON_WM_NCCALCSIZE() LW_MSG_ENTRY(WM_NCCALCSIZE, ::lw::crack::NcCalcSize, OnNcCalcSize)
#define ON_WM_QUERYDRAGICON() LW_MSG_ENTRY(WM_QUERYDRAGICON, ::lw::crack::QueryDragIcon, OnQueryDragIcon)
#define ON_WM_WINDOWPOSCHANGING() LW_MSG_ENTRY(WM_WINDOWPOSCHANGING, ::lw::crack::WindowPos, OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() LW_MSG_ENTRY(WM_WINDOWPOSCHANGED, ::lw::crack::WindowPos, OnWindowPosChanged)
