#pragma once

#include <string>
#include <string_view>

// A value the user typed, fit to stand in one line of a message: in double quotes, control
// characters shown as \xNN, and anything past the first 100 bytes cut with "...".
std::string Quoted(std::string_view text);
