// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "app/Language.h"

namespace {

std::string Variable(const std::function<const char*(const char*)>& environment, const char* name)
{
    const char* value = environment(name);
    return value ? value : "";
}

}  // namespace

std::string ChooseLanguage(const std::string& requested,
                           const std::function<const char*(const char*)>& environment)
{
    if (!requested.empty())
        return requested;
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = Variable(environment, name); !locale.empty())
            break;
    const std::string languages = Variable(environment, "LANGUAGE");
    const bool plain = locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0;
    const std::string chosen = !languages.empty() && !plain ? languages : locale;
    // "ja", "ja_JP.UTF-8", "ja_JP@variant" and "ja:en" all name Japanese first.
    return chosen.substr(0, chosen.find_first_of("_.@:")) == "ja" ? "ja" : "en";
}
