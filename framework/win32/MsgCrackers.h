// Unpackers for the message-map thunks: one per handler signature. Part of
// MessageMap.h; include that instead.
#pragma once

class CDC;
class CMenu;
class CScrollBar;

namespace lw {

// Wrappers for the handles a message carries (temporary ones where no
// permanent object exists); defined with the window classes.
CWnd* WndFromHandle(HWND hwnd);
CDC* DcFromHandle(HDC hdc);
CMenu* MenuFromHandle(HMENU menu);
CScrollBar* ScrollBarFromHandle(HWND hwnd);

inline int SignedLow(LPARAM l) { return static_cast<short>(LOWORD(static_cast<DWORD_PTR>(l))); }
inline int SignedHigh(LPARAM l) { return static_cast<short>(HIWORD(static_cast<DWORD_PTR>(l))); }
inline CPoint PointOf(LPARAM l) { return CPoint(SignedLow(l), SignedHigh(l)); }
inline UINT Low(WPARAM w) { return LOWORD(static_cast<DWORD_PTR>(w)); }
inline UINT High(WPARAM w) { return HIWORD(static_cast<DWORD_PTR>(w)); }

namespace crack {

#define LW_CRACKER(name, ret, params, call)                         \
  struct name {                                                     \
    template <class T>                                              \
    using Pm = ret (T::*) params;                                   \
    template <class T>                                              \
    static LRESULT Invoke(T* t, Pm<T> pm, MsgCall& m) { call; }     \
  };

LW_CRACKER(Void, void, (), (t->*pm)(); (void)m; return 0)
LW_CRACKER(Id, void, (UINT), (t->*pm)(m.id); return 0)
LW_CRACKER(IdEx, BOOL, (UINT), m.handled = (t->*pm)(m.id); return 0)
LW_CRACKER(UpdateUI, void, (CCmdUI*), (t->*pm)(static_cast<CCmdUI*>(m.extra)); return 0)
LW_CRACKER(Notify, void, (NMHDR*, LRESULT*), (t->*pm)(static_cast<NMHDR*>(m.extra), m.notifyResult); return 0)
LW_CRACKER(NotifyRange, void, (UINT, NMHDR*, LRESULT*),
           (t->*pm)(m.id, static_cast<NMHDR*>(m.extra), m.notifyResult); return 0)
LW_CRACKER(NotifyEx, BOOL, (UINT, NMHDR*, LRESULT*),
           m.handled = (t->*pm)(m.id, static_cast<NMHDR*>(m.extra), m.notifyResult); return 0)
LW_CRACKER(Raw, LRESULT, (WPARAM, LPARAM), return (t->*pm)(m.wParam, m.lParam))
LW_CRACKER(Create, int, (LPCREATESTRUCT), return (t->*pm)(reinterpret_cast<LPCREATESTRUCT>(m.lParam)))
LW_CRACKER(Size, void, (UINT, int, int),
           (t->*pm)(static_cast<UINT>(m.wParam), SignedLow(m.lParam), SignedHigh(m.lParam)); return 0)
LW_CRACKER(Move, void, (int, int), (t->*pm)(SignedLow(m.lParam), SignedHigh(m.lParam)); return 0)
LW_CRACKER(Timer, void, (UINT_PTR), (t->*pm)(static_cast<UINT_PTR>(m.wParam)); return 0)
LW_CRACKER(Mouse, void, (UINT, CPoint), (t->*pm)(static_cast<UINT>(m.wParam), PointOf(m.lParam)); return 0)
LW_CRACKER(Key, void, (UINT, UINT, UINT),
           (t->*pm)(static_cast<UINT>(m.wParam), Low(static_cast<WPARAM>(m.lParam)),
                    High(static_cast<WPARAM>(m.lParam)));
           return 0)
LW_CRACKER(EraseBkgnd, BOOL, (CDC*), return (t->*pm)(DcFromHandle(reinterpret_cast<HDC>(m.wParam))))
LW_CRACKER(CtlColor, HBRUSH, (CDC*, CWnd*, UINT),
           return reinterpret_cast<LRESULT>((t->*pm)(DcFromHandle(reinterpret_cast<HDC>(m.wParam)),
                                                     WndFromHandle(reinterpret_cast<HWND>(m.lParam)),
                                                     m.message - WM_CTLCOLORMSGBOX)))
LW_CRACKER(Scroll, void, (UINT, UINT, CScrollBar*),
           (t->*pm)(Low(m.wParam), High(m.wParam), ScrollBarFromHandle(reinterpret_cast<HWND>(m.lParam)));
           return 0)
LW_CRACKER(DrawItem, void, (int, LPDRAWITEMSTRUCT),
           (t->*pm)(static_cast<int>(m.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(m.lParam)); return TRUE)
LW_CRACKER(MeasureItem, void, (int, LPMEASUREITEMSTRUCT),
           (t->*pm)(static_cast<int>(m.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(m.lParam)); return TRUE)
LW_CRACKER(FocusWnd, void, (CWnd*), (t->*pm)(WndFromHandle(reinterpret_cast<HWND>(m.wParam))); return 0)
LW_CRACKER(CaptureChanged, void, (CWnd*), (t->*pm)(WndFromHandle(reinterpret_cast<HWND>(m.lParam))); return 0)
LW_CRACKER(InitMenuPopup, void, (CMenu*, UINT, BOOL),
           (t->*pm)(MenuFromHandle(reinterpret_cast<HMENU>(m.wParam)), Low(static_cast<WPARAM>(m.lParam)),
                    High(static_cast<WPARAM>(m.lParam)) != 0);
           return 0)
LW_CRACKER(MenuSelect, void, (UINT, UINT, HMENU),
           (t->*pm)(Low(m.wParam), High(m.wParam), reinterpret_cast<HMENU>(m.lParam)); return 0)
LW_CRACKER(DropFiles, void, (HDROP), (t->*pm)(reinterpret_cast<HDROP>(m.wParam)); return 0)
LW_CRACKER(ContextMenu, void, (CWnd*, CPoint),
           (t->*pm)(WndFromHandle(reinterpret_cast<HWND>(m.wParam)), PointOf(m.lParam)); return 0)
LW_CRACKER(SetCursor, BOOL, (CWnd*, UINT, UINT),
           return (t->*pm)(WndFromHandle(reinterpret_cast<HWND>(m.wParam)), Low(static_cast<WPARAM>(m.lParam)),
                           High(static_cast<WPARAM>(m.lParam))))
LW_CRACKER(ShowWindow, void, (BOOL, UINT),
           (t->*pm)(static_cast<BOOL>(m.wParam), static_cast<UINT>(m.lParam)); return 0)
LW_CRACKER(MinMaxInfo, void, (MINMAXINFO*), (t->*pm)(reinterpret_cast<MINMAXINFO*>(m.lParam)); return 0)
LW_CRACKER(SysCommand, void, (UINT, LPARAM), (t->*pm)(static_cast<UINT>(m.wParam), m.lParam); return 0)
LW_CRACKER(Activate, void, (UINT, CWnd*, BOOL),
           (t->*pm)(Low(m.wParam), WndFromHandle(reinterpret_cast<HWND>(m.lParam)), High(m.wParam) != 0);
           return 0)
LW_CRACKER(ActivateApp, void, (BOOL, DWORD),
           (t->*pm)(static_cast<BOOL>(m.wParam), static_cast<DWORD>(m.lParam)); return 0)
LW_CRACKER(NcHitTest, LRESULT, (CPoint), return (t->*pm)(PointOf(m.lParam)))
LW_CRACKER(NcCalcSize, void, (BOOL, NCCALCSIZE_PARAMS*),
           (t->*pm)(static_cast<BOOL>(m.wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(m.lParam)); return 0)
LW_CRACKER(QueryDragIcon, HCURSOR, (), (void)m; return reinterpret_cast<LRESULT>((t->*pm)()))
LW_CRACKER(WindowPos, void, (WINDOWPOS*), (t->*pm)(reinterpret_cast<WINDOWPOS*>(m.lParam)); return 0)

#undef LW_CRACKER

}  // namespace crack
}  // namespace lw
