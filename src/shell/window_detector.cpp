#include <algorithm>
#include <cstdio>

#include "core/interval_file_location.h"
#include "core/pulse_import.h"
#include "shell/kolven_window.h"

namespace kolven {

namespace {

namespace colors = platform::colors;

// The entries of DETECTEUR_List, in list order.
enum DetectorEntry { kListen, kImport, kSupplied, kClass };
const char* const kDetectorEntries[] = {
    " Écouter le détecteur (entrée son) ",
    " Importer un enregistrement ou des instants ",
    " Compter avec les intervalles fournis ",
    " Compter avec les intervalles de la classe ",
};

constexpr double kListeningTop = 3000;  // twips on the design screen, over the plot
constexpr std::size_t kTailOfClassFile = 256;
constexpr double kCaptionMargin = 120;  // twips, as the title band's

std::string fileName(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}

std::string minutesAndSeconds(double seconds)
{
    const auto whole = static_cast<long>(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%ld min %02ld s", whole / 60, whole % 60);
    return text;
}

}  // namespace

// Placed after the last command label of the row, " Exporter ", in the same idiom; the
// caption of the stream sits at the right of the mean's row, where nothing
// else stands, and the recording's read-outs over the plot while it listens.
void KolvenWindow::layOutDetector()
{
    const platform::Font& font = FIN.font();
    const auto label = [&](Control& c, const char* caption, platform::Color fore, platform::Color back) {
        c.setFont(font);
        c.setAutoSize(true);
        c.setCaption(caption);
        c.setFore(fore);
        c.setBack(back);
    };
    label(DETECTEUR, " Détecteur ", colors::black, colors::grey);
    DETECTEUR.move(EXPORTER.left() + EXPORTER.width(), EXPORTER.top());
    DETECTEUR.show();

    for (const char* e : kDetectorEntries)
        DETECTEUR_List.addEntry(e);
    DETECTEUR_List.setFont(font);
    DETECTEUR_List.setFore(colors::black);
    DETECTEUR_List.setBack(colors::lightGrey);
    DETECTEUR_List.setIndex(-1);
    DETECTEUR_List.setTooltip(" Cliquez sur votre choix ");
    sizeListToEntries(DETECTEUR_List);
    DETECTEUR_List.move(std::min(DETECTEUR.left(), m_windowWidth - DETECTEUR_List.width()),
                        DETECTEUR.top() + DETECTEUR.height());

    FLUX.setFont(m_windowFont);
    FLUX.setAutoSize(true);
    FLUX.setFore(colors::blue);
    FLUX.setBack(colors::white);

    label(ECOUTE_TITRE, "  Écoute du détecteur (entrée son)  ", colors::black, colors::grey);
    label(ECOUTE_IMPULSIONS, "", colors::blue, colors::white);
    label(ECOUTE_CADENCE, "", colors::blue, colors::white);
    label(ECOUTE_DUREE, "", colors::blue, colors::white);
    label(ECOUTE_MINIMUM, "", colors::red, colors::white);
    label(ECOUTE_ARRET, "  Arrêter l'écoute  ", colors::white, colors::red);
    ECOUTE_ARRET.setTooltip(" Cliquez pour arrêter l'écoute ");
}

void KolvenWindow::wireDetector()
{
    DETECTEUR.onPointerOver = [this](int, int) { DETECTEUR_PointerOver(); };
    DETECTEUR_List.onClick = [this] { DETECTEUR_List_Click(); };
    ECOUTE_ARRET.onClick = [this] { ECOUTE_ARRET_Click(); };
}

void KolvenWindow::DETECTEUR_PointerOver()
{
    openCommandMenu(DETECTEUR_List);
}

void KolvenWindow::DETECTEUR_List_Click()
{
    switch (takeCommandMenuEntry(DETECTEUR_List)) {
    case kListen:
        startListening();
        break;
    case kImport:
        importPulsesFile();
        break;
    case kSupplied:
        chooseStream("FOURNI");
        break;
    case kClass:
        chooseStream("CLASSE");
        break;
    default:
        break;
    }
}

// The stream kept from an earlier use is found again; the counts start on
// the supplied one all the same, as the program keeps no choice of the
// user's from one use to the next.
void KolvenWindow::findClassStream()
{
    stream = StreamState{};
    if (platform::ReplacedFile* file = services.files.classIntervalFile()) {
        const platform::TextRead tail = services.files.readText(file->path(), kTailOfClassFile, true);
        if (tail.fault == platform::TextFault::None)
            if (const auto facts = classStreamFactsFromTail(tail.text)) {
                stream.IMPULSIONS_L = static_cast<std::int32_t>(facts->pulses);
                stream.CADENCE_D = facts->rate;
            }
    }
    showStream();
}

std::string KolvenWindow::streamPath() const
{
    platform::ReplacedFile* file = services.files.classIntervalFile();
    return stream.FLUX_T == "CLASSE" && file ? file->path() : locateIntervalFile(services.files);
}

// The next count opens the chosen stream, from its start, and skips as many
// values as on opening the supplied one.
void KolvenWindow::chooseStream(const std::string& flux)
{
    if (flux == "CLASSE" && stream.IMPULSIONS_L == 0)
        return;
    stream.FLUX_T = flux;
    series.FICHIER_T.clear();
    const std::string path = streamPath();
    m_intervals.reset();
    if (!path.empty())
        m_intervals = std::make_unique<IntervalFile>(services.files, path, services.clock);
    withdrawNotice(Notice::IntervalFile);
    showStream();
}

void KolvenWindow::showStream()
{
    DETECTEUR_List.setEntryEnabled(kClass, stream.IMPULSIONS_L > 0);
    FLUX.setCaption(stream.FLUX_T == "CLASSE"
                        ? " " + classStreamCaption({stream.IMPULSIONS_L, stream.CADENCE_D},
                                                   services.window.decimalSeparator()) + " "
                        : " Intervalles fournis ");
    placeStreamCaption();
    FLUX.show();
}

// In the series view, at the right of the mean's row, where nothing else
// stands; in the comparison that row holds the columns' means, and the
// caption goes to the command row, left free there between the return label
// and the labels that stay.
void KolvenWindow::placeStreamCaption()
{
    if (analysisShown())
        FLUX.move(Label36.left() + Label36.width() + Label36.height(),
                  Label36.top() + (Label36.height() - FLUX.height()) / 2);
    else
        FLUX.move(m_windowWidth - FLUX.width() - scaledX(kCaptionMargin), TEMPS.top());
}

// Pulses from a recording or an import become the class's stream, in use
// from now on; too few, or a file that cannot be written, change nothing.
void KolvenWindow::takeClassPulses(const std::vector<double>& seconds)
{
    const std::string refusal = pulsesRefusal(seconds);
    platform::ReplacedFile* file = services.files.classIntervalFile();
    if (!refusal.empty() || !file) {
        m_detectorNotice = (refusal.empty() ? std::string("pas de dossier où garder les intervalles") : refusal) +
                           " : rien n'a changé";
        showNotice(Notice::Detector);
        return;
    }
    if (file->write(classStreamText(seconds)) != platform::WriteOutcome::Written) {
        m_detectorNotice = file->path() + " ne peut pas être écrit : rien n'a changé";
        showNotice(Notice::Detector);
        return;
    }
    const ClassStreamFacts facts = classStreamFacts(seconds);
    stream.IMPULSIONS_L = static_cast<std::int32_t>(facts.pulses);
    stream.CADENCE_D = facts.rate;
    withdrawNotice(Notice::Detector);
    chooseStream("CLASSE");
}

void KolvenWindow::importPulsesFile()
{
    const auto path = services.dialogs.askOpenPath(
        services.dialogs.userFolder(platform::UserFolder::Documents),
        {"Enregistrements et instants (*.wav *.flac *.ogg *.txt *.csv)", "Tous les fichiers (*)"});
    if (!path)
        return;
    const PulseImport imported = importPulses(services.audio, services.files, *path);
    if (!imported.refusal.empty()) {
        m_detectorNotice = fileName(*path) + " : " + imported.refusal + " ; rien n'a changé";
        showNotice(Notice::Detector);
        return;
    }
    takeClassPulses(imported.seconds);
}

// While it listens the commands are put away, as during a run, and come
// back as they were.
void KolvenWindow::startListening()
{
    platform::SoundInput::Format format;
    const std::string refusal =
        services.sound.start(format, [this](const float* samples, std::size_t frames) { soundArrived(samples, frames); });
    if (!refusal.empty()) {
        m_detectorNotice = refusal + " : écoute impossible";
        showNotice(Notice::Detector);
        return;
    }
    withdrawNotice(Notice::Detector);
    m_listening = std::make_unique<ClickDetector>(format.sampleRate, format.channels);
    m_commandsBeforeListening.clear();
    for (Control* c : commandsHiddenWhileListening()) {
        m_commandsBeforeListening.emplace_back(c->visible(), c->enabled());
        c->hide();
        c->setEnabled(false);
    }
    int top = scaledY(kListeningTop);
    for (Control* c : {&ECOUTE_TITRE, &ECOUTE_IMPULSIONS, &ECOUTE_CADENCE, &ECOUTE_DUREE, &ECOUTE_MINIMUM,
                       &ECOUTE_ARRET}) {
        c->setTop(top);
        top += c->height() * 3 / 2;
        c->show();
    }
    showListening();
}

void KolvenWindow::soundArrived(const float* interleaved, std::size_t frames)
{
    if (!m_listening)
        return;
    m_listening->feed(interleaved, frames);
    showListening();
}

void KolvenWindow::showListening()
{
    const auto pulses = static_cast<std::int64_t>(m_listening->pulses().size());
    const double elapsed = static_cast<double>(m_listening->framesSeen()) / m_listening->sampleRate();
    const std::string rate =
        rateText(elapsed > 0 ? static_cast<double>(pulses) / elapsed : 0, services.window.decimalSeparator());
    ECOUTE_IMPULSIONS.setCaption(" Impulsions : " + groupedDigits(pulses) + " ");
    ECOUTE_CADENCE.setCaption(" Cadence : " + rate + " /s ");
    ECOUTE_DUREE.setCaption(" Durée : " + minutesAndSeconds(elapsed) + " ");
    const auto needed = static_cast<std::int64_t>(kFewestPulses);
    ECOUTE_MINIMUM.setCaption(
        pulses < needed
            ? " Il faut au moins " + groupedDigits(needed) +
                  " impulsions pour compter avec cet enregistrement : encore " + groupedDigits(needed - pulses) + " "
            : " " + groupedDigits(needed) + " impulsions atteintes : l'enregistrement pourra servir aux comptages ");
    ECOUTE_MINIMUM.setFore(pulses < needed ? colors::red : colors::green);
    for (Control* c : {&ECOUTE_TITRE, &ECOUTE_IMPULSIONS, &ECOUTE_CADENCE, &ECOUTE_DUREE, &ECOUTE_MINIMUM,
                       &ECOUTE_ARRET})
        c->setLeft((m_windowWidth - c->width()) / 2);
}

void KolvenWindow::ECOUTE_ARRET_Click()
{
    services.sound.stop();
    m_listening->finish();
    const std::vector<double> seconds = m_listening->pulseSeconds();
    m_listening.reset();
    for (Control* c : {&ECOUTE_TITRE, &ECOUTE_IMPULSIONS, &ECOUTE_CADENCE, &ECOUTE_DUREE, &ECOUTE_MINIMUM,
                       &ECOUTE_ARRET})
        c->hide();
    std::size_t i = 0;
    for (Control* c : commandsHiddenWhileListening()) {
        c->setVisible(m_commandsBeforeListening[i].first);
        c->setEnabled(m_commandsBeforeListening[i].second);
        ++i;
    }
    takeClassPulses(seconds);
}

}  // namespace kolven
