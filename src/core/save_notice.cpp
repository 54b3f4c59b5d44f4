#include "core/save_notice.h"

namespace kolven {

std::string saveNoticeText(platform::SaveOutcome outcome, const std::string& path)
{
    const std::string folder = path.substr(0, path.rfind('/'));
    const std::string failed = "  " + path + " n'est pas enregistré : ";
    switch (outcome) {
    case platform::SaveOutcome::Saved:
        return {};
    case platform::SaveOutcome::FolderMissing:
        return failed + "le dossier " + folder + " n'existe pas  ";
    case platform::SaveOutcome::NotAllowed:
        return failed + "vous n'avez pas le droit d'écrire dans le dossier " + folder + "  ";
    case platform::SaveOutcome::ReadOnly:
        return failed + "le disque est en lecture seule  ";
    case platform::SaveOutcome::DiskFull:
        return failed + "le disque est plein  ";
    case platform::SaveOutcome::IsLink:
        return "  Enregistrement refusé : " + path + " est un lien  ";
    case platform::SaveOutcome::Failed:
        break;
    }
    return failed + "l'écriture a échoué  ";
}

}  // namespace kolven
