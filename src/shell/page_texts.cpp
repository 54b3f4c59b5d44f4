#include "shell/page_texts.h"

namespace kolven::pages {

// The pages' texts, as the pages show them: blanks at either end of a line
// are part of it (they set the indent of an explanation, or the room after a
// heading).

const std::vector<PageLine>& utilisationLines()
{
    static const std::vector<PageLine> lines{
        {1, "UTILISATION", kTitleColor, Placement::Centred},
        {2, "Comptage(s) ", kHeadingColor, Placement::Heading},
        {3, "1 comptage", kHeadingColor, Placement::Heading},
        {4, "  Le comptage est effectué. La valeur est affichée, puis elle est classée dans l'histogramme.", kBodyColor, Placement::Edge},
        {5, "2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 100000, 1000000 comptages et en continu", kHeadingColor, Placement::Heading},
        {6, "  Ils permettent sans afficher la valeur du comptage, d'exécuter automatiquement les comptages et de les classer ", kBodyColor, Placement::Edge},
        {7, "  dans l'histogramme.", kBodyColor, Placement::Edge},
        {8, "Arrêter ", kHeadingColor, Placement::Heading},
        {9, "  La série des comptages est arrêtée.", kBodyColor, Placement::Edge},
        {10, "Moyenne des comptages en simulation", kHeadingColor, Placement::Heading},
        {11, "  La  moyenne théorique peut être choisie. La valeur sera entre 0.1 et 170 .", kBodyColor, Placement::Edge},
        {13, "augmentée de", kHeadingColor, Placement::Heading},
        {14, "  L'augmentation sera de  0.1  0.2  0.5  1  2  5 10  20 .", kBodyColor, Placement::Edge},
        {31, "fixée à", kHeadingColor, Placement::Heading},
        {32, "  Les valeurs disponibles sont  0.1  1  4  9  16  25  36 et 49 .", kBodyColor, Placement::Edge},
        {16, "diminuée de", kHeadingColor, Placement::Heading},
        {17, "  La diminution sera de   0.1  0.2  0.5  1  2  5  10  20 .", kBodyColor, Placement::Edge},
        {19, "Origine des comptages ", kHeadingColor, Placement::Heading},
        {22, "Théorique avec POISSON ou avec GAUSS", kHeadingColor, Placement::Heading},
        {23, "  L'histogramme est construit par calcul en utilisant la formulation de POISSON ou celle de GAUSS.", kBodyColor, Placement::Edge},
        {20, "Par Simulation ", kHeadingColor, Placement::Heading},
        {21, "  L'histogramme est construit à partir des comptages.", kBodyColor, Placement::Edge},
        {24, "par associations de comptages", kHeadingColor, Placement::Heading},
        {25, "  L'histogramme est construit pour trois possibilités :", kBodyColor, Placement::Edge},
        {26, "    Somme de 2 comptages, 1/2 Somme de 2 comptages, et Somme diminuée du comptage suivant.", kBodyColor, Placement::Edge},
        {27, "  L'histogramme et tous ses paramètres statistiques seront affichés.", kBodyColor, Placement::Edge},
        {28, "Analyse statistique ", kHeadingColor, Placement::Heading},
        {29, "  Une comparaison entre l'histogramme origine et les deux distributions théoriques est présentée à l'écran.", kBodyColor, Placement::Edge},
    };
    return lines;
}

const std::vector<PageLine>& radioactivityLines()
{
    static const std::vector<PageLine> lines{
        {1, "RADIOACTIVITÉ", kTitleColor, Placement::Centred},
        {2, "L'activité d'une source radioactive représente le nombre moyen de désintégration(s) par seconde.", kBodyColor, Placement::Centred},
        {3, "1 Becquerel (Bq) correspond à 1 désintégration par seconde", kHeadingColor, Placement::Centred},
        {4, "COMPTAGE", kBodyColor, Placement::Centred},
        {5, "L'instant d'une désintégration est imprévisible. L'intervalle de temps entre deux détections est aléatoire.", kBodyColor, Placement::Centred},
        {6, "La valeur du comptage de la détection des désintégrations", kBodyColor, Placement::Centred},
        {7, "se produisant durant un temps d'observation donné, est également aléatoire.", kBodyColor, Placement::Centred},
        {8, "Le classement des valeurs du comptage sous la forme d'un histogramme,", kBodyColor, Placement::Centred},
        {9, "permet de visualiser la dispersion des valeurs (influence de la variance).", kBodyColor, Placement::Centred},
        {10, "Avec la radioactivité, il y a une convergence entre la valeur de la moyenne et la valeur de la variance,", kBodyColor, Placement::Centred},
        {11, "lorsque le nombre des comptages augmente.", kBodyColor, Placement::Centred},
        {12, "  Le taux de comptage représente le nombre moyen de détection(s) par seconde. Il est relié, pour une installation donné, ", kBodyColor, Placement::Edge},
        {13, "  à l'activité radioactive, par une constante désignée sous le terme général [ rendement ]", kBodyColor, Placement::Edge},
        {14, "  Le comptage moyen (Nmoyen) théorique est obtenu par le produit entre le taux de comptage et le temps du comptage.", kBodyColor, Placement::Edge},
        {15, "Avec KOLVEN, en simulation, le taux de comptage et le temps de comptage sont directement ajustés ", kBodyColor, Placement::Centred},
        {16, "en fonction de  la moyenne théorique fixée .", kBodyColor, Placement::Centred},
    };
    return lines;
}

// The about page names the program's file and its interval file; the
// program's version is the one these pages describe.
const std::vector<PageLine>& aboutLines()
{
    static const std::vector<PageLine> lines{
        {1, "Conçu et écrit par l'équipe de développement de KOLVEN", kBodyColor, Placement::Centred},
        {2, "Logiciel : kolven", kBodyColor, Placement::Centred},
        {3, "Fichier associé : KOLVEN_11.KVL", kBodyColor, Placement::Centred},
        {4, "Diffusé par ses développeurs eux-mêmes, sans éditeur ni adresse postale", kBodyColor, Placement::Centred},
        {5, "Droits : les développeurs de KOLVEN  -  KOLVEN version " KOLVEN_VERSION, kBodyColor, Placement::Centred},
        {6, "  Avis sur la copie :", kBodyColor, Placement::Edge},
        {7, "  Le logiciel KOLVEN et son fichier associé KOLVEN_11.KVL forment un tout.", kBodyColor, Placement::Edge},
        {8, "  Ni l'un ni l'autre ne peut être reproduit, copié ou diffusé, en tout ou en partie,", kBodyColor,
         Placement::Edge},
        {9, "  sans l'accord écrit de leurs développeurs.", kBodyColor, Placement::Edge},
        {10, "  Le fichier KOLVEN_11.KVL ne doit pas être modifié : les comptages simulés en dépendent.", kBodyColor,
         Placement::Edge},
    };
    return lines;
}

const LawsPage& lawsPage()
{
    static const LawsPage page{
        {1, "LOIS ASSOCIÉES AUX HISTOGRAMMES DES COMPTAGES", kTitleColor, Placement::Centred},
        {
            {2, "Le classement des valeurs du comptage, sous la forme d'un histogramme, lorsque le nombre", kBodyColor,
             Placement::Centred},
            {3, "des relevés augmente, tend vers une loi de distribution décrite par POISSON.", kBodyColor,
             Placement::Centred},
        },
        "Probabilité d 'obtenir (N)   =    e",
        "- Nmoyen",
        "*   ( Nmoyen )     /   Factorielle(N) ",
        "*   ( Nmoyen )",
        "N",
        {
            {6, "Avec la loi de POISSON, la valeur de la moyenne et la valeur de la variance sont égales.", kBodyColor,
             Placement::Centred},
            {7, "Si Nmoyen est trop élevé, alors le calcul devient impossible.", kTitleColor, Placement::Centred},
            {8, "Lorsque Nmoyen augmente, la loi de POISSON converge vers une loi particulière décrite par GAUSS.",
             kBodyColor, Placement::Centred},
        },
        std::string(74, 'A'),
        "Probabilité d 'obtenir (N)   =    e",
        "-  ½ ( N - Nmoyen )² / Nmoyen",
        "/     ( 2  Pi  Nmoyen )",
        "½",
        "Probabilité d 'obtenir (N)   =    e ",
        {
            {15, "L'analyse statistique mesure l'écart entre l'histogramme et chaque loi par le test du χ².",
             kBodyColor, Placement::Centred},
            {16, "Si p < 0.05, un tel écart n'arrive par hasard que moins d'une fois sur vingt : la loi est rejetée.",
             kBodyColor, Placement::Centred},
        },
    };
    return page;
}

}  // namespace kolven::pages
