#include "core/export_writer.h"

namespace kolven {

NoticeChange ExportWriter::write(platform::ReplacedFile& file, const Histogram& histogram)
{
    const platform::WriteOutcome outcome = file.write(m_text.render(histogram));
    if (outcome == m_last)
        return NoticeChange::None;
    m_last = outcome;
    return outcome == platform::WriteOutcome::Written ? NoticeChange::Withdraw : NoticeChange::Show;
}

std::string ExportWriter::noticeText(const std::string& path) const
{
    const std::string folder = path.substr(0, path.rfind('/'));
    switch (m_last) {
    case platform::WriteOutcome::Written:
    case platform::WriteOutcome::Failed:
        break;
    case platform::WriteOutcome::FolderIsLink:
        return "  Export de l'histogramme refusé : le dossier " + folder + " est un lien  ";
    case platform::WriteOutcome::FolderNotOwned:
        return "  Export de l'histogramme refusé : le dossier " + folder + " appartient à un autre utilisateur  ";
    case platform::WriteOutcome::FileIsLink:
        return "  Export de l'histogramme refusé : le fichier " + path + " est un lien  ";
    }
    return "  Le fichier " + path + " ne peut pas être écrit : l'histogramme n'y est pas exporté  ";
}

}  // namespace kolven
