#pragma once

#include "platform/services/Services.h"

#include <QBuffer>
#include <QByteArray>

#include <memory>

class QAudioSink;

// Plays wave images through the default audio output, one at a time. The player copies
// each image, so a caller may release its own at once; with no output device it is silent.
class TQtSoundPlayer final : public ISoundService {
public:
    TQtSoundPlayer();
    ~TQtSoundPlayer() override;

    bool Play(const unsigned char* image, std::size_t size) override;
    // Lets the sound playing now run to its end (at most maxMilliseconds), then stops.
    void Finish(int maxMilliseconds);

private:
    void Stop();

    std::unique_ptr<QAudioSink> Sink_;
    QByteArray Samples_;
    QBuffer Buffer_;
};

// The default player, for the session to let its last sound finish before the program ends.
TQtSoundPlayer& DefaultSoundPlayer();
