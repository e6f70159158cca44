#pragma once

#include "config/CLinkStatic.h"
#include "framework/CDialog.h"

// The about box: the program's name, version and maker, with two links.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override = default;

    DECLARE_MESSAGE_TABLE()

protected:
    void DoDataExchange(CDataExchange& exchange) override;
    BOOL OnInitDialog() override;

    MessageResult OnSetCursor(WPARAM wParam, LPARAM lParam);
    MessageResult OnCtlColor(WPARAM wParam, LPARAM lParam);

private:
    HCURSOR arrowCursor = nullptr;
    HCURSOR linkCursor = nullptr;
    CLinkStatic homePageLink;
    CLinkStatic mailLink;
};
