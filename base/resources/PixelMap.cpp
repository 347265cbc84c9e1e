// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/resources/PixelMap.h"

#include <sstream>

bool ParsePixelMap(std::string_view text, std::string_view alphabet, TPixelMap& out, std::string& error)
{
    out = {};
    bool first = true;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        if (first && line.starts_with("hotspot")) {
            std::istringstream in{std::string(line.substr(7))};
            if (!(in >> out.HotX >> out.HotY)) {
                error = "bad hotspot line";
                return false;
            }
            first = false;
            continue;
        }
        first = false;
        if (out.Height == 0)
            out.Width = int(line.size());
        if (int(line.size()) != out.Width) {
            error = "row " + std::to_string(out.Height + 1) + " is " + std::to_string(line.size()) +
                    " wide, not " + std::to_string(out.Width);
            return false;
        }
        for (char c : line) {
            const std::size_t index = alphabet.find(c);
            if (index == std::string_view::npos) {
                error = std::string("unknown pixel '") + c + "' in row " + std::to_string(out.Height + 1);
                return false;
            }
            out.Indexes.push_back(static_cast<std::uint8_t>(index));
        }
        ++out.Height;
    }
    if (out.Height == 0) {
        error = "no pixels";
        return false;
    }
    if (out.HotX < 0 || out.HotY < 0 || out.HotX >= out.Width || out.HotY >= out.Height) {
        error = "hotspot outside the picture";
        return false;
    }
    return true;
}

bool ParseColourMap(std::string_view text, TPixelMap& out, std::string& error)
{
    // '.' is the background's own index, written apart so that the figure stands out.
    std::string pixels(text);
    bool comment = false;
    bool lineStart = true;
    for (char& c : pixels) {
        if (lineStart)
            comment = c == '#';
        lineStart = c == '\n';
        if (!comment && c == '.')
            c = 'E';
    }
    return ParsePixelMap(pixels, "0123456789ABCDEF", out, error);
}
