// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

// One resource compiled into the executable (see resources/ and tools/rescomp).
struct TResourceEntry {
    const char* Type;
    const char* Name;
    const unsigned char* Data;
    std::size_t Size;

    std::span<const unsigned char> Bytes() const { return {Data, Size}; }
    std::string_view Text() const { return {reinterpret_cast<const char*>(Data), Size}; }
};

// Every embedded resource; defined by the generated resource table.
std::span<const TResourceEntry> EmbeddedResources();

// Finds a resource by name and type, both compared without regard to case; null if none.
const TResourceEntry* FindResourceA(std::string_view name, std::string_view type);
// Every resource of that name and type, in table order: an icon keeps one picture a size.
std::vector<const TResourceEntry*> FindResources(std::string_view name, std::string_view type);
