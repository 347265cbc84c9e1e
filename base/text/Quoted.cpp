#include "base/text/Quoted.h"

std::string Quoted(std::string_view text)
{
    constexpr std::size_t kShown = 100;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += char(c);
        }
    }
    if (text.size() > kShown)
        out += "...";
    return out + "\"";
}
