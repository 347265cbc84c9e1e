// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "tools/sim/DescriptorStream.h"

#include <cerrno>
#include <unistd.h>

TDescriptorStream::TBuffer::TBuffer()
{
    setp(Bytes.data(), Bytes.data() + Bytes.size());
}

bool TDescriptorStream::TBuffer::WriteAll(const char* data, std::streamsize size)
{
    if (Error != 0)
        return false;
    if (size <= 0)
        return true;
    if (Descriptor < 0) {
        Error = EBADF;
        return false;
    }
    while (size > 0) {
        const ssize_t written = ::write(Descriptor, data, std::size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            Error = written < 0 ? errno : EIO;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool TDescriptorStream::TBuffer::Drain()
{
    const bool written = WriteAll(pbase(), pptr() - pbase());
    setp(Bytes.data(), Bytes.data() + Bytes.size());
    return written;
}

TDescriptorStream::TBuffer::int_type TDescriptorStream::TBuffer::overflow(int_type c)
{
    if (!Drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

std::streamsize TDescriptorStream::TBuffer::xsputn(const char* data, std::streamsize size)
{
    // What does not fit in the buffer goes out directly, without a copy.
    if (size > epptr() - pptr()) {
        if (!Drain() || !WriteAll(data, size))
            return 0;
        return size;
    }
    traits_type::copy(pptr(), data, std::size_t(size));
    pbump(int(size));
    return size;
}

int TDescriptorStream::TBuffer::sync()
{
    return Drain() ? 0 : -1;
}

TDescriptorStream::TDescriptorStream() : std::ostream(&Buffer_) {}

TDescriptorStream::~TDescriptorStream()
{
    if (Buffer_.Descriptor >= 0)
        ::close(Buffer_.Descriptor);
}

void TDescriptorStream::Attach(int descriptor)
{
    Buffer_.Descriptor = descriptor;
}

bool TDescriptorStream::Close(bool durable)
{
    const bool drained = Buffer_.Drain();
    if (drained && durable && ::fsync(Buffer_.Descriptor) != 0)
        Buffer_.Error = errno;
    if (Buffer_.Descriptor >= 0 && ::close(Buffer_.Descriptor) != 0 && Buffer_.Error == 0)
        Buffer_.Error = errno;
    Buffer_.Descriptor = -1;
    if (!drained)
        setstate(std::ios::badbit);
    return Buffer_.Error == 0;
}
