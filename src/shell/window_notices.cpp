#include <filesystem>
#include <string>

#include "shell/kolven_window.h"

namespace kolven {

namespace {

constexpr double kSmallestNoticeSize = 5;  // points

std::string noticeText(KolvenWindow::Notice notice, const std::string& exportNotice,
                       const std::string& intervalRefusal, const std::string& detectorNotice,
                       const std::string& streamFile)
{
    switch (notice) {
    case KolvenWindow::Notice::IntervalFile:
        return "  " + intervalRefusal + " : comptage impossible  ";
    case KolvenWindow::Notice::CountNeverEnds:
        return "  Les intervalles du fichier " + streamFile + " ne permettent pas de terminer un comptage : "
               "comptage arrêté  ";
    case KolvenWindow::Notice::SeriesFull:
        return "  La série a atteint la limite des compteurs : effacez-la pour continuer  ";
    case KolvenWindow::Notice::ExportFile:
        return exportNotice;
    case KolvenWindow::Notice::SaveRefused:
        break;
    case KolvenWindow::Notice::Detector:
        return "  " + detectorNotice + "  ";
    }
    return {};
}

}  // namespace

// What goes wrong with the program's files or the size of a series is said
// on screen, without a dialog box, and nothing else stops but the run.
void KolvenWindow::showNotice(Notice notice)
{
    m_notice = notice;
    // The supplied file goes by its own name wherever it was found; the
    // class's by the name of the file it is kept in.
    const std::string streamFile = stream.FLUX_T == "CLASSE"
                                       ? std::filesystem::path(streamPath()).filename().string()
                                       : std::string(kIntervalFileName);
    AVIS.setCaption(notice == Notice::SaveRefused
                        ? m_saveNotice
                        : noticeText(notice, m_export.noticeText(services.files.exportFile().path()), m_intervalRefusal,
                                     m_detectorNotice, streamFile));
    // A notice naming a long path is set smaller rather than cut at the
    // edges of the screen.
    AVIS.setFontSize(FIN.font().size);
    while (AVIS.width() > m_windowWidth && AVIS.font().size > kSmallestNoticeSize)
        AVIS.setFontSize(AVIS.font().size * 0.9);
    AVIS.setLeft((m_windowWidth - AVIS.width()) / 2);
    AVIS.show();
}

// The trouble is over: its notice goes, if it is the one on screen.
void KolvenWindow::withdrawNotice(Notice notice)
{
    if (AVIS.visible() && m_notice == notice)
        AVIS.hide();
}

bool KolvenWindow::noticeShown(Notice notice) const
{
    return AVIS.visible() && m_notice == notice;
}

}  // namespace kolven
