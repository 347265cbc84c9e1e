// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/services/QtSoundPlayer.h"

#include "platform/services/SoundOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QProcess>

namespace {

// The sound module and its server check sit at a fixed place relative to the program, in
// the build tree as once installed.
QString SoundFile(const char* name)
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(TOLVENN_SOUND_DIR "/") + QString::fromUtf8(name));
}

}  // namespace

bool SoundServerAnswers()
{
    return QProcess::execute(SoundFile("tolvenn_sound_check"), {}) == 0;
}

ISoundOutput* LoadSoundOutput()
{
    QLibrary module(SoundFile("tolvenn_sound.so"));
    const auto entry = reinterpret_cast<TSoundOutputEntry>(module.resolve(kSoundOutputEntry));
    return entry ? entry() : nullptr;
}

ISoundOutput* TQtSoundPlayer::Output()
{
    if (!Tried_ && QCoreApplication::instance()) {
        Tried_ = true;
        if (SoundServerAnswers())
            Output_ = LoadSoundOutput();
    }
    return Output_;
}

bool TQtSoundPlayer::Play(const unsigned char* image, std::size_t size)
{
    ISoundOutput* output = Output();
    return output && output->Play(image, size);
}

void TQtSoundPlayer::Finish(int maxMilliseconds)
{
    if (Output_)
        Output_->Finish(maxMilliseconds);
}
