#include "core/pulse_import.h"

#include "core/class_stream.h"
#include "core/click_detector.h"
#include "core/time_stamps.h"

namespace kolven {

namespace {

constexpr std::size_t kBlockFrames = 4096;

std::string fileRefusal(platform::TextFault fault)
{
    switch (fault) {
    case platform::TextFault::None:
        break;
    case platform::TextFault::Missing:
        return "fichier introuvable";
    case platform::TextFault::Link:
        return "c'est un lien : choisissez le fichier lui-même";
    case platform::TextFault::NotRegular:
        return "ce n'est pas un fichier ordinaire (dossier, tube…)";
    case platform::TextFault::TooLarge:
        return "fichier trop gros (64 Mo au plus pour des instants, 1 Go pour du son)";
    case platform::TextFault::Unreadable:
        return "fichier illisible";
    }
    return {};
}

platform::TextFault asTextFault(platform::AudioFault fault)
{
    switch (fault) {
    case platform::AudioFault::Missing:
        return platform::TextFault::Missing;
    case platform::AudioFault::Link:
        return platform::TextFault::Link;
    case platform::AudioFault::NotRegular:
        return platform::TextFault::NotRegular;
    case platform::AudioFault::TooLarge:
        return platform::TextFault::TooLarge;
    case platform::AudioFault::Unreadable:
        return platform::TextFault::Unreadable;
    case platform::AudioFault::None:
    case platform::AudioFault::NotAudio:
        break;
    }
    return platform::TextFault::None;
}

}  // namespace

std::vector<double> detectPulses(platform::AudioReader& recording)
{
    ClickDetector detector(recording.sampleRate(), recording.channels());
    std::vector<float> block(kBlockFrames * static_cast<std::size_t>(recording.channels()));
    while (const std::size_t frames = recording.read(block.data(), kBlockFrames))
        detector.feed(block.data(), frames);
    detector.finish();
    return detector.pulseSeconds();
}

PulseImport importPulses(platform::AudioFiles& audio, const platform::FileSystem& files, const std::string& path)
{
    PulseImport imported;
    platform::AudioOpening opening = audio.open(path);
    if (opening.reader) {
        imported.seconds = detectPulses(*opening.reader);
    } else if (opening.fault != platform::AudioFault::NotAudio) {
        imported.refusal = fileRefusal(asTextFault(opening.fault));
        return imported;
    } else {
        const platform::TextRead text = files.readText(path, kLargestTimeStampFile);
        if (text.fault != platform::TextFault::None) {
            imported.refusal = fileRefusal(text.fault);
            return imported;
        }
        TimeStamps stamps = parseTimeStamps(text.text);
        if (!stamps.refusal.empty()) {
            imported.refusal = std::move(stamps.refusal);
            return imported;
        }
        imported.seconds = std::move(stamps.seconds);
    }
    imported.refusal = pulsesRefusal(imported.seconds);
    if (!imported.refusal.empty())
        imported.seconds.clear();
    return imported;
}

}  // namespace kolven
