#include "core/interval_file_location.h"
#include "core/number_text.h"
#include "shell/kolven_window.h"

namespace kolven {

// Opens the interval file and skips a number of values taken from the time
// of day (0 … 100), so that two sessions do not start on the same stretch.
bool KolvenWindow::openIntervalFile()
{
    try {
        const std::string path = locateIntervalFile(services.files);
        if (path.empty())
            throw IntervalFileUnreadable(kIntervalFileName);
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
    } catch (const IntervalFileUnreadable&) {
        m_intervals.reset();
        series.FICHIER_T.clear();
        showNotice(Notice::IntervalFile);
        return false;
    } catch (const CountNeverEnds&) {
        // The values skipped at the opening already took too long.
        m_intervals.reset();
        series.FICHIER_T.clear();
        showNotice(Notice::CountNeverEnds);
        return false;
    }
}

// One simulated count into NC_I. False when the interval file gave out
// (removed and unreadable when it had to be read again from its start), or
// its intervals cannot end a count.
bool KolvenWindow::makeSimulatedCount()
{
    try {
        series.NC_I = simulatedCount(*m_intervals, mean.TEMPS_S, CountWalk{series.A_S, series.B_S, series.DONNEES_T});
        return true;
    } catch (const IntervalFileUnreadable&) {
        m_intervals.reset();
        series.FICHIER_T.clear();
        showNotice(Notice::IntervalFile);
    } catch (const CountNeverEnds&) {
        showNotice(Notice::CountNeverEnds);
    }
    if (series.DONNEES_T == "ASSOCIATIONS4")
        series.DONNEES_T = "ASSOCIATIONS3";
    return false;
}

}  // namespace kolven
