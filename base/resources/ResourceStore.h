#pragma once

#include <cstddef>
#include <span>
#include <string_view>

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
