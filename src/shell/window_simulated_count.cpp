#include "core/interval_file_location.h"
#include "core/interval_file_refusal.h"
#include "core/number_text.h"
#include "shell/kolven_window.h"

namespace kolven {

// The interval file found at start-up is read in the background from then
// on, so that the first run finds it held; nothing is said yet of a file
// that is missing or bad: the first count says it.
void KolvenWindow::startReadingIntervals()
{
    const std::string path = locateIntervalFile(services.files);
    if (!path.empty())
        m_intervals = std::make_unique<IntervalFile>(services.files, path, services.clock);
}

// Opens the interval file (the one read since start-up when it is still the
// one found and was not refused: a file mended since is read again) and skips a number of values taken from the time
// of day (0 … 100), so that two sessions do not start on the same stretch.
bool KolvenWindow::openIntervalFile()
{
    try {
        const std::string path = streamPath();
        if (path.empty()) {
            const std::string impostor = intervalFileImpostor(services.files);
            throw impostor.empty() ? IntervalFileUnreadable(kIntervalFileName, IntervalFileFault::Missing)
                                   : IntervalFileUnreadable(impostor, IntervalFileFault::NotRegular);
        }
        if (m_intervals && m_intervals->path() == path && !m_intervals->refused())
            m_intervals->countStarts();
        else
            m_intervals = std::make_unique<IntervalFile>(services.files, path, services.clock);
        double seconds = roundEven(services.clock.secondsSinceMidnight());
        while (seconds >= 101)
            seconds -= 100;
        series.A_L = static_cast<std::int32_t>(seconds);
        for (std::int32_t i = 0; i < series.A_L; ++i)
            m_intervals->next();
        series.FICHIER_T = path;
        withdrawNotice(Notice::IntervalFile);
        return true;
    } catch (const IntervalFileUnreadable& refusal) {
        refuseIntervalFile(refusal);
        return false;
    } catch (const CountNeverEnds&) {
        // The values skipped at the opening already took too long, or
        // the file was too slow to give them.
        m_intervals.reset();
        series.FICHIER_T.clear();
        showNotice(Notice::CountNeverEnds);
        return false;
    }
}

// The file is let go: the next count looks for it afresh.
void KolvenWindow::refuseIntervalFile(const IntervalFileUnreadable& refusal)
{
    m_intervals.reset();
    series.FICHIER_T.clear();
    m_intervalRefusal = intervalFileRefusal(refusal.fault(), refusal.path());
    showNotice(Notice::IntervalFile);
}

// One simulated count into NC_I. False when the interval file gave out
// (removed and unreadable when it had to be read again from its start), or
// its intervals cannot end a count.
bool KolvenWindow::makeSimulatedCount()
{
    try {
        series.NC_I = simulatedCount(*m_intervals, mean.TEMPS_S, CountWalk{series.A_S, series.B_S, series.DONNEES_T});
        return true;
    } catch (const IntervalFileUnreadable& refusal) {
        refuseIntervalFile(refusal);
    } catch (const CountNeverEnds&) {
        showNotice(Notice::CountNeverEnds);
    }
    if (series.DONNEES_T == "ASSOCIATIONS4")
        series.DONNEES_T = "ASSOCIATIONS3";
    return false;
}

}  // namespace kolven
