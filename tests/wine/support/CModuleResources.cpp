#include "support/CModuleResources.h"

#include <cstring>

CModuleResources::CModuleResources(const std::wstring& path)
{
    module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr)
        module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

CModuleResources::~CModuleResources()
{
    if (module != nullptr)
        FreeLibrary(module);
}

std::optional<std::string> CModuleResources::Raw(LPCWSTR type, LPCWSTR name) const
{
    if (module == nullptr)
        return std::nullopt;
    HRSRC found = FindResourceW(module, name, type);
    if (found == nullptr)
        return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return std::nullopt;
    return std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
}

std::optional<std::string> CModuleResources::FirstCursorOfGroup(WORD group) const
{
    // A cursor group is a NEWHEADER (6 bytes) and 14-byte entries whose last word
    // is the id of the RT_CURSOR resource.
    const auto directory = Raw(RT_GROUP_CURSOR, MAKEINTRESOURCEW(group));
    if (!directory || directory->size() < 6 + 14)
        return std::nullopt;
    WORD count = 0;
    std::memcpy(&count, directory->data() + 4, sizeof count);
    if (count == 0)
        return std::nullopt;
    WORD id = 0;
    std::memcpy(&id, directory->data() + 6 + 12, sizeof id);
    return Raw(RT_CURSOR, MAKEINTRESOURCEW(id));
}
