#pragma once

#include <ostream>
#include <string>
#include <string_view>

// Writes bytes to `path`, or to standard output when path is "-". A file is written beside its
// final name and renamed over it, so that a failed run leaves no half file. On failure
// returns false with the reason in `error`.
bool WriteOutput(const std::string& path, std::string_view bytes, std::ostream& standardOutput, std::string& error);
