#pragma once

#include <cstdint>
#include <string>

#include "core/histogram.h"

namespace kolven {

// The count series and the run that feeds it, under their design names: the
// histogram, its sums and statistics, its origin and the flags of the run.
struct SeriesState {
    Histogram HISTO_COMPT{};
    std::int16_t NC_I = 0;       // the count just made
    std::int32_t SN_L = 0;       // number of counts
    std::int32_t S1_L = 0;       // sum of the counts
    double S2N_D = 0;            // sum of the squared counts
    float MOY_S = 0;             // mean
    std::string NMOYEN_T;        // the mean as the read-out shows it
    std::string DONNEES_T = "EXPERIENCE";  // origin code
    std::string MODE_T;          // run-length code
    std::int16_t COMPTAGE_I = 0; // the run goes on while 1
    std::int16_t MARCHE_I = 0;   // a run is in progress
    std::int32_t MAX_L = 0;      // reference height of the series
    float A_S = 0;
    float B_S = 0;
    std::string FICHIER_T;       // the export file
    std::int32_t A_L = 0;
};

}  // namespace kolven
