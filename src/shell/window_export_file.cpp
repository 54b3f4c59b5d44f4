#include "shell/kolven_window.h"

namespace kolven {

// Writes the export file with the whole histogram, now. A trouble with the
// folder or the file is said once on screen; the run and the series go on,
// and the notice goes away when a later writing succeeds.
void KolvenWindow::writeExportFile()
{
    platform::ReplacedFile& file = services.files.exportFile();
    switch (m_export.write(file, series.HISTO_COMPT)) {
    case NoticeChange::Show:
        showNotice(Notice::ExportFile);
        break;
    case NoticeChange::Withdraw:
        withdrawNotice(Notice::ExportFile);
        break;
    case NoticeChange::None:
        break;
    }
}

// After a count classed: every count of a run that a student follows
// count by count, about once a frame in the faster runs.
void KolvenWindow::exportAfterCount(bool countByCount)
{
    if (m_exportRhythm.countClassed(services.clock.monotonicSeconds(), countByCount))
        writeExportFile();
}

// A stretch of counts above 240 leaves the file at most a frame behind.
void KolvenWindow::exportAfterRefusal()
{
    if (m_exportRhythm.countRefused(services.clock.monotonicSeconds()))
        writeExportFile();
}

// The file after a run holds every count the run classed.
void KolvenWindow::exportAfterRun()
{
    if (m_exportRhythm.runEnded(services.clock.monotonicSeconds()))
        writeExportFile();
}

}  // namespace kolven
