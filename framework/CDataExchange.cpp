#include "framework/CDataExchange.h"

#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "framework/IntegerFieldRules.h"

#include <string>

HWND CDataExchange::PrepareEditControl(int id)
{
    lastControl = GetDlgItem(dialog.GetSafeHwnd(), id);
    return lastControl;
}

void CDataExchange::Fail(UINT messageId, const char* first, const char* second)
{
    std::string text = CWinApp::LoadResourceString(messageId);
    const auto replace = [&text](const char* marker, const char* value) {
        if (!value)
            return;
        const std::string::size_type at = text.find(marker);
        if (at != std::string::npos)
            text.replace(at, 2, value);
    };
    replace("%1", first);
    replace("%2", second);
    if (CWinApp::Current())
        CWinApp::Current()->ShowMessage(text, MB_OK | MB_ICONEXCLAMATION);
    else
        MessageBoxA(dialog.GetSafeHwnd(), text.c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
    if (lastControl) {
        SetFocus(lastControl);
        SendMessageA(lastControl, EM_SETSEL, 0, -1);
    }
    failed = true;
}

void DDX_Control(CDataExchange& exchange, int id, CWnd& control)
{
    if (exchange.Failed() || control.GetSafeHwnd())
        return;
    control.SubclassWindow(GetDlgItem(exchange.Dialog().GetSafeHwnd(), id));
}

void DDX_Text(CDataExchange& exchange, int id, int& value)
{
    if (exchange.Failed())
        return;
    HWND field = exchange.PrepareEditControl(id);
    if (!exchange.SavingAndValidating()) {
        SetWindowTextA(field, std::to_string(value).c_str());
        return;
    }
    char text[IntegerFieldChars + 1] = {};
    GetWindowTextA(field, text, sizeof text);
    if (const std::optional<int> parsed = ParseIntegerField(text))
        value = *parsed;
    else
        exchange.Fail(CWinApp::NotAnIntegerString);
}

void DDV_MinMaxInt(CDataExchange& exchange, int value, int minimum, int maximum)
{
    if (exchange.Failed() || !exchange.SavingAndValidating())
        return;
    if (value >= minimum && value <= maximum)
        return;
    exchange.Fail(CWinApp::IntegerRangeString, std::to_string(minimum).c_str(), std::to_string(maximum).c_str());
}
