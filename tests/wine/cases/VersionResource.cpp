// The executable's identity as Windows shows it in the file's properties: one
// version resource in locale 0x0804, read back from both builds.
#include "support/CModuleResources.h"
#include "support/CTestEnvironment.h"
#include "support/CVersionResource.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct Build {
    const char* name;
    std::wstring (*path)();
};

// Names the case in GoogleTest's messages.
void PrintTo(const Build& c, std::ostream* out)
{
    *out << c.name;
}

class VersionResource : public testing::TestWithParam<Build> {
protected:
    std::wstring Path() const { return GetParam().path(); }
};

TEST_P(VersionResource, FixedFieldsAreVersion1001OfAnApp)
{
    CVersionResource version(Path());
    ASSERT_TRUE(version.IsLoaded()) << "no version resource in " << Path();
    const auto fixed = version.Fixed();
    ASSERT_TRUE(fixed.has_value());
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, 0x40004u);
    EXPECT_EQ(fixed->dwFileType, 1u);
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
    EXPECT_EQ(fixed->dwFileDateMS, 0u);
    EXPECT_EQ(fixed->dwFileDateLS, 0u);
}

TEST_P(VersionResource, StringsAreInTheChineseBlock)
{
    CVersionResource version(Path());
    ASSERT_TRUE(version.IsLoaded());
    const std::pair<const wchar_t*, const wchar_t*> table[] = {
        {L"CompanyName", L"Tarnwick"},
        {L"FileDescription", L"Glimmerbox"},
        {L"FileVersion", L"1, 0, 0, 1"},
        {L"InternalName", L"Glimmerbox"},
        {L"OriginalFilename", L"Glimmerbox.scr"},
        {L"ProductName", L"Tarnwick Glimmerbox"},
        {L"ProductVersion", L"1, 0, 0, 1"},
    };
    for (const auto& [name, value] : table)
        EXPECT_EQ(version.String(L"080404b0", name), std::wstring(value)) << name;
    const std::vector<std::pair<WORD, WORD>> translations = {{0x0804, 0x04B0}};
    EXPECT_EQ(version.Translations(), translations);
}

TEST_P(VersionResource, IsTheOnlyOneAndInLocale0804)
{
    CModuleResources resources(Path());
    ASSERT_TRUE(resources.IsOpen());
    std::vector<std::pair<std::wstring, WORD>> found; // (name, language)
    EnumResourceNamesW(
        resources.Module(), RT_VERSION,
        [](HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR context) -> BOOL {
            const std::wstring shownName =
                IS_INTRESOURCE(name) ? std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : std::wstring(name);
            struct Call {
                std::vector<std::pair<std::wstring, WORD>>* found;
                std::wstring name;
            } call{reinterpret_cast<std::vector<std::pair<std::wstring, WORD>>*>(context), shownName};
            EnumResourceLanguagesW(
                module, type, name,
                [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR inner) -> BOOL {
                    auto& c = *reinterpret_cast<Call*>(inner);
                    c.found->emplace_back(c.name, language);
                    return TRUE;
                },
                reinterpret_cast<LONG_PTR>(&call));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&found));
    const std::vector<std::pair<std::wstring, WORD>> expected = {{L"1", 0x0804}};
    EXPECT_EQ(found, expected);
}

INSTANTIATE_TEST_SUITE_P(Builds, VersionResource,
                         testing::Values(Build{"x86_64", CTestEnvironment::ScrPath},
                                         Build{"i686", CTestEnvironment::Scr32Path}),
                         [](const testing::TestParamInfo<Build>& info) { return info.param.name; });

} // namespace
