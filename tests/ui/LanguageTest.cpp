// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "app/Language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

TEST(Language, FollowsTheLocaleAsGettextReadsItUnlessAsked)
{
    using TEnvironment = std::map<std::string, std::string>;
    const struct {
        TEnvironment Environment;
        std::string Requested;
        std::string Language;
    } cases[] = {
        {{}, "", "en"},
        {{{"LANG", "ja_JP.UTF-8"}}, "", "ja"},
        {{{"LANG", "ja_JP.UTF-8"}}, "en", "en"},
        {{{"LANG", "en_US.UTF-8"}}, "ja", "ja"},
        {{{"LANG", "de_DE.UTF-8"}}, "", "en"},
        {{{"LANG", "ja"}}, "", "ja"},
        {{{"LANG", "ja_JP@cjknarrow"}}, "", "ja"},
        {{{"LANG", "jam_JM"}}, "", "en"},
        {{{"LC_MESSAGES", "ja_JP.UTF-8"}, {"LANG", "en_US.UTF-8"}}, "", "ja"},
        {{{"LC_ALL", "en_US.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}}, "", "en"},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "ja_JP.UTF-8"}}, "", "ja"},
        {{{"LANGUAGE", "ja:en"}, {"LANG", "en_US.UTF-8"}}, "", "ja"},
        {{{"LANGUAGE", "en"}, {"LANG", "ja_JP.UTF-8"}}, "", "en"},
        {{{"LANGUAGE", "ja"}, {"LANG", "C"}}, "", "en"},
        {{{"LANGUAGE", "ja"}, {"LANG", "C.UTF-8"}}, "", "en"},
        {{{"LANGUAGE", "ja"}}, "", "en"},
    };
    for (const auto& c : cases) {
        const auto environment = [&c](const char* name) -> const char* {
            const auto found = c.Environment.find(name);
            return found == c.Environment.end() ? nullptr : found->second.c_str();
        };
        std::string shown;
        for (const auto& [name, value] : c.Environment)
            shown += name + "=" + value + " ";
        EXPECT_EQ(ChooseLanguage(c.Requested, environment), c.Language) << shown << "--lang " << c.Requested;
    }
}
