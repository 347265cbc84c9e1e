// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/FieldEscape.h"

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool IsControl(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F;
}

int HexValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

std::string TwoHexDigits(unsigned char byte)
{
    return {kHexDigits[byte >> 4], kHexDigits[byte & 15]};
}

}  // namespace

std::string EscapeField(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default:
            if (IsControl(byte))
                out += "\\x" + TwoHexDigits(byte);
            else
                out += c;
        }
    }
    return out;
}

bool UnescapeField(std::string_view field, std::string& text, std::string& problem)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto byte = static_cast<unsigned char>(field[i]);
        if (IsControl(byte)) {
            problem = "control byte 0x" + TwoHexDigits(byte) + " written raw; it must be escaped";
            return false;
        }
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) {
            problem = "a backslash ends the field; write \\\\ for a backslash";
            return false;
        }
        const auto next = static_cast<unsigned char>(field[i]);
        switch (next) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 'x': {
            const int high = i + 1 < field.size() ? HexValue(field[i + 1]) : -1;
            const int low = i + 2 < field.size() ? HexValue(field[i + 2]) : -1;
            if (high < 0 || low < 0) {
                problem = "\\x must be followed by two hex digits";
                return false;
            }
            out += char(high * 16 + low);
            i += 2;
            break;
        }
        default:
            problem = next > 0x20 && next < 0x7F ? std::string("unknown escape \\") + field[i]
                                                 : "unknown escape: a backslash before byte 0x" + TwoHexDigits(next);
            return false;
        }
    }
    text = std::move(out);
    return true;
}
