#include "file_sound_input.h"

#include <QCoreApplication>

#include <vector>

namespace kolven::drive {

namespace {

constexpr std::size_t kBlockFrames = 4096;

}  // namespace

std::string FileSoundInput::start(Format& format, Samples samples)
{
    if (m_path.empty())
        return platform::NoSoundInput().start(format, std::move(samples));
    platform::AudioOpening opening = m_audio.open(m_path);
    m_path.clear();
    if (!opening.reader)
        return "Le fichier donné pour l'entrée son n'est pas un enregistrement lisible";
    m_reader = std::move(opening.reader);
    format = {m_reader->sampleRate(), m_reader->channels()};
    m_samples = std::move(samples);
    return {};
}

void FileSoundInput::stop()
{
    m_reader.reset();
    m_samples = nullptr;
}

bool FileSoundInput::feedToEnd(std::string& problem)
{
    if (!m_reader) {
        problem = "record-from: the window is not listening";
        return false;
    }
    std::vector<float> block(kBlockFrames * static_cast<std::size_t>(m_reader->channels()));
    while (m_reader) {
        const std::size_t frames = m_reader->read(block.data(), kBlockFrames);
        if (frames == 0)
            break;
        const Samples samples = m_samples;
        samples(block.data(), frames);
        QCoreApplication::processEvents();
    }
    return true;
}

}  // namespace kolven::drive
