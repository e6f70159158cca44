#include "config/LinkRules.h"

bool IsLinkControl(int id)
{
    return id == MailLinkId || id == HomePageLinkId;
}

const char* LinkTarget(int id)
{
    switch (id) {
    case MailLinkId:
        return MailTarget;
    case HomePageLinkId:
        return HomePageUrl;
    default:
        return nullptr;
    }
}

const char* LinkText(int id)
{
    switch (id) {
    case MailLinkId:
        return MailAddress;
    case HomePageLinkId:
        return HomePageUrl;
    default:
        return nullptr;
    }
}
