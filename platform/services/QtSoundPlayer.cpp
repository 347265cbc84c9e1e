#include "platform/services/QtSoundPlayer.h"

#include "platform/services/SoundOutput.h"
#include "platform/services/SoundServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

// The module sits at a fixed place relative to the program, in the build tree as once
// installed.
ISoundOutput* LoadSoundOutput()
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(TOLVENN_SOUND_MODULE));
    QLibrary module(path);
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
