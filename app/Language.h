// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <string>

// The language of the window's texts, "ja" or "en". `requested` is --lang when given.
// Otherwise the locale decides, read as gettext reads it: the first of LC_ALL,
// LC_MESSAGES and LANG that is set names the locale, and LANGUAGE, when set and the
// locale is not "C" (or "C.UTF-8") or "POSIX", names the languages to use in its place. Japanese when the
// first language named is ja, English for any other.
std::string ChooseLanguage(const std::string& requested,
                           const std::function<const char*(const char*)>& environment);
