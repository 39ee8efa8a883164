class CChildView;
class CMainFrame : public CFrameWnd
{
protected:
	DECLARE_DYNAMIC(CMainFrame)
public:
	virtual void GetMessageString(UINT nID, CString& rMessage) const;
	CString GetName() const { return m_s; }
	afx_msg void OnPaint();
	DECLARE_MESSAGE_MAP()
};
