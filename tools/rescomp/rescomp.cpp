// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// Compiles the resource sources into a C++ table that the executables embed.
// Pictures kept as text pixel maps become 4-bit bitmaps; cursors, dialog templates and
// waves are checked and embedded as they are.
//
//   rescomp OUT.cpp TYPE=NAME=FILE ...
//   rescomp --icons DIR NAME PICTURE.txt...   the desktop icon: DIR/SIZExSIZE/apps/NAME.png
//                                             at every icon size, from the pixel maps

#include "base/gfx/BmpCodec.h"
#include "base/gfx/IconPicture.h"
#include "base/gfx/Palette.h"
#include "base/gfx/PngWriter.h"
#include "base/resources/DialogTemplate.h"
#include "base/resources/PixelMap.h"
#include "base/resources/ResourceStore.h"
#include "base/resources/WaveImage.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TSource {
    std::string Type, Name, File;
};

bool ReadFile(const std::string& path, std::vector<unsigned char>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), {});
    return true;
}

bool Convert(const TSource& s, std::vector<unsigned char>& data, std::string& error)
{
    if (!ReadFile(s.File, data)) {
        error = "cannot read";
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(data.data()), data.size());
    if (s.Type == "BITMAP" || s.Type == "ICON") {
        TPixelMap map;
        if (!ParseColourMap(text, map, error))
            return false;
        data = EncodeBmp4(map.Width, map.Height, map.Indexes);
        return true;
    }
    if (s.Type == "CURSOR") {
        TPixelMap map;
        return ParsePixelMap(text, kCursorAlphabet, map, error);
    }
    if (s.Type == "DIALOG")
        return ParseDialogTemplate(text, error).has_value();
    if (s.Type == "WAVE") {
        if (ParseWave(data))
            return true;
        error = "not a PCM wave image";
        return false;
    }
    error = "unknown resource type " + s.Type;
    return false;
}

bool WriteFile(const std::string& path, const std::vector<unsigned char>& data)
{
    const std::string tmp = path + ".tmp";
    std::ofstream file(tmp, std::ios::binary);
    file.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    file.close();
    return file && std::rename(tmp.c_str(), path.c_str()) == 0;
}

bool ReadPicture(const std::string& path, TBitmap& picture)
{
    std::vector<unsigned char> data;
    TPixelMap map;
    std::string error = "cannot read";
    if (!ReadFile(path, data) ||
        !ParseColourMap(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()), map, error)) {
        std::cerr << path << ": " << error << "\n";
        return false;
    }
    picture = TBitmap(map.Width, map.Height);
    for (int y = 0; y < map.Height; ++y)
        for (int x = 0; x < map.Width; ++x)
            picture.SetPixel(x, y, kClassicPalette[map.Indexes[std::size_t(y * map.Width + x)]]);
    return true;
}

int WriteIcons(const std::string& dir, const std::string& name, const std::vector<std::string>& paths)
{
    std::vector<TBitmap> pictures;
    for (const std::string& path : paths)
        if (!ReadPicture(path, pictures.emplace_back(0, 0)))
            return 1;
    std::vector<const TBitmap*> choice;
    for (const TBitmap& picture : pictures)
        choice.push_back(&picture);
    for (const int size : kIconSizes) {
        const std::string sized = std::to_string(size);
        const std::filesystem::path folder = std::filesystem::path(dir) / (sized + "x" + sized) / "apps";
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        const std::string out = (folder / (name + ".png")).string();
        const std::vector<unsigned char> png = EncodePng(DrawIcon(choice, size), true);
        if (png.empty() || !WriteFile(out, png)) {
            std::cerr << "rescomp: cannot write " << out << "\n";
            return 1;
        }
    }
    return 0;
}

}  // namespace

// The compiler itself embeds nothing.
std::span<const TResourceEntry> EmbeddedResources()
{
    return {};
}

int main(int argc, char** argv)
{
    if (argc >= 5 && std::string(argv[1]) == "--icons")
        return WriteIcons(argv[2], argv[3], std::vector<std::string>(argv + 4, argv + argc));
    if (argc < 2) {
        std::cerr << "usage: rescomp OUT.cpp TYPE=NAME=FILE ... | rescomp --icons DIR NAME PICTURE.txt...\n";
        return 2;
    }
    std::vector<TSource> sources;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto a = arg.find('='), b = arg.find('=', a + 1);
        if (a == std::string::npos || b == std::string::npos) {
            std::cerr << "rescomp: bad entry " << arg << "\n";
            return 2;
        }
        sources.push_back({arg.substr(0, a), arg.substr(a + 1, b - a - 1), arg.substr(b + 1)});
    }

    std::ostringstream out;
    out << "// Generated by rescomp from resources/; do not edit.\n"
           "#include \"base/resources/ResourceStore.h\"\n\nnamespace {\n";
    for (std::size_t i = 0; i < sources.size(); ++i) {
        std::vector<unsigned char> data;
        std::string error;
        if (!Convert(sources[i], data, error)) {
            std::cerr << sources[i].File << ": " << error << "\n";
            return 1;
        }
        out << "const unsigned char r" << i << "[] = {";
        for (std::size_t k = 0; k < data.size(); ++k)
            out << (k % 24 ? "" : "\n") << int(data[k]) << ',';
        out << "0};\nconstexpr std::size_t n" << i << " = " << data.size() << ";\n";
    }
    out << "const TResourceEntry kTable[] = {\n";
    for (std::size_t i = 0; i < sources.size(); ++i)
        out << "    {\"" << sources[i].Type << "\", \"" << sources[i].Name << "\", r" << i << ", n" << i << "},\n";
    out << "};\n}  // namespace\n\nstd::span<const TResourceEntry> EmbeddedResources()\n{\n"
           "    return kTable;\n}\n";

    const std::string text = out.str();
    if (!WriteFile(argv[1], std::vector<unsigned char>(text.begin(), text.end()))) {
        std::cerr << "rescomp: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
