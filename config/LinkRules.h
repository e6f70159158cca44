#pragma once

// The two links of the about box. The resource script includes this file for
// the texts of the link controls, so the texts shown and the targets opened
// come from one place. Both are short enough to fit their controls whole.

#define GLIMMERBOX_MAIL_ADDRESS "tw@example.com"
#define GLIMMERBOX_HOME_PAGE_URL "http://example.com/tw/"

#ifndef RC_INVOKED

inline constexpr int MailLinkId = 1002;
inline constexpr int HomePageLinkId = 1006;

// Text colour of both links as a COLORREF: red 20, green 3, blue 228.
inline constexpr unsigned LinkColour = 0x00E40314;

inline constexpr char MailAddress[] = GLIMMERBOX_MAIL_ADDRESS;
inline constexpr char HomePageUrl[] = GLIMMERBOX_HOME_PAGE_URL;
// Handed to the shell as it stands: the blanks and the Chinese subject are
// not percent-encoded.
inline constexpr char MailTarget[] =
    "mailto:" GLIMMERBOX_MAIL_ADDRESS "?subject=关于 Glimmerbox 1.0 OEM版";

bool IsLinkControl(int id);

// What the shell opens for a link control; nullptr for any other control.
const char* LinkTarget(int id);

// The text a link control shows; nullptr for any other control.
const char* LinkText(int id);

#endif
