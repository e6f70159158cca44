#pragma once

#include "framework/CWnd.h"
#include "saver/DriftRules.h"
#include "saver/PictureCanvas.h"
#include "settings/SettingsRules.h"

#include <array>
#include <cstdlib>
#include <memory>
#include <string>

// The picture window: prepares the framed pictures when it is created, then
// moves the current one every tick and changes it every interval.
class CDriftWnd : public CWnd {
public:
    static constexpr UINT_PTR DriftTimer = 1;
    static constexpr UINT_PTR PictureTimer = 2;

    CDriftWnd() = default;
    ~CDriftWnd() override = default;

    virtual bool CreateDriftWindow(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent);

    DECLARE_MESSAGE_TABLE()

protected:
    MessageResult OnCreate(WPARAM wParam, LPARAM lParam);
    MessageResult OnTimer(WPARAM wParam, LPARAM lParam);
    MessageResult OnPaint(WPARAM wParam, LPARAM lParam);

    // Reads the settings and composes one canvas per picture; reports its own
    // failures to the user. True when the show can start.
    bool PrepareShow();
    void StartDrift();
    void DriftTick(CDC& dc);
    void NextPicture(CDC& dc);

    int pictureCount = 0;
    std::array<std::unique_ptr<PictureCanvas>, MaxPictures> canvases;
    DriftState drift{};
    int intervalSeconds = 0;

private:
    class FrameSources;
    bool BuildCanvas(int slot, const CBitmap& picture, HDC windowDc, const FrameSources& frame);
    void ShowError(const std::string& text);
    void TakeCanvasSize();

    RandomSource random = [] { return std::rand(); };
};
