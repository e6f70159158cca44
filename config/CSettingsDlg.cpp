#include "config/CSettingsDlg.h"

#include "config/CAboutDlg.h"
#include "config/IntervalRules.h"
#include "config/ListRules.h"
#include "config/PreviewRules.h"
#include "framework/CDataExchange.h"
#include "framework/CFileDialog.h"
#include "framework/CMenu.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"
#include "res/resource.h"

#include <vector>

namespace {

constexpr int IntervalField = 1000;
constexpr int AboutButton = 1002;
constexpr int PreviewControl = 1003;
constexpr int PictureListControl = 1008;
constexpr int AddButton = 1010;
constexpr int DeleteButton = 1011;
constexpr int IntervalSpinControl = 1020;
constexpr UINT AboutCommand = 16;

const char* const ErrorCaption = "错误";
const char* const NotABitmapText = "指定的文件不是位图文件格式。";
const char* const TooLargeText = "指定的图片必须小于屏幕尺寸。";
const char* const MissingSuffix = " 不存在。";
const char* const EmptyListText = "至少指定一张图片。";
const char* const ListFullText = "最多只能指定100张图片。";
const char* const PictureFilter = "位图文件(*.bmp)|*.bmp|所有文件(*.*)|*.*||";

} // namespace

BEGIN_MESSAGE_TABLE(CSettingsDlg, CDialog)
    ON_MESSAGE(WM_SYSCOMMAND, OnSysCommand)
    ON_MESSAGE(WM_PAINT, OnPaint)
    ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
    ON_COMMAND_CODE(DeleteButton, BN_CLICKED, OnDelete)
    ON_COMMAND_CODE(AddButton, BN_CLICKED, OnAdd)
    ON_COMMAND_CODE(PictureListControl, LBN_SELCHANGE, OnSelectionChange)
    ON_COMMAND_CODE(AboutButton, BN_CLICKED, OnAbout)
END_MESSAGE_TABLE()

CSettingsDlg::CSettingsDlg()
    : CDialog(IDD_SETTINGS),
      icon(LoadIconA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(IDI_PROGRAM)))
{
}

void CSettingsDlg::DoDataExchange(CDataExchange& exchange)
{
    DDX_Control(exchange, PreviewControl, previewCtrl);
    DDX_Control(exchange, IntervalSpinControl, intervalSpin);
    DDX_Control(exchange, PictureListControl, pictureList);
    DDX_Text(exchange, IntervalField, intervalSeconds);
    DDV_MinMaxInt(exchange, intervalSeconds, MinIntervalSeconds, MaxIntervalSeconds);
}

BOOL CSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu systemMenu = CMenu::SystemMenu(hwnd);
    const std::string aboutItem = CWinApp::LoadResourceString(IDS_ABOUT_ITEM);
    if (systemMenu && !aboutItem.empty()) {
        systemMenu.AppendItem(MF_SEPARATOR, 0, nullptr);
        systemMenu.AppendItem(MF_STRING, AboutCommand, aboutItem.c_str());
    }
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    const int filled = FilledSlotCount(picturePaths.data(), MaxPictures);
    for (int i = 0; i < filled; ++i)
        pictureList.AddString(picturePaths[i]);

    intervalSpin.SetRange(MinIntervalSeconds, MaxIntervalSeconds);
    UpdateListExtent();
    ShowWindow(previewCtrl.GetSafeHwnd(), SW_HIDE);

    RECT frame;
    GetWindowRect(previewCtrl.GetSafeHwnd(), &frame);
    POINT topLeft{ frame.left, frame.top };
    POINT bottomRight{ frame.right, frame.bottom };
    ScreenToClient(hwnd, &topLeft);
    ScreenToClient(hwnd, &bottomRight);
    previewFrame = RECT{ topLeft.x, topLeft.y, bottomRight.x, bottomRight.y };
    return TRUE;
}

void CSettingsDlg::ShowError(const std::string& text)
{
    ShowMessage(text.c_str(), ErrorCaption, MB_OK | MB_ICONEXCLAMATION);
}

void CSettingsDlg::UpdateListExtent()
{
    std::vector<std::string> entries;
    const int count = pictureList.GetCount();
    for (int i = 0; i < count; ++i)
        entries.push_back(pictureList.GetText(i));
    pictureList.SetHorizontalExtent(ListExtent(LongestEntry(entries)));
}

void CSettingsDlg::AddPicture()
{
    if (!CanAddPicture(pictureList.GetCount())) {
        ShowError(ListFullText);
        UpdateListExtent();
        return;
    }
    CFileDialog chooser(nullptr, nullptr, OFN_HIDEREADONLY, PictureFilter, this);
    if (chooser.DoModal() == IDOK) {
        const std::string& path = chooser.GetPathName();
        const CBitmap picture = CBitmap::LoadFromFile(path.c_str());
        if (!picture) {
            ShowError(NotABitmapText);
        } else {
            const BITMAP info = picture.GetInfo();
            if (FitsOnScreen(info.bmWidth, info.bmHeight, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)))
                pictureList.AddString(path);
            else
                ShowError(TooLargeText);
        }
    }
    UpdateListExtent();
}

void CSettingsDlg::DeletePictures()
{
    std::vector<bool> selected;
    const int count = pictureList.GetCount();
    for (int i = 0; i < count; ++i)
        selected.push_back(pictureList.GetSel(i));
    for (const int index : DeletionOrder(selected))
        pictureList.DeleteString(index);
    UpdateListExtent();
}

void CSettingsDlg::PreviewPicture()
{
    const int index = pictureList.GetCurSel();
    if (pictureList.GetCount() <= 0 || index < 0)
        return;
    const std::string path = pictureList.GetText(index);

    BITMAP info;
    {
        const CBitmap probe = CBitmap::LoadFromFile(path.c_str());
        if (!probe) {
            ShowError(path + MissingSuffix);
            return;
        }
        info = probe.GetInfo();
    }
    const PreviewPlacement place = FitPreview(
        info.bmWidth, info.bmHeight,
        PreviewFrame{ previewFrame.left, previewFrame.top, previewFrame.right, previewFrame.bottom });

    previewCtrl.SetBitmap(nullptr);
    previewPicture.Reset();
    MoveWindow(previewCtrl.GetSafeHwnd(), place.x, place.y, place.width, place.height, TRUE);
    previewPicture = CBitmap::LoadFromFile(path.c_str(), place.width, place.height);
    previewCtrl.SetBitmap(previewPicture.GetSafeHandle());
    ShowWindow(previewCtrl.GetSafeHwnd(), SW_SHOW);
}

void CSettingsDlg::OnOK()
{
    const int count = pictureList.GetCount();
    pictureCount = count;
    if (!CanAcceptList(count)) {
        ShowError(EmptyListText);
        return;
    }
    for (int i = 0; i < count && i < MaxPictures; ++i)
        picturePaths[i] = pictureList.GetText(i);
    CDialog::OnOK();
}

void CSettingsDlg::ShowAbout()
{
    CAboutDlg about;
    about.DoModal();
}

MessageResult CSettingsDlg::OnSysCommand(WPARAM wParam, LPARAM)
{
    if ((wParam & 0xFFF0) == AboutCommand) {
        ShowAbout();
        return 0;
    }
    return Default();
}

MessageResult CSettingsDlg::OnPaint(WPARAM, LPARAM)
{
    if (!IsIconic(hwnd))
        return Default();
    CPaintDC dc(hwnd);
    SendMessageA(hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT client;
    GetClientRect(hwnd, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.GetSafeHdc(), x, y, icon);
    return 0;
}

MessageResult CSettingsDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(icon);
}

MessageResult CSettingsDlg::OnDelete(WPARAM, LPARAM)
{
    DeletePictures();
    return 0;
}

MessageResult CSettingsDlg::OnAdd(WPARAM, LPARAM)
{
    AddPicture();
    return 0;
}

MessageResult CSettingsDlg::OnSelectionChange(WPARAM, LPARAM)
{
    PreviewPicture();
    return 0;
}

MessageResult CSettingsDlg::OnAbout(WPARAM, LPARAM)
{
    ShowAbout();
    return 0;
}
