#include "platform/services/QtSoundPlayer.h"

#include "base/resources/WaveImage.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QThread>

TQtSoundPlayer::TQtSoundPlayer() = default;

TQtSoundPlayer::~TQtSoundPlayer()
{
    Stop();
}

void TQtSoundPlayer::Stop()
{
    if (Sink_) {
        Sink_->stop();
        Sink_.reset();
    }
    Buffer_.close();
}

bool TQtSoundPlayer::Play(const unsigned char* image, std::size_t size)
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

void TQtSoundPlayer::Finish(int maxMilliseconds)
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
