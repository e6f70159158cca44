#include "config/LinkRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The host compiles this file as UTF-8; the program stores the subject in code page 936.
const std::string MailTargetText = u8"mailto:tw@example.com?subject=关于 Glimmerbox 1.0 OEM版";

TEST(LinkRules, OnlyTheTwoLinkControlsOpenSomething)
{
    EXPECT_EQ(LinkTarget(1002), MailTargetText);
    EXPECT_STREQ(LinkTarget(1006), "http://example.com/tw/");
    for (int id : {0, 1, 2, 1000, 1001, 1003, 1005, 1007, 1008, 65535, -1}) {
        EXPECT_EQ(LinkTarget(id), nullptr) << id;
        EXPECT_EQ(LinkText(id), nullptr) << id;
        EXPECT_FALSE(IsLinkControl(id)) << id;
    }
    EXPECT_TRUE(IsLinkControl(1002));
    EXPECT_TRUE(IsLinkControl(1006));
}

TEST(LinkRules, LinksShowTheirAddresses)
{
    EXPECT_STREQ(LinkText(1002), "tw@example.com");
    EXPECT_STREQ(LinkText(1006), "http://example.com/tw/");
    // The mail target is built on the address shown, subject not percent-encoded.
    EXPECT_EQ(std::string(LinkTarget(1002)).find(std::string("mailto:") + LinkText(1002) + "?subject="), 0u);
}

TEST(LinkRules, LinkColourIsBlue)
{
    EXPECT_EQ(LinkColour, 0x00E40314u);
    EXPECT_EQ(LinkColour & 0xFF, 20u);            // red
    EXPECT_EQ((LinkColour >> 8) & 0xFF, 3u);      // green
    EXPECT_EQ((LinkColour >> 16) & 0xFF, 228u);   // blue
}

} // namespace
