#pragma once

class CMainFrame : public CFrameWnd
{
public:
	CMainFrame();
	virtual void GetMessageString(UINT nID, CString& rMessage) const;
};
