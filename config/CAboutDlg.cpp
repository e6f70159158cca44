#include "config/CAboutDlg.h"

#include "config/LinkRules.h"
#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "res/resource.h"

BEGIN_MESSAGE_TABLE(CAboutDlg, CDialog)
    ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
    ON_MESSAGE_RANGE(WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC, OnCtlColor)
END_MESSAGE_TABLE()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT) {}

void CAboutDlg::DoDataExchange(CDataExchange& exchange)
{
    DDX_Control(exchange, HomePageLinkId, homePageLink);
    DDX_Control(exchange, MailLinkId, mailLink);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    arrowCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
    linkCursor = LoadCursorA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(IDC_HAND_CURSOR));
    return TRUE;
}

MessageResult CAboutDlg::OnSetCursor(WPARAM wParam, LPARAM)
{
    // The whole rectangle of a link shows the hand; everything else the arrow.
    const HWND under = reinterpret_cast<HWND>(wParam);
    SetCursor(IsLinkControl(GetDlgCtrlID(under)) ? linkCursor : arrowCursor);
    return TRUE;
}

MessageResult CAboutDlg::OnCtlColor(WPARAM wParam, LPARAM lParam)
{
    const LRESULT brush = Default();
    if (IsLinkControl(GetDlgCtrlID(reinterpret_cast<HWND>(lParam))))
        SetTextColor(reinterpret_cast<HDC>(wParam), LinkColour);
    return brush;
}
