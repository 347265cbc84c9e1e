// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <ostream>
#include <streambuf>

// An output stream onto a file descriptor that it owns: buffered, written whole through
// short writes and interruptions, and keeping the reason of the first failure (after which
// the stream is bad and writes nothing more). Without a descriptor every write fails.
class TDescriptorStream : public std::ostream {
public:
    TDescriptorStream();
    ~TDescriptorStream() override;
    TDescriptorStream(const TDescriptorStream&) = delete;
    TDescriptorStream& operator=(const TDescriptorStream&) = delete;

    void Attach(int descriptor);
    int Descriptor() const { return Buffer_.Descriptor; }
    // Writes out what is buffered, with `durable` waits until it is on the disk, and closes
    // the descriptor; false when anything failed.
    bool Close(bool durable = false);
    // The errno of the first failure, 0 while none.
    int Error() const { return Buffer_.Error; }

private:
    struct TBuffer : std::streambuf {
        int Descriptor = -1;
        int Error = 0;
        std::array<char, 64 * 1024> Bytes;

        TBuffer();
        bool WriteAll(const char* data, std::streamsize size);
        bool Drain();
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* data, std::streamsize size) override;
        int sync() override;
    };
    TBuffer Buffer_;
};
