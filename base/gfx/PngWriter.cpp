// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/gfx/PngWriter.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace {

void PutU32(std::vector<unsigned char>& out, std::uint32_t v)
{
    out.push_back(static_cast<unsigned char>(v >> 24));
    out.push_back(static_cast<unsigned char>(v >> 16));
    out.push_back(static_cast<unsigned char>(v >> 8));
    out.push_back(static_cast<unsigned char>(v));
}

// Length, type, data, then the CRC over type and data.
void PutChunk(std::vector<unsigned char>& out, const char (&type)[5], const std::vector<unsigned char>& data)
{
    PutU32(out, std::uint32_t(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + typeAt, uInt(out.size() - typeAt));
    PutU32(out, std::uint32_t(crc));
}

// Deflates the image a row at a time, each row led by filter type 0, so that even a
// large picture needs no raw copy of itself.
bool DeflateRows(const TBitmap& bitmap, bool withAlpha, std::vector<unsigned char>& out)
{
    const std::size_t channels = withAlpha ? 4 : 3;
    z_stream zs{};
    if (deflateInit(&zs, Z_DEFAULT_COMPRESSION) != Z_OK)
        return false;
    std::vector<unsigned char> row(1 + std::size_t(bitmap.Width()) * channels);
    std::array<unsigned char, 64 * 1024> buffer;
    bool ok = true;
    for (int y = 0; ok && y <= bitmap.Height(); ++y) {
        const bool last = y == bitmap.Height();
        if (!last) {
            const TColour* in = bitmap.Row(y);
            for (int x = 0; x < bitmap.Width(); ++x) {
                unsigned char* pixel = &row[1 + std::size_t(x) * channels];
                pixel[0] = static_cast<unsigned char>(in[x] >> 16);
                pixel[1] = static_cast<unsigned char>(in[x] >> 8);
                pixel[2] = static_cast<unsigned char>(in[x]);
                if (withAlpha)
                    pixel[3] = static_cast<unsigned char>(in[x] >> 24);
            }
        }
        zs.next_in = last ? nullptr : row.data();
        zs.avail_in = last ? 0 : uInt(row.size());
        int status;
        do {
            zs.next_out = buffer.data();
            zs.avail_out = uInt(buffer.size());
            status = deflate(&zs, last ? Z_FINISH : Z_NO_FLUSH);
            if (status == Z_STREAM_ERROR) {
                ok = false;
                break;
            }
            out.insert(out.end(), buffer.data(), buffer.data() + (buffer.size() - zs.avail_out));
        } while (zs.avail_out == 0 || (last && status != Z_STREAM_END));
    }
    deflateEnd(&zs);
    return ok;
}

}  // namespace

std::vector<unsigned char> EncodePng(const TBitmap& bitmap, bool withAlpha)
{
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0)
        return {};
    std::vector<unsigned char> header;
    PutU32(header, std::uint32_t(bitmap.Width()));
    PutU32(header, std::uint32_t(bitmap.Height()));
    // 8 bits, RGB or RGBA, deflate, adaptive filters, no interlace
    header.insert(header.end(), {8, static_cast<unsigned char>(withAlpha ? 6 : 2), 0, 0, 0});

    std::vector<unsigned char> pixels;
    if (!DeflateRows(bitmap, withAlpha, pixels))
        return {};

    static constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> png(std::begin(kSignature), std::end(kSignature));
    PutChunk(png, "IHDR", header);
    // Kept in moderate chunks so that no chunk length nears the format's limit.
    constexpr std::size_t kChunk = std::size_t(1) << 20;
    for (std::size_t at = 0; at < pixels.size(); at += kChunk) {
        const auto from = pixels.begin() + std::ptrdiff_t(at);
        PutChunk(png, "IDAT", std::vector<unsigned char>(from, from + std::ptrdiff_t(std::min(kChunk, pixels.size() - at))));
    }
    PutChunk(png, "IEND", {});
    return png;
}
