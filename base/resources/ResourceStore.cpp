// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/resources/ResourceStore.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameText(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

}  // namespace

const TResourceEntry* FindResourceA(std::string_view name, std::string_view type)
{
    for (const TResourceEntry& entry : EmbeddedResources())
        if (SameText(entry.Name, name) && SameText(entry.Type, type))
            return &entry;
    return nullptr;
}

std::vector<const TResourceEntry*> FindResources(std::string_view name, std::string_view type)
{
    std::vector<const TResourceEntry*> found;
    for (const TResourceEntry& entry : EmbeddedResources())
        if (SameText(entry.Name, name) && SameText(entry.Type, type))
            found.push_back(&entry);
    return found;
}
