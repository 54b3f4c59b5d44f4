#pragma once

#include <string>
#include <vector>

#include "platform/color.h"

namespace kolven::pages {

// Where a line of a page sits across the page background.
enum class Placement {
    Centred,  // centred on the background
    Heading,  // at the headings' indent
    Edge,     // at the background's left edge
};

// Lines that carry a formula's exponents are laid out by the laws page
// itself; the others follow each other from top to bottom.
struct PageLine {
    int label;  // Label1 … Label32
    std::string text;
    platform::Color color;
    Placement placement;
};

const platform::Color kTitleColor = platform::rgb(255, 0, 0);
const platform::Color kHeadingColor = platform::rgb(0, 0, 255);
const platform::Color kBodyColor = platform::rgb(0, 0, 0);

// The pages' lines in display order.
const std::vector<PageLine>& utilisationLines();
const std::vector<PageLine>& radioactivityLines();
const std::vector<PageLine>& aboutLines();

// What a line is first given so that the page can be measured on it.
// Page "UTILISATION" is as wide as its longest line with four blanks more.
constexpr int kUtilisationWidest = 6;
constexpr const char* kUtilisationMeasureTail = "    ";
// Label12 receives a text that stays hidden.
constexpr const char* kUtilisationHiddenLabel12 = "  La valeur sera entre 0.1 et 170 .";
// The radioactivity page measures its Label12 with three blanks more.
constexpr int kRadioactivityMeasured = 12;
constexpr const char* kRadioactivityMeasureTail = "   ";

// The laws page: its plain lines, and the parts of its two formulas.
struct LawsPage {
    PageLine title;                   // Label1
    std::vector<PageLine> introduction;  // Label2, Label3
    // Poisson: base text, then the exponent of e, then the rest of the line,
    // and the exponent of ( Nmoyen ) placed after `poissonBeforeN`.
    std::string poissonBase, poissonExponent, poissonRest, poissonBeforeN, poissonN;
    std::vector<PageLine> middle;     // Label6, Label7, Label8
    std::string label6Sizing;         // a row of 74 capitals that sizes Label6 first
    // Gauss: base text, the exponent of e, the root term and its exponent ½
    // placed after the whole root term.
    std::string gaussBase, gaussExponent, gaussRoot, gaussRootExponent;
    // The base text and one blank: where the exponent of e starts.
    std::string eWithBlank;
    // After the Gauss formula: what the analysis's χ² test tells a student.
    std::vector<PageLine> closing;    // Label15, Label16
};
const LawsPage& lawsPage();

}  // namespace kolven::pages
