// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/services/Files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

std::string TooLarge(std::size_t maxBytes)
{
    return QCoreApplication::translate("Tolvenn", "it is larger than %1 bytes").arg(qulonglong(maxBytes)).toStdString();
}

}  // namespace

bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string& error)
{
    // Unbuffered, and the rest written again after a short write: the toolkit's buffered
    // path takes a short write on a full disk for success and commits a cut-off file, while
    // the write after it fails with the reason. Uncommitted, the temporary file is removed.
    QSaveFile file(QString::fromStdString(path));
    bool writing = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (std::size_t done = 0; writing && done < bytes.size();) {
        const qint64 written = file.write(bytes.data() + done, qint64(bytes.size() - done));
        writing = written > 0;
        done += writing ? std::size_t(written) : 0;
    }
    if (writing && file.commit())
        return true;
    error = file.errorString().toStdString();
    return false;
}

bool ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& text, std::string& error)
{
    const QFileInfo info(QString::fromStdString(path));
    if (info.exists() && !info.isFile()) {
        const char* refusal = info.isDir() ? QT_TRANSLATE_NOOP("Tolvenn", "it is a folder")
                                           : QT_TRANSLATE_NOOP("Tolvenn", "it is not an ordinary file");
        error = QCoreApplication::translate("Tolvenn", refusal).toStdString();
        return false;
    }
    if (info.exists() && std::size_t(info.size()) > maxBytes) {
        error = TooLarge(maxBytes);
        return false;
    }
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString().toStdString();
        return false;
    }
    // Read one byte more than allowed: the file may have grown since it was measured.
    const QByteArray bytes = file.read(qint64(maxBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString().toStdString();
        return false;
    }
    if (std::size_t(bytes.size()) > maxBytes) {
        error = TooLarge(maxBytes);
        return false;
    }
    text.assign(bytes.constData(), std::size_t(bytes.size()));
    return true;
}
