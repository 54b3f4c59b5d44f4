#include "platform/qt/qt_sound_input.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QIODevice>
#include <QMediaDevices>

#include <vector>

namespace kolven::platform::qt {

QtSoundInput::QtSoundInput() = default;

QtSoundInput::~QtSoundInput()
{
    stop();
}

// The device's own rate and channels; floats when it gives them, else
// 16-bit integers, else its preferred format as it is.
std::string QtSoundInput::start(Format& format, Samples samples)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        return "Aucune entrée son sur cet ordinateur";
    QAudioFormat wanted = device.preferredFormat();
    for (const QAudioFormat::SampleFormat sampleFormat : {QAudioFormat::Float, QAudioFormat::Int16}) {
        QAudioFormat trial = wanted;
        trial.setSampleFormat(sampleFormat);
        if (device.isFormatSupported(trial)) {
            wanted = trial;
            break;
        }
    }
    if (!wanted.isValid())
        return "L'entrée son ne donne aucun format connu";
    m_source = std::make_unique<QAudioSource>(device, wanted);
    m_device = m_source->start();
    if (!m_device || m_source->error() != QAudio::NoError) {
        stop();
        return "L'entrée son ne peut pas être ouverte";
    }
    m_samples = std::move(samples);
    format = {wanted.sampleRate(), wanted.channelCount()};
    connect(m_device, &QIODevice::readyRead, this, &QtSoundInput::readAvailable);
    return {};
}

void QtSoundInput::stop()
{
    if (m_source)
        m_source->stop();
    m_source.reset();
    m_device = nullptr;
    m_samples = nullptr;
    m_partialFrame.clear();
}

// A read may end inside a frame: its bytes wait for the next read.
void QtSoundInput::readAvailable()
{
    if (!m_device || !m_samples)
        return;
    m_partialFrame += m_device->readAll();
    const QAudioFormat format = m_source->format();
    const int frameBytes = format.bytesPerFrame();
    const int sampleBytes = format.bytesPerSample();
    if (frameBytes <= 0 || sampleBytes <= 0)
        return;
    const int frames = static_cast<int>(m_partialFrame.size()) / frameBytes;
    if (frames == 0)
        return;
    std::vector<float> values(static_cast<std::size_t>(frames) * static_cast<std::size_t>(format.channelCount()));
    const char* bytes = m_partialFrame.constData();
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = format.normalizedSampleValue(bytes + i * static_cast<std::size_t>(sampleBytes));
    m_partialFrame.remove(0, static_cast<qsizetype>(frames) * frameBytes);
    const Samples samples = m_samples;  // the handler may stop the input
    samples(values.data(), static_cast<std::size_t>(frames));
}

}  // namespace kolven::platform::qt
