#include "app/CScreenSaverApp.h"

#include "config/CSettingsDlg.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsRules.h"

namespace {

const char* const ErrorCaption = "错误";
const char* const NotSavedText = "无法保存设置,请检查 C:\\windows\\Glimmerbox.ini 是否可以写入。";

} // namespace

void CScreenSaverApp::RunConfiguration()
{
    CSettingsDlg dialog;
    dialog.intervalSeconds = IntervalForDialog(SettingsFile::ReadIntSetting(OtherSection, TimeKey));
    dialog.pictureCount = SettingsFile::ReadIntSetting(FileNameSection, NumberKey);
    // A hand-edited count never fills more slots than there are.
    const int toRead = PicturesToRead(dialog.pictureCount);
    for (int i = 0; i < toRead; ++i)
        dialog.picturePaths[i] = SettingsFile::ReadTextSetting(FileNameSection, PictureKey(i).c_str());

    if (dialog.DoModal() != IDOK)
        return;

    // Every write is attempted, in this order, even after one has failed;
    // a failure is then reported once rather than lost.
    bool saved = SettingsFile::WriteIntSetting(FileNameSection, NumberKey, dialog.pictureCount);
    for (int i = 0; i < dialog.pictureCount && i < MaxPictures; ++i)
        saved = SettingsFile::WriteTextSetting(FileNameSection, PictureKey(i).c_str(), dialog.picturePaths[i]) && saved;
    saved = SettingsFile::WriteIntSetting(OtherSection, TimeKey, dialog.intervalSeconds) && saved;
    if (!saved)
        MessageBoxA(nullptr, NotSavedText, ErrorCaption, MB_OK | MB_ICONEXCLAMATION);
}
