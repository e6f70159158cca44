#pragma once

// The texts the user reads in the configuration mode, as Unicode: what the
// program's code page 936 texts must come out as on the screen.
namespace ProgramTexts {

inline constexpr wchar_t AppCaption[] = L"Glimmerbox";
inline constexpr wchar_t ErrorCaption[] = L"\u9519\u8BEF"; // 错误

// 至少指定一张图片。
inline constexpr wchar_t EmptyList[] = L"\u81F3\u5C11\u6307\u5B9A\u4E00\u5F20\u56FE\u7247\u3002";
// 指定的图片必须小于屏幕尺寸。
inline constexpr wchar_t TooLarge[] = L"\u6307\u5B9A\u7684\u56FE\u7247\u5FC5\u987B\u5C0F\u4E8E\u5C4F\u5E55\u5C3A\u5BF8\u3002";
// 指定的文件不是位图文件格式。
inline constexpr wchar_t NotABitmap[] = L"\u6307\u5B9A\u7684\u6587\u4EF6\u4E0D\u662F\u4F4D\u56FE\u6587\u4EF6\u683C\u5F0F\u3002";
// 最多只能指定100张图片。
inline constexpr wchar_t ListFull[] = L"\u6700\u591A\u53EA\u80FD\u6307\u5B9A" L"100" L"\u5F20\u56FE\u7247\u3002";
// " 不存在。", after the path of a picture that does not load.
inline constexpr wchar_t MissingSuffix[] = L" \u4E0D\u5B58\u5728\u3002";
// 无法保存设置,请检查 C:\windows\Glimmerbox.ini 是否可以写入。
inline constexpr wchar_t NotSaved[] = L"\u65E0\u6CD5\u4FDD\u5B58\u8BBE\u7F6E,\u8BF7\u68C0\u67E5 "
                                      L"C:\\windows\\Glimmerbox.ini \u662F\u5426\u53EF\u4EE5\u5199\u5165\u3002";

// The framework's messages, caption AppCaption.
inline constexpr wchar_t NotAnInteger[] = L"\u8BF7\u952E\u5165\u4E00\u4E2A\u6574\u6570\u3002"; // 请键入一个整数。
// “请填入一个在5和180之间的整数。”
inline constexpr wchar_t IntervalRange[] = L"\u201C\u8BF7\u586B\u5165\u4E00\u4E2A\u5728" L"5" L"\u548C" L"180"
                                           L"\u4E4B\u95F4\u7684\u6574\u6570\u3002\u201D";
inline constexpr wchar_t HelpFailed[] = L"\u542F\u52A8\u5E2E\u52A9\u5931\u8D25\u3002"; // 启动帮助失败。

inline constexpr wchar_t AboutCaption[] = L"\u5173\u4E8E Glimmerbox"; // 关于 Glimmerbox

} // namespace ProgramTexts
