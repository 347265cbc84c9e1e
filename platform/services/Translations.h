// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>
#include <string>

class QTranslator;

// The window's texts in one language: the program's catalogue (embedded, ":/i18n/
// CATALOGUE_LANGUAGE.qm") and the toolkit's own for its context menus and standard
// buttons (from the system's Qt translations). Installed while this object lives. The
// source texts need no catalogue; one that is missing leaves them as they are.
class TTranslations {
public:
    TTranslations(const std::string& catalogue, const std::string& language);
    ~TTranslations();
    TTranslations(const TTranslations&) = delete;
    TTranslations& operator=(const TTranslations&) = delete;

    // Whether the program's catalogue was found.
    bool Loaded() const { return Loaded_; }

private:
    std::unique_ptr<QTranslator> Program_;
    std::unique_ptr<QTranslator> Toolkit_;
    bool Loaded_ = false;
};
