#pragma once

#include "framework/CBitmap.h"
#include "framework/CDialog.h"
#include "framework/CListBox.h"
#include "framework/CSpinButtonCtrl.h"
#include "framework/CStatic.h"
#include "settings/SettingsRules.h"

#include <array>
#include <string>

// The settings dialog: the picture list with Add, Delete and a preview, and
// the interval. It exchanges data with its caller only through
// intervalSeconds, pictureCount and picturePaths.
class CSettingsDlg : public CDialog {
public:
    CSettingsDlg();
    ~CSettingsDlg() override = default;

    DECLARE_MESSAGE_TABLE()

    RECT previewFrame{};
    CStatic previewCtrl;
    CSpinButtonCtrl intervalSpin;
    CListBox pictureList;
    int intervalSeconds = 0;
    int pictureCount = 0;
    std::array<std::string, MaxPictures> picturePaths;
    HICON icon;

protected:
    void DoDataExchange(CDataExchange& exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    MessageResult OnSysCommand(WPARAM wParam, LPARAM lParam);
    MessageResult OnPaint(WPARAM wParam, LPARAM lParam);
    MessageResult OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    MessageResult OnDelete(WPARAM wParam, LPARAM lParam);
    MessageResult OnAdd(WPARAM wParam, LPARAM lParam);
    MessageResult OnSelectionChange(WPARAM wParam, LPARAM lParam);
    MessageResult OnAbout(WPARAM wParam, LPARAM lParam);

    void UpdateListExtent();
    void AddPicture();
    void DeletePictures();
    void PreviewPicture();
    void ShowAbout();

private:
    void ShowError(const std::string& text);

    // The picture the preview control shows; released with the next preview
    // or with the dialog.
    CBitmap previewPicture;
};
