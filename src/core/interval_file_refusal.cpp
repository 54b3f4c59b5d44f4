#include "core/interval_file_refusal.h"

namespace kolven {

std::string intervalFileRefusal(IntervalFileFault fault, const std::string& path)
{
    switch (fault) {
    case IntervalFileFault::Missing:
        return path + " introuvable";
    case IntervalFileFault::NotRegular:
        return path + " n'est pas un fichier ordinaire";
    case IntervalFileFault::Empty:
        return path + " est vide";
    case IntervalFileFault::NoNumber:
        return path + " ne contient aucun intervalle";
    case IntervalFileFault::NoTime:
        return path + " ne contient que des intervalles nuls";
    case IntervalFileFault::Unreadable:
    case IntervalFileFault::None:
        break;
    }
    return path + " ne peut pas être lu";
}

}  // namespace kolven
