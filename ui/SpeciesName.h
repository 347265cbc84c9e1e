#pragma once

#include <string>

// A species' name as the window shows it, in the user's language (UTF-8); empty for an
// unknown species. The family names stored in creatures are data and stay as they are:
// this is only for where the window names a species.
std::string SpeciesDisplayName(int species);
