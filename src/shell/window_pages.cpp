#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "shell/kolven_window.h"
#include "shell/page_layout.h"
#include "shell/page_texts.h"
#include "shell/pictures/pictures.h"

namespace kolven {

namespace {

using pages::PageLine;
using pages::Placement;
using platform::Alignment;

// An exponent is set in a font 0.7 times the line's, its top raised above
// the line's by 0.45 of its own height, so that its lower half sits beside
// the upper half of the text it follows.
constexpr double kExponentScale = 0.7;
constexpr double kExponentRaise = 0.45;
// One row of a page from top to bottom: its height, the room above it in
// units (a heading gets two), and what puts it at a given top.
struct Row {
    int height = 0;
    int roomUnits = 1;
    std::function<void(int top)> place;
};

// The page's lines take the font of " Quitter ", rounded to a whole size.
platform::Font pageFont(double size)
{
    return platform::Font{kDesignFont, size, false};
}

int measured(KolvenWindow& w, const platform::Font& font, const std::string& text)
{
    w.MOT1.setAutoSize(true);
    w.MOT1.setFont(font);
    w.MOT1.setCaption(text);
    return w.MOT1.width();
}

void dress(Control& line, const platform::Font& font, const std::string& text, platform::Color color,
           Alignment alignment)
{
    line.setAutoSize(true);
    line.setFont(font);
    line.setCaption(text);
    line.setFore(color);
    line.setBack(platform::colors::white);
    line.setAlignment(alignment);
}

// The page background, `width` wide, centred on the screen.
void placeBackground(KolvenWindow& w, int width)
{
    width = std::min(width, w.windowWidth());
    w.BLANCS.move((w.windowWidth() - width) / 2, 0);
    w.BLANCS.setWidth(width);
    w.BLANCS.setHeight(w.windowHeight());
}

void stackRows(KolvenWindow& w, const std::vector<Row>& rows)
{
    std::vector<pages::RowSize> sizes;
    for (const Row& row : rows)
        sizes.push_back({row.height, row.roomUnits});
    const std::vector<int> tops = pages::stackRows(sizes, w.windowHeight());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].place(tops[i]);
}

int leftOf(const KolvenWindow& w, const Control& line, Placement placement, int indent)
{
    switch (placement) {
    case Placement::Centred:
        return (w.BLANCS.width() - line.width()) / 2;
    case Placement::Heading:
        return indent;
    case Placement::Edge:
        break;
    }
    return 0;
}

Row lineRow(KolvenWindow& w, const PageLine& p, int indent, bool afterHeadingRoom)
{
    Control& line = w.pageLine(p.label);
    const bool heading = p.placement == Placement::Heading;
    return Row{line.height(), heading && afterHeadingRoom ? 2 : 1, [&w, &line, p, indent](int top) {
                   line.move(leftOf(w, line, p.placement, indent), top);
                   line.show();
               }};
}

// The widest line of a page, with `tail` added to line `measuredLabel`
// (0: none), fixes the page's width; the font is made smaller until the
// page fits the screen.
platform::Font fitFont(KolvenWindow& w, const std::vector<PageLine>& lines, int measuredLabel, const std::string& tail,
                       int& width)
{
    double size = std::round(w.FIN.font().size);
    for (;;) {
        const platform::Font font = pageFont(size);
        width = 0;
        for (const PageLine& p : lines)
            width = std::max(width, measured(w, font, p.label == measuredLabel ? p.text + tail : p.text));
        if (width <= w.windowWidth() || size <= 1)
            return font;
        size -= 1;
    }
}

// A page of plain lines: dressed, the background sized on them, then
// stacked from the top.
void textPage(KolvenWindow& w, const std::vector<PageLine>& lines, int measuredLabel, const std::string& tail)
{
    int width = 0;
    const platform::Font font = fitFont(w, lines, measuredLabel, tail, width);
    for (const PageLine& p : lines) {
        const Alignment alignment = p.placement == Placement::Centred ? Alignment::Center : Alignment::Left;
        Control& line = w.pageLine(p.label);
        // The measured line gets its final text once the page is sized.
        dress(line, font, p.label == measuredLabel ? p.text + tail : p.text, p.color, alignment);
        line.setCaption(p.text);
    }
    placeBackground(w, width);
    const int indent = measured(w, font, "    ");
    std::vector<Row> rows;
    for (std::size_t i = 0; i < lines.size(); ++i)
        rows.push_back(lineRow(w, lines[i], indent, i > 0));
    stackRows(w, rows);
}

}  // namespace

Control& KolvenWindow::pageLine(int number)
{
    return *pageLines.at(static_cast<std::size_t>(number - 1));
}

void KolvenWindow::wirePageHandlers()
{
    INFOS.onClick = [this] { INFOS_Click(); };
    for (Control* c : {&Picture2, &BLANCS, &STAT_Image1, &STAT_Image2, &STAT_Image3})
        c->onClick = [this] { BLANCS_Click(); };
    for (auto& line : pageLines)
        line->onClick = [this] { BLANCS_Click(); };
}

const std::vector<KolvenWindow::InformationPage>& KolvenWindow::informationPages()
{
    static const std::vector<InformationPage> table = {
        {" Utilisation  ", nullptr, 0, "", &KolvenWindow::UTILIS},
        {" Radioactivité et Comptage", pages::radioactivityLines, pages::kRadioactivityMeasured,
         pages::kRadioactivityMeasureTail},
        {" Statistiques sur les comptages ", nullptr, 0, "", &KolvenWindow::STAT},
        {" Distributions théoriques ", nullptr, 0, "", &KolvenWindow::DISTRIBU},
        {" A propos de KOLVEN", pages::aboutLines},
    };
    return table;
}

void KolvenWindow::INFOS_Click()
{
    // The page covers the window; closing it brings back what the menu covered.
    const int entry = takeCommandMenuEntry(INFOS, Covered::LeaveToPage);
    const std::vector<InformationPage>& table = informationPages();
    if (entry < 0 || entry >= static_cast<int>(table.size()))
        return;
    const InformationPage& page = table[static_cast<std::size_t>(entry)];
    INVISIBLE();
    if (page.layOut)
        (this->*page.layOut)();
    else
        textPage(*this, page.lines(), page.measuredLabel, page.measureTail);
    FIN.hide();
    Picture2.show();
    BLANCS.show();
}

void KolvenWindow::INVISIBLE()
{
    for (int i = 1; i <= 30; ++i)
        pageLine(i).hide();
}

void KolvenWindow::UTILIS()
{
    textPage(*this, pages::utilisationLines(), pages::kUtilisationWidest, pages::kUtilisationMeasureTail);
    Control& hidden = pageLine(12);
    dress(hidden, pageLine(1).font(), pages::kUtilisationHiddenLabel12, pages::kBodyColor, Alignment::Left);
    hidden.hide();
}

void KolvenWindow::STAT()
{
    // The page is drawn from its content once and kept; the first two
    // pictures hold it at their own sizes and stay hidden.
    if (!STAT_Image3.picture()) {
        const auto page = pictures::statisticsPage(services.window);
        for (Control* c : {&STAT_Image1, &STAT_Image2, &STAT_Image3})
            c->setPicture(page);
    }
    STAT_Image1.setWidth(760 * platform::kTwipsPerPixel);
    STAT_Image1.setHeight(490 * platform::kTwipsPerPixel);
    STAT_Image2.setWidth(930 * platform::kTwipsPerPixel);
    STAT_Image2.setHeight(590 * platform::kTwipsPerPixel);
    placeBackground(*this, m_windowWidth);
    STAT_Image3.move(0, 0);
    STAT_Image3.setWidth(m_windowWidth);
    STAT_Image3.setHeight(m_windowHeight);
    STAT_Image3.show();
}

void KolvenWindow::DISTRIBU()
{
    const pages::LawsPage& page = pages::lawsPage();

    // Sized on its plain lines, the formulas and the 74 capitals Label6 is
    // first given.
    std::vector<PageLine> plain{page.title};
    plain.insert(plain.end(), page.introduction.begin(), page.introduction.end());
    plain.insert(plain.end(), page.middle.begin(), page.middle.end());
    plain.insert(plain.end(), page.closing.begin(), page.closing.end());
    std::vector<PageLine> sizing = plain;
    sizing.push_back({6, page.label6Sizing, pages::kBodyColor, Placement::Centred});
    sizing.push_back({5, page.poissonBase + " " + page.poissonExponent + page.poissonRest, pages::kHeadingColor,
                      Placement::Centred});
    sizing.push_back({10, page.gaussBase + " " + page.gaussExponent + page.gaussRoot + page.gaussRootExponent,
                      pages::kHeadingColor, Placement::Centred});
    int width = 0;
    const platform::Font font = fitFont(*this, sizing, 0, "", width);
    placeBackground(*this, width);
    const platform::Font small{font.family, font.size * kExponentScale, font.bold};

    dress(pageLine(6), font, page.label6Sizing, pages::kBodyColor, Alignment::Center);
    // Label6 then takes its own text with the other plain lines.
    for (const PageLine& p : plain)
        dress(pageLine(p.label), font, p.text, p.color, Alignment::Center);

    const auto blue = pages::kHeadingColor;
    for (int label : {5, 14, 10, 12})
        dress(pageLine(label), font, "", blue, Alignment::Left);
    for (int label : {4, 13, 9, 11})
        dress(pageLine(label), small, "", blue, Alignment::Left);
    pageLine(5).setCaption(page.poissonBase);
    pageLine(4).setCaption(page.poissonExponent);
    pageLine(14).setCaption(page.poissonRest);
    pageLine(13).setCaption(page.poissonN);
    pageLine(10).setCaption(page.gaussBase);
    pageLine(9).setCaption(page.gaussExponent);
    pageLine(12).setCaption(page.gaussRoot);
    pageLine(11).setCaption(page.gaussRootExponent);

    const int raise = static_cast<int>(std::lround(kExponentRaise * pageLine(4).height()));
    const int formulaHeight = raise + pageLine(5).height();
    const int eWidth = measured(*this, font, page.eWithBlank);
    const int blank = measured(*this, font, " ");

    // A formula's four lines on one row: the base and the rest lowered by
    // the raise, the two exponents at the row's top.
    const auto formula = [this, raise](std::array<int, 4> labels, pages::FormulaWidths widths) {
        return [this, raise, labels, widths](int top) {
            const pages::FormulaPlaces at = pages::placeFormula(widths, BLANCS.width());
            pageLine(labels[0]).move(at.base, top + raise);
            pageLine(labels[1]).move(at.exponent, top);
            pageLine(labels[2]).move(at.rest, top + raise);
            pageLine(labels[3]).move(at.second, top);
            for (int label : labels)
                pageLine(label).show();
        };
    };
    // Poisson: e to the power − Nmoyen, times Nmoyen to the power N, over N!.
    const auto poisson = formula({5, 4, 14, 13}, {eWidth, pageLine(4).width(), pageLine(14).width(),
                                                  measured(*this, font, page.poissonBeforeN), pageLine(13).width(),
                                                  blank});
    // Gauss: e to the power −½ (N − Nmoyen)² / Nmoyen, over the root of
    // 2 π Nmoyen, written as that product to the power ½.
    const auto gauss = formula({10, 9, 12, 11}, {eWidth, pageLine(9).width(), pageLine(12).width(),
                                                 measured(*this, font, page.gaussRoot), pageLine(11).width(),
                                                 blank});
    const auto centred = [this](int label) {
        return Row{pageLine(label).height(), 1, [this, label](int top) {
                       Control& line = pageLine(label);
                       line.move((BLANCS.width() - line.width()) / 2, top);
                       line.show();
                   }};
    };
    std::vector<Row> rows{centred(1), centred(2), centred(3), Row{formulaHeight, 2, poisson},
                          centred(6), centred(7), centred(8), Row{formulaHeight, 2, gauss},
                          centred(15), centred(16)};
    rows[1].roomUnits = 2;
    rows[4].roomUnits = 2;
    rows[8].roomUnits = 2;
    stackRows(*this, rows);
}

void KolvenWindow::BLANCS_Click()
{
    Picture2.hide();
    for (Control* c : {&STAT_Image1, &STAT_Image2, &STAT_Image3, &Label33, &Label34})
        c->hide();
    for (int i = 1; i <= 32; ++i)
        pageLine(i).hide();
    FIN.show();
    // The information menu hid the analysis view's column under it.
    if (Label36.visible())
        for (Control* c : columnUnderMenus().statistics())
            c->show();
    refreshChiSquareLines();
}

}  // namespace kolven
