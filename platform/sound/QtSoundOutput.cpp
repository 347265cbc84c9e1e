// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// The sound module: plays wave images through the default audio output of the toolkit's
// multimedia library. With no output device it is silent.

#include "base/resources/WaveImage.h"
#include "platform/services/SoundOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QThread>

#include <memory>

namespace {

class TQtSoundOutput final : public ISoundOutput {
public:
    ~TQtSoundOutput() override { Stop(); }

    bool Play(const unsigned char* image, std::size_t size) override
    {
        const auto format = ParseWave({image, size});
        if (!format || !QCoreApplication::instance())
            return false;
        Stop();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        QAudioFormat audio;
        audio.setSampleRate(format->SampleRate);
        audio.setChannelCount(format->Channels);
        audio.setSampleFormat(format->BitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        Samples_ = QByteArray(reinterpret_cast<const char*>(image + format->DataOffset), qsizetype(format->DataSize));
        Buffer_.setBuffer(&Samples_);
        Buffer_.open(QIODevice::ReadOnly);
        Sink_ = std::make_unique<QAudioSink>(device, audio);
        Sink_->start(&Buffer_);
        return Sink_->error() == QAudio::NoError;
    }

    void Finish(int maxMilliseconds) override
    {
        QElapsedTimer clock;
        clock.start();
        while (Sink_ && Sink_->state() == QAudio::ActiveState && Buffer_.bytesAvailable() > 0 &&
               clock.elapsed() < maxMilliseconds) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(10);
        }
        Stop();
    }

private:
    void Stop()
    {
        if (Sink_) {
            Sink_->stop();
            Sink_.reset();
        }
        Buffer_.close();
    }

    std::unique_ptr<QAudioSink> Sink_;
    QByteArray Samples_;
    QBuffer Buffer_;
};

}  // namespace

extern "C" Q_DECL_EXPORT ISoundOutput* TolvennSoundOutput()
{
    static TQtSoundOutput output;
    return &output;
}
