#include "shell/kolven_window.h"

namespace kolven {

// Rewrites the export file with the whole histogram. A folder or file that
// cannot be written is said once on screen; the run and the series go on,
// and the notice goes away when a later writing succeeds.
void KolvenWindow::writeExportFile()
{
    platform::ReplacedFile& file = services.files.exportFile();
    if (DISQUE_T.empty())
        DISQUE_T = file.path().substr(0, file.path().rfind('/'));
    const bool written = file.write(m_exportText.render(HISTO_COMPT));
    if (!written && !m_exportFailing) {
        m_exportFailing = true;
        showNotice(Notice::ExportFile);
    } else if (written && m_exportFailing) {
        m_exportFailing = false;
        withdrawNotice(Notice::ExportFile);
    }
}

}  // namespace kolven
