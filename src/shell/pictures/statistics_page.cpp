#include <algorithm>
#include <string>

#include "shell/pictures/pictures.h"

namespace kolven::pictures {

using namespace platform;

namespace {

// The page is designed on a 1024 × 740 box, in the pixels of the design
// screen, and keeps its shape on any screen.
constexpr double kPageWidth = 1024;
constexpr double kPageHeight = 740;
constexpr double kMargin = 50;
constexpr double kTitleSize = 30;
constexpr double kHeadingSize = 21;
constexpr double kBodySize = 18;
constexpr double kFormulaSize = 21;
constexpr double kSumSize = 40;
constexpr double kLimitSize = 14;
constexpr double kExponentSize = 14;
// Above its baseline a capital of the page's font reaches 0.72 em, and the
// middle of a lower-case letter lies at 0.26 em: where a fraction bar meets
// the text beside it.
constexpr double kCapHeight = 0.72;
constexpr double kMathAxis = 0.26;

const char* const kFamily = "Microsoft Sans Serif";
const Color kTitleColor = rgb(255, 0, 0);
const Color kHeadingColor = rgb(0, 0, 255);
const Color kBodyColor = rgb(0, 0, 0);
const Color kPageColor = rgb(255, 255, 255);

// Writes on the page: text by its baseline, its width measured as the
// window measures its labels, so that pieces of a formula follow each other.
class Writer {
public:
    Writer(Drawing& d, const TextMeasurer& measurer) : m_d(d), m_measurer(measurer) {}

    double width(const std::string& text, double size, bool bold = false) const
    {
        // Sizes here are em heights in design pixels; fonts are sized in
        // points, 3/4 of a pixel at 96 dots per inch.
        const Font font{kFamily, size * 0.75, bold};
        return static_cast<double>(m_measurer.measure(font, text).width) / kTwipsPerPixel;
    }

    // Text starting at x; returns where it ends.
    double at(double x, double baseline, const std::string& text, double size, Color color, bool bold = false)
    {
        const double w = width(text, size, bold);
        m_d.add(Text{{x, baseline - 1.5 * size, w + 1, 1.5 * size}, text, kFamily, size, bold, color, Alignment::Left,
                     VerticalAlignment::Baseline});
        return x + w;
    }

    // Text centred on x.
    void centredOn(double x, double baseline, const std::string& text, double size, Color color)
    {
        at(x - width(text, size) / 2, baseline, text, size, color);
    }

    // A line of the page across its whole width, left at the margin or centred.
    void line(double baseline, const std::string& text, double size, Color color, bool bold,
              Alignment alignment = Alignment::Left)
    {
        m_d.add(Text{{kMargin, baseline - 1.5 * size, kPageWidth - 2 * kMargin, 1.5 * size}, text, kFamily, size, bold,
                     color, alignment, VerticalAlignment::Baseline});
    }

    void rule(double x1, double x2, double y, double width, Color color)
    {
        m_d.add(Polyline{{{x1, y}, {x2, y}}, Pen{color, width}});
    }

    // A sum sign with its bounds over and under it, its middle on the text
    // of `baseline`; returns where it ends.
    double sum(double x, double baseline, const std::string& from, const std::string& to)
    {
        const double sigmaWidth = width("Σ", kSumSize);
        const double blockWidth = std::max({sigmaWidth, width(from, kLimitSize), width(to, kLimitSize)});
        const double centre = x + blockWidth / 2;
        const double axis = baseline - kMathAxis * kFormulaSize;
        const double sigmaBaseline = axis + kCapHeight * kSumSize / 2;
        centredOn(centre, sigmaBaseline, "Σ", kSumSize, kHeadingColor);
        centredOn(centre, sigmaBaseline - kCapHeight * kSumSize - 5, to, kLimitSize, kHeadingColor);
        centredOn(centre, sigmaBaseline + kCapHeight * kLimitSize + 6, from, kLimitSize, kHeadingColor);
        return x + blockWidth;
    }

    // An exponent raised after a text that ends at x; returns where it ends.
    double exponent(double x, double baseline, const std::string& text)
    {
        return at(x + 1, baseline - 0.45 * kFormulaSize, text, kExponentSize, kHeadingColor);
    }

private:
    Drawing& m_d;
    const TextMeasurer& m_measurer;
};

// left = [ Σ (i from Nmini to Nmaxi) numerator ] / k, the fraction bar on
// the middle of the left-hand side. `left` and `numerator` write their text
// from x on the baseline they are given and return where it ends. Returns
// the lowest point of the formula.
template <typename Left, typename Numerator>
double sumOverK(Writer& w, double top, Left left, Numerator numerator)
{
    const double numeratorBaseline = top + kLimitSize + 5 + kCapHeight * kSumSize / 2 + kFormulaSize * 0.5;
    // The bar runs under the sum's lower bound, whose baseline lies under
    // the sign's (as Writer::sum places them).
    const double sigmaBaseline = numeratorBaseline - kMathAxis * kFormulaSize + kCapHeight * kSumSize / 2;
    const double bar = sigmaBaseline + kCapHeight * kLimitSize + 6 + 0.25 * kLimitSize + 6;
    const double start = left(kMargin + 40, bar + kMathAxis * kFormulaSize) + 16;
    const double afterSum = w.sum(start, numeratorBaseline, "i = Nmini", "Nmaxi") + 6;
    const double end = numerator(afterSum, numeratorBaseline) + 4;
    w.rule(start - 4, end, bar, 1.5, kHeadingColor);
    const double denominatorBaseline = bar + 6 + kCapHeight * kFormulaSize;
    w.centredOn((start + end) / 2, denominatorBaseline, "k", kFormulaSize, kHeadingColor);
    return denominatorBaseline + 0.25 * kFormulaSize;
}

}  // namespace

Picture statisticsPage(const TextMeasurer& measurer)
{
    auto d = std::make_shared<Drawing>(kPageWidth, kPageHeight, Fit::KeepAspect);
    d->add(FilledRect{{0, 0, kPageWidth, kPageHeight}, kPageColor});
    Writer w(*d, measurer);

    w.line(50, "STATISTIQUES SUR LES COMPTAGES", kTitleSize, kTitleColor, true, Alignment::Center);

    w.line(102, "Valeur N d'un comptage", kHeadingSize, kHeadingColor, true);
    w.line(132, "La valeur N d'un comptage est aléatoire. Une série de k valeurs est un échantillon de la population",
           kBodySize, kBodyColor, false);
    w.line(156, "des comptages ; elle est classée sous la forme d'un histogramme des effectifs Eff(N) :", kBodySize,
           kBodyColor, false);
    w.line(180, "Eff(N) est le nombre de fois où la valeur N est observée parmi les k valeurs.", kBodySize, kBodyColor,
           false);

    w.line(228, "Moyenne arithmétique", kHeadingSize, kHeadingColor, true);
    w.line(256, "Avec Nmini et Nmaxi, la plus petite et la plus grande des k valeurs :", kBodySize, kBodyColor, false);
    const double meanBottom = sumOverK(
        w, 268, [&](double x, double baseline) { return w.at(x, baseline, "Nmoyen  =", kFormulaSize, kHeadingColor); },
        [&](double x, double baseline) { return w.at(x, baseline, "i  ×  Eff(i)", kFormulaSize, kHeadingColor); });
    w.line(meanBottom + 30, "C'est la valeur autour de laquelle se regroupent les comptages.", kBodySize, kBodyColor,
           false);

    const double deviationHeading = meanBottom + 80;
    w.line(deviationHeading, "Écart quadratique moyen", kHeadingSize, kHeadingColor, true);
    const double deviationBottom = sumOverK(
        w, deviationHeading + 12,
        [&](double x, double baseline) {
            const double end = w.at(x, baseline, "(e.q.m lié à N)", kFormulaSize, kHeadingColor);
            return w.at(w.exponent(end, baseline, "2"), baseline, "  =", kFormulaSize, kHeadingColor);
        },
        [&](double x, double baseline) {
            const double end = w.at(x, baseline, "Eff(i)  ×  [ Nmoyen − i ]", kFormulaSize, kHeadingColor);
            return w.exponent(end, baseline, "2");
        });

    const double limitHeading = deviationBottom + 50;
    w.line(limitHeading, "Écart type σ et variance σ²", kHeadingSize, kHeadingColor, true);
    w.line(limitHeading + 30, "Lorsque k tend vers l'infini, (e.q.m)² tend vers σ², et pour les comptages :",
           kBodySize, kBodyColor, false);

    // σ² = Nmoyen, framed, in the middle of the page.
    const double baseline = limitHeading + 80;
    const double width = w.width("σ", kFormulaSize) + 1 + w.width("2", kExponentSize) +
                         w.width("  =  Nmoyen", kFormulaSize);
    const double left = (kPageWidth - width) / 2;
    const double end = w.at(w.exponent(w.at(left, baseline, "σ", kFormulaSize, kHeadingColor), baseline, "2"), baseline,
                            "  =  Nmoyen", kFormulaSize, kHeadingColor);
    const double top = baseline - kCapHeight * kFormulaSize - 14, bottom = baseline + 14;
    d->add(Polyline{{{left - 20, top}, {end + 20, top}, {end + 20, bottom}, {left - 20, bottom}},
                    Pen{kHeadingColor, 1.5}, true});
    return d;
}

}  // namespace kolven::pictures
