#pragma once

#include "framework/CWnd.h"

class CDC;

// The picture window: prepares the framed pictures when it is created, then
// moves the current one every tick and changes it every interval.
class CDriftWnd : public CWnd {
public:
    static constexpr UINT_PTR DriftTimer = 1;
    static constexpr UINT_PTR PictureTimer = 2;
    static constexpr UINT DriftPeriodMs = 50;

    CDriftWnd() = default;
    ~CDriftWnd() override = default;

    virtual bool CreateDriftWindow(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent);

    DECLARE_MESSAGE_TABLE()

protected:
    MessageResult OnCreate(WPARAM wParam, LPARAM lParam);
    MessageResult OnTimer(WPARAM wParam, LPARAM lParam);
    MessageResult OnPaint(WPARAM wParam, LPARAM lParam);

    bool PrepareShow();

    int pictureCount = 0;
    int intervalSeconds = 0;
};
