// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/resources/DialogTemplate.h"

#include "base/resources/ResourceStore.h"

#include <charconv>

namespace {

// Splits a line into words; a word in double quotes may hold blanks.
bool SplitWords(std::string_view line, std::vector<std::string>& words, std::string& error)
{
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                error = "unclosed quote";
                return false;
            }
            words.emplace_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t')
            ++end;
        words.emplace_back(line.substr(i, end - i));
        i = end;
    }
    return true;
}

bool Number(const std::string& word, int& value)
{
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool Numbers(const std::vector<std::string>& words, std::size_t from, int* out[4])
{
    for (std::size_t k = 0; k < 4; ++k)
        if (from + k >= words.size() || !Number(words[from + k], *out[k]))
            return false;
    return true;
}

std::optional<TControlKind> Kind(const std::string& word)
{
    if (word == "BUTTON")
        return TControlKind::Button;
    if (word == "EDIT")
        return TControlKind::Edit;
    if (word == "STATIC")
        return TControlKind::Static;
    if (word == "SCROLLBAR")
        return TControlKind::ScrollBar;
    if (word == "ICON")
        return TControlKind::Icon;
    return std::nullopt;
}

bool Flag(const std::string& word, TControlTemplate& c)
{
    if (word == "DEFAULT")
        c.Default = true;
    else if (word == "TABSTOP")
        c.TabStop = true;
    else if (word == "BORDER")
        c.Border = true;
    else if (word == "READONLY")
        c.ReadOnly = true;
    else if (word == "RIGHT")
        c.RightAlign = true;
    else
        return false;
    return true;
}

bool ParseLine(const std::vector<std::string>& w, TDialogTemplate& d, bool& haveHeader, std::string& error)
{
    const std::string& key = w[0];
    if (key == "DIALOG") {
        int* frame[4] = {&d.X, &d.Y, &d.Width, &d.Height};
        if (w.size() != 6 || !Numbers(w, 2, frame)) {
            error = "DIALOG wants a name and four numbers";
            return false;
        }
        d.Name = w[1];
        haveHeader = true;
        return true;
    }
    if (!haveHeader) {
        error = "the first line must be DIALOG";
        return false;
    }
    if (key == "CAPTION" && w.size() == 2) {
        d.Caption = w[1];
        return true;
    }
    if (key == "FONT" && w.size() == 3 && Number(w[1], d.FontSize)) {
        d.FontName = w[2];
        return true;
    }
    if (key == "CONTROL" && w.size() >= 8) {
        TControlTemplate c;
        const auto kind = Kind(w[1]);
        int* box[4] = {&c.X, &c.Y, &c.Width, &c.Height};
        if (!kind || !Number(w[2], c.Id) || !Numbers(w, 4, box)) {
            error = "CONTROL wants a kind, an id, a text and four numbers";
            return false;
        }
        c.Kind = *kind;
        c.Text = w[3];
        for (std::size_t k = 8; k < w.size(); ++k)
            if (!Flag(w[k], c)) {
                error = "unknown control flag " + w[k];
                return false;
            }
        d.Controls.push_back(std::move(c));
        return true;
    }
    error = "cannot read a " + key + " line";
    return false;
}

}  // namespace

const TControlTemplate* TDialogTemplate::Find(int id) const
{
    for (const TControlTemplate& c : Controls)
        if (c.Id == id && id != -1)
            return &c;
    return nullptr;
}

std::optional<TDialogTemplate> ParseDialogTemplate(std::string_view text, std::string& error)
{
    TDialogTemplate d;
    bool haveHeader = false;
    std::vector<std::string> words;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!SplitWords(line, words, error) || (!words.empty() && words[0][0] != '#' &&
                                                !ParseLine(words, d, haveHeader, error))) {
            error = "line " + std::to_string(lineNumber) + ": " + error;
            return std::nullopt;
        }
    }
    if (!haveHeader) {
        error = "no DIALOG line";
        return std::nullopt;
    }
    return d;
}

std::optional<TDialogTemplate> LoadDialogTemplate(std::string_view name)
{
    const TResourceEntry* entry = FindResourceA(name, "DIALOG");
    if (!entry)
        return std::nullopt;
    std::string error;
    return ParseDialogTemplate(entry->Text(), error);
}
