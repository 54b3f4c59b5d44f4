#pragma once

#include <QObject>

#include <memory>

#include "platform/sound_input.h"

class QAudioSource;
class QIODevice;

namespace kolven::platform::qt {

// The system's default sound input, through Qt Multimedia. The samples come
// on the window's thread, as the sound card hands them over, in whatever
// format the device prefers; they are handed on as floats in [-1, 1].
class QtSoundInput final : public QObject, public SoundInput {
public:
    QtSoundInput();
    ~QtSoundInput() override;
    std::string start(Format& format, Samples samples) override;
    void stop() override;

private:
    void readAvailable();

    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_device = nullptr;  // owned by m_source
    Samples m_samples;
    QByteArray m_partialFrame;
};

}  // namespace kolven::platform::qt
