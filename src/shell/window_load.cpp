#include <algorithm>

#include "core/number_text.h"
#include "shell/kolven_window.h"
#include "shell/pictures/pictures.h"

namespace kolven {

namespace {

using platform::Alignment;
using platform::Color;
using pictures::ArrowButton;
namespace colors = platform::colors;

// Design values, in twips on the 1024 × 768 design screen.
constexpr double kBandHeight = 800;
constexpr double kBandMargin = 120;
constexpr double kAxisY = 9300;
constexpr double kReadoutGap = 150;
constexpr double kFinFontSize = 15;
constexpr double kTitleFontSize = 20;
constexpr double kWindowFontSize = 12;
constexpr double kArrowWidth = 600;
constexpr double kArrowHeight = 450;
constexpr double kArrowRowTop = 10050;
constexpr double kArrowGap = 75;
constexpr int kWidestBinsFactor = 4;  // 20 bins shown against the 80 at start
constexpr double kTitleTop = 10600;
constexpr double kNoticeTop = 10980;

const char* const kRunEntries[] = {
    "             1 ", "             2 ", "             5 ", "           10 ", "           20 ",
    "           50 ", "         100 ", "         200 ", "         500 ", "       1000 ",
    "       2000 ", "       5000 ", "     10000 ", "     20000 ", "     50000 ",
    "   100000 ", " 1000000 ", " en continu ",
};
const char* const kStepEntries[] = {
    "    0.1    ", "    0.2    ", "    0.5    ", "    1.0    ",
    "    2.0    ", "    5.0    ", "  10.0    ", "  20.0    ",
};
const char* const kValueEntries[] = {
    "      0.1    ", "      1.0    ", "      4.0    ", "      9.0    ",
    "    16.0    ", "    25.0    ", "    36.0    ", "    49.0    ",
};
const char* const kAssociationEntries[] = {
    " Histogramme des comptages ",
    " Histogramme de la somme de 2 comptages successifs ",
    " Histogramme de la 1/2 somme ",
    " Histogramme de la somme - le comptage suivant ",
};

void label(Control& c, const char* caption, const platform::Font& font, Color fore, Color back)
{
    c.setFont(font);
    c.setAutoSize(true);
    c.setCaption(caption);
    c.setFore(fore);
    c.setBack(back);
}

}  // namespace

void KolvenWindow::Form_Load()
{
    auto& ws = services.window;
    display.ECHHORIZ_S = static_cast<float>(ws.screenWidthPixels() * platform::kTwipsPerPixel) / kDesignWidth;
    display.ECHVERTI_S = static_cast<float>(ws.screenHeightPixels() * platform::kTwipsPerPixel) / kDesignHeight;
    m_windowWidth = ws.screenWidthPixels() * platform::kTwipsPerPixel;
    m_windowHeight = ws.screenHeightPixels() * platform::kTwipsPerPixel;
    m_windowFont = {kDesignFont, kWindowFontSize * display.ECHVERTI_S, false};

    for (Control* c : m_controls)
        c->hide();
    layOut();

    mean.TEMPS_I = 90;
    mean.TEMPS_S = 9.0f;
    series.DONNEES_T = "EXPERIENCE";
    display.ORIGINE_I = 0;
    display.HORIZON_I = 80;
    display.ECHELLEH_S = static_cast<float>(display.ECHELLEH0_L) / 20.0f;
    TRACE_CADRE();
    startReadingIntervals();
    findClassStream();
}

int KolvenWindow::scaledX(double design) const
{
    return static_cast<int>(roundEven(design * display.ECHHORIZ_S));
}

int KolvenWindow::scaledY(double design) const
{
    return static_cast<int>(roundEven(design * display.ECHVERTI_S));
}

void KolvenWindow::layOut()
{
    layOutTitleBand();
    layOutCommandRow();
    layOutReadouts();
    layOutPlotArea();
    fillLists();
    layOutMenus();
    layOutDetector();
}

void KolvenWindow::layOutTitleBand()
{

    Picture1.move(0, 0);
    Picture1.setWidth(m_windowWidth);
    Picture1.setHeight(scaledY(kBandHeight));
    Picture1.setBack(platform::rgb(0, 0, 128));
    Picture1.show();

    const int logoSide = static_cast<int>(roundEven(0.8 * Picture1.height()));
    KOLVEN_Image1.setPicture(pictures::logo());
    KOLVEN_Image1.move(scaledX(kBandMargin), (Picture1.height() - logoSide) / 2);
    KOLVEN_Image1.setWidth(logoSide);
    KOLVEN_Image1.setHeight(logoSide);
    KOLVEN_Image1.show();

    const platform::Font commandFont{kDesignFont, kFinFontSize * display.ECHVERTI_S, false};
    label(FIN, " Quitter ", commandFont, colors::black, colors::grey);
    FIN.setTooltip(" Cliquez pour QUITTER ");
    FIN.move(m_windowWidth - FIN.width() - scaledX(kBandMargin), (Picture1.height() - FIN.height()) / 2);
    FIN.show();

    // The title takes the room between the logo and " Quitter ", shrunk a
    // point at a time until it fits.
    const int margin = scaledX(kBandMargin);
    const int room = FIN.left() - KOLVEN_Image1.left() - KOLVEN_Image1.width() - 3 * margin;
    platform::Font titleFont{kDesignFont, kTitleFontSize * display.ECHVERTI_S, true};
    label(TITRE, "KOLVEN : comptage et histogramme, loi de POISSON et loi de GAUSS", titleFont, colors::white,
          platform::rgb(0, 0, 128));
    while (TITRE.width() >= room && TITRE.font().size > 1)
        TITRE.setFontSize(TITRE.font().size - 1);
    TITRE.move(KOLVEN_Image1.left() + KOLVEN_Image1.width() + margin + margin / 2 + (room - TITRE.width()) / 2,
               (Picture1.height() - TITRE.height()) / 2);
    TITRE.show();
}

void KolvenWindow::layOutCommandRow()
{
    const platform::Font& font = FIN.font();
    const int top = Picture1.height();
    int left = 0;
    const auto place = [&](Control& c, const char* caption, const char* tooltip) {
        label(c, caption, font, colors::black, colors::grey);
        c.setTooltip(tooltip);
        c.move(left, top);
        left += c.width();
    };
    place(LANCER1, " Comptage(s) ", "");
    place(EFFACERS, " Effacer ", " Cliquez pour effacer ");
    place(DUREES1, " Moyenne des comptages ", "");
    place(ORIGINE, " Origine ", "");
    place(ANALYSES, " Analyse statistique ", " Cliquez pour comparer les distributions ");
    place(INFORMATIONS, " Informations ", "");
    place(EXPORTER, " Exporter ", "");
    for (Control* c : {&LANCER1, &EFFACERS, &DUREES1, &ORIGINE, &ANALYSES, &INFORMATIONS, &EXPORTER})
        c->show();
    for (Control* c : {&LANCER1, &EFFACERS, &DUREES1, &ANALYSES})
        c->setEnabled(false);

    // The stop and return labels take the place right after " Comptage(s) ".
    label(ARRET_Label, "  Arrêter  ", font, colors::white, colors::red);
    ARRET_Label.setTooltip(" Cliquez pour Arrêter ");
    ARRET_Label.move(LANCER1.left() + LANCER1.width(), top);
    label(Label36, "  Retour  ", font, colors::black, colors::grey);
    Label36.setTooltip(" Cliquez pour retourner ");
    Label36.move(LANCER1.left() + LANCER1.width(), top);
}

void KolvenWindow::layOutReadouts()
{
    const platform::Font& font = FIN.font();
    const int top = LANCER1.top() + LANCER1.height() + scaledY(kReadoutGap);

    label(TEMPS, " Moyenne = 9 ", font, colors::black, colors::green);
    TEMPS.move(DUREES1.left() + (DUREES1.width() - TEMPS.width()) / 2, top);

    label(VAL_COMPT, " Valeur du comptage =0 ", font, colors::blue, colors::white);
    VAL_COMPT.move(TEMPS.left() + TEMPS.width() + TEMPS.height(), top);

    // The statistics sit a row lower, clear of the mean and the value.
    const int statisticsTop = TEMPS.top() + TEMPS.height() + scaledY(kReadoutGap) / 2;
    label(Nmoyen, " Nmoyen =0 ", font, colors::blue, colors::white);
    Nmoyen.move(scaledX(1800), statisticsTop);
    label(EQM2_N, " =0 ", font, colors::blue, colors::white);
    EQM2_N.move(Nmoyen.left(), static_cast<int>(roundEven(statisticsTop + 1.2 * Nmoyen.height())));
    SIGMA2.setPicture(pictures::sigmaSquared());
    SIGMA2.setWidth(EQM2_N.height());
    SIGMA2.setHeight(EQM2_N.height());
    SIGMA2.move(EQM2_N.left() - EQM2_N.height(), EQM2_N.top());

    label(NOMB_COMPT, " Nombre de comptage =0 ", font, colors::blue, colors::white);
    NOMB_COMPT.move(scaledX(10000), statisticsTop);

    label(DEPASSE, "  La valeur du comptage dépasse la limite  située à 240  ", font, colors::red, colors::white);
    DEPASSE.move((m_windowWidth - DEPASSE.width()) / 2, EQM2_N.top());

    label(AVIS, "", font, colors::red, platform::rgb(255, 255, 192));
    AVIS.setTop(scaledY(kNoticeTop));

    label(MOT1, "", font, colors::black, colors::grey);
}

void KolvenWindow::layOutPlotArea()
{

    const int arrowWidth = scaledX(kArrowWidth);
    const int arrowHeight = scaledY(kArrowHeight);
    const int arrowTop = scaledY(kArrowRowTop);
    const int gap = scaledX(kArrowGap);
    const auto arrow = [&](Control& c, ArrowButton button, int left, int top) {
        c.setPicture(pictures::arrowButton(button));
        c.move(left, top);
        c.setWidth(arrowWidth);
        c.setHeight(arrowHeight);
    };
    arrow(F_H_G_10, ArrowButton::Left10, 2 * gap, arrowTop);
    arrow(F_H_G_Image, ArrowButton::Left1, F_H_G_10.left() + arrowWidth + gap, arrowTop);
    arrow(F_H_D_10, ArrowButton::Right10, m_windowWidth - 2 * gap - arrowWidth, arrowTop);
    arrow(F_H_D_Image, ArrowButton::Right1, F_H_D_10.left() - gap - arrowWidth, arrowTop);
    arrow(F_H_M_Image1, ArrowButton::FewerBins, m_windowWidth / 2 - gap - arrowWidth, arrowTop);
    arrow(F_H_P_Image, ArrowButton::MoreBins, m_windowWidth / 2 + gap, arrowTop);

    display.POSAXE_I = scaledY(kAxisY);
    display.ECHELLEH0_L = display.POSAXE_I - EQM2_N.top() - EQM2_N.height();
    display.D1_I = static_cast<std::int16_t>(roundEven(2.0 * F_H_D_Image.height()));
    display.DECAL1_I = static_cast<std::int16_t>(roundEven((m_windowWidth - 2.0 * display.D1_I) / 80));

    // The vertical scale arrows sit between the vertical axis and the first
    // bar where it is widest: at 20 bins, each four times as wide as at start,
    // in the series plot and in the comparison's left panel (whose margin is
    // 1.5 times the height of CONTENUS, as high as EQM2_N).
    const int verticalLeft = LANCER1.height() / 2 + gap;
    const int widestFirstBarLeft =
        display.D1_I - static_cast<int>(roundEven(kWidestBinsFactor * display.DECAL1_I / 3.0));
    ComparisonInputs widestComparison;
    widestComparison.windowWidth = m_windowWidth;
    widestComparison.contentsHeight = EQM2_N.height();
    widestComparison.HORIZON_I = 20;
    const ComparisonGeometry widestGeometry = comparisonGeometry(widestComparison, 0);
    const PlotGeometry leftPanel =
        comparisonPanel(widestComparison, widestGeometry, widestGeometry.left[kPoissonPanel]);
    const int widestComparedBarLeft = static_cast<int>(roundEven(leftPanel.centreOf(0) - leftPanel.halfBar));
    arrow(F_V_P_Image, ArrowButton::ScaleUp, verticalLeft, EQM2_N.top() + EQM2_N.height() + scaledY(300));
    arrow(F_V_M_Image, ArrowButton::ScaleDown, verticalLeft, F_V_P_Image.top() + arrowHeight + gap);
    for (Control* c : {&F_V_P_Image, &F_V_M_Image})
        c->setWidth(std::min({arrowWidth, widestFirstBarLeft - verticalLeft - gap,
                              widestComparedBarLeft - verticalLeft - gap}));

    // Start-up arrows: bins 0 … 80 shown, an empty series.
    for (Control* c : {&F_H_D_Image, &F_H_D_10, &F_H_P_Image, &F_H_M_Image1})
        c->show();

    const platform::Font& font = FIN.font();
    // Opaque, so that the vertical axis seems to end under its label. In the
    // read-outs' font, so that it is exactly as high as EQM2_N beside it: its
    // lower edge, where the tallest bars stop, is then the lower edge of the
    // plot height ECHELLEH0_L, and no opaque read-out of that row covers them.
    label(CONTENUS, " 30", font, platform::paletteColor(9), colors::windowBackground);
    CONTENUS.move(0, EQM2_N.top());

    label(EFF_EXP, "", font, colors::black, colors::magenta);
    EFF_EXP.move(F_H_G_Image.left() + F_H_G_Image.width() + 2 * gap, arrowTop);
    EFF_EXP.show();

    // The titles under the plot, and the read-outs of the comparison over it,
    // the window's width shared between the columns.
    const int columnWidth = m_windowWidth / static_cast<int>(m_columns.size());
    const int titleTop = scaledY(kTitleTop);
    const int countTop = EQM2_N.top() + EQM2_N.height() + scaledY(60);
    // Each column's read-outs start clear of the vertical scale arrows, which
    // stand at the same height at the left edge.
    const int columnIndent = std::max(scaledX(300), F_V_P_Image.left() + F_V_P_Image.width() + gap);
    int columnLeft = 0;
    for (const ComparisonColumn& column : m_columns) {
        Control& title = *column.title;
        label(title, column.titleText, font, colors::black, colors::green);
        // The series' title stands in the middle of the window, as its own
        // view has it.
        title.move(column.panel == kSeriesPanel ? (m_windowWidth - title.width()) / 2
                                                : columnLeft + (columnWidth - title.width()) / 2,
                   titleTop);

        label(*column.count, "", font, colors::black, colors::magenta);
        label(*column.total, "", font, colors::black, colors::cyan);
        column.count->move(columnLeft + columnIndent, countTop);
        column.total->move(columnLeft + columnIndent, countTop + column.count->height());

        Control& deviation = *column.deviation;
        label(*column.mean, "", font, colors::blue, colors::white);
        label(deviation, " = 23.02 ", font, colors::blue, colors::white);
        column.mean->move(columnLeft + columnIndent, Nmoyen.top());
        deviation.move(column.mean->left() + scaledX(900), EQM2_N.top());
        column.sigma->setPicture(pictures::sigmaSquared());
        column.sigma->setWidth(deviation.height());
        column.sigma->setHeight(deviation.height());
        column.sigma->move(deviation.left() - deviation.height(), deviation.top());
        columnLeft += columnWidth;
    }
}

void KolvenWindow::fillLists()
{
    for (const char* e : kRunEntries)
        LANCER_N.addEntry(e);
    for (const char* e : kStepEntries) {
        AUGMENT2.addEntry(e);
        DIMINUE2.addEntry(e);
    }
    for (const char* e : kValueEntries)
        VALEUR_A_List.addEntry(e);
    for (const char* e : kAssociationEntries)
        ASSOCIATIONS_List.addEntry(e);
    for (const InformationPage& page : informationPages())
        INFOS.addEntry(page.menuEntry);
    for (const char* e : exportEntries())
        EXPORTER_List.addEntry(e);

    for (Control* list :
         {&LANCER_N, &AUGMENT2, &DIMINUE2, &VALEUR_A_List, &ASSOCIATIONS_List, &INFOS, &EXPORTER_List}) {
        list->setFont(FIN.font());
        list->setFore(colors::blue);
        list->setBack(colors::lightGrey);
        list->setIndex(-1);
        sizeListToEntries(*list);
    }
    LANCER_N.setTooltip(" Cliquez sur le choix du nombre de comptage(s) ");
    AUGMENT2.setTooltip(" Cliquez sur la valeur à ajouter à la moyenne ");
    VALEUR_A_List.setTooltip(" Cliquez sur la valeur à imposer à la moyenne ");
    DIMINUE2.setTooltip(" Cliquez sur la valeur à soustraire à la moyenne ");
    ASSOCIATIONS_List.setTooltip(" Cliquez sur votre choix ");
    INFOS.setTooltip(" Cliquez sur l'information désirée ");
    EXPORTER_List.setTooltip(" Cliquez sur votre choix ");
    LANCER_N.setFore(colors::black);
    INFOS.setFore(colors::black);
    EXPORTER_List.setFore(colors::black);
}

// A list is as wide as its widest entry, measured in its own font with MOT1.
void KolvenWindow::sizeListToEntries(Control& list)
{
    MOT1.setFont(list.font());
    int widest = 0;
    for (const std::string& entry : list.entries()) {
        MOT1.setCaption(entry);
        widest = std::max(widest, MOT1.width());
    }
    list.setWidth(widest + platform::kListFrame);
    list.setHeight(static_cast<int>(list.entries().size()) * list.itemHeight() + platform::kListFrame);
}

void KolvenWindow::layOutMenus()
{
    const platform::Font& font = FIN.font();
    const int top = LANCER1.top() + LANCER1.height();

    // Number of counts, under " Comptage(s) ".
    label(Label34, " Nombre de comptage(s) à réaliser ", font, colors::black, colors::grey);
    Label34.move(LANCER1.left(), top);
    LANCER_N.move(LANCER1.left(), top + Label34.height());

    // Theoretical mean, under the read-out of the mean, which must stay in
    // sight while each click changes it: three columns, each caption over its
    // list.
    const int meanMenuTop = TEMPS.top() + TEMPS.height();
    label(Label33, " Moyenne théorique des comptages ", font, colors::black, colors::grey);
    label(AUGMENT1, " augmentée de ", font, colors::black, colors::grey);
    label(VALEUR_A_Label, "fixée à", font, colors::black, colors::grey);
    label(DIMINUE1, " diminuée de ", font, colors::black, colors::grey);
    const int columnWidth = std::max({AUGMENT1.width(), VALEUR_A_Label.width(), DIMINUE1.width(), AUGMENT2.width(),
                                      VALEUR_A_List.width(), DIMINUE2.width()});
    const int menuWidth = std::max(3 * columnWidth, Label33.width());
    const int menuLeft = std::clamp(DUREES1.left() + (DUREES1.width() - menuWidth) / 2, 0, m_windowWidth - menuWidth);
    // The header and the captions are bands as wide as the menu, so that it
    // reads as one panel over whatever lies under it.
    const auto band = [](Control& c, int left, int top, int width) {
        c.setAutoSize(false);
        c.setAlignment(Alignment::Center);
        c.move(left, top);
        c.setWidth(width);
    };
    band(Label33, menuLeft, meanMenuTop, menuWidth);
    const int captionTop = meanMenuTop + Label33.height();
    const int listTop = captionTop + AUGMENT1.height();
    int column = 0;
    for (auto [caption, list] : {std::pair{&AUGMENT1, &AUGMENT2}, {&VALEUR_A_Label, &VALEUR_A_List},
                                 {&DIMINUE1, &DIMINUE2}}) {
        const int columnLeft = menuLeft + (menuWidth - 3 * columnWidth) / 2 + column * columnWidth;
        band(*caption, columnLeft, captionTop, columnWidth);
        list->move(columnLeft + (columnWidth - list->width()) / 2, listTop);
        ++column;
    }
    Label33.setCaption("");

    // Origin, under " Origine ": the two groups side by side, their choices below.
    label(Label37, "  Choix sur l'origine des comptages  ", font, colors::black, colors::grey);
    label(THEORIQUE_Label, " Théorique ", font, colors::black, colors::grey);
    label(Label38, "  Par Simulation  ", font, colors::black, colors::grey);
    THEORIQUE_Label.setTooltip(" Cliquez pour Valider cette origine ");
    Label38.setTooltip(" Cliquez pour Valider cette origine ");
    Label37.move(ORIGINE.left(), top);
    const int groupTop = top + Label37.height();
    THEORIQUE_Label.move(ORIGINE.left(), groupTop);
    Label38.move(THEORIQUE_Label.left() + THEORIQUE_Label.width() + THEORIQUE_Label.height(), groupTop);
    label(POISS, " avec POISSON ", font, colors::blue, colors::lightGrey);
    label(GAUSSIEN, " avec GAUSS ", font, colors::blue, colors::lightGrey);
    POISS.setTooltip(" Cliquez pour valider ");
    GAUSSIEN.setTooltip(" Cliquez pour valider ");
    POISS.move(THEORIQUE_Label.left(), groupTop + THEORIQUE_Label.height());
    GAUSSIEN.move(THEORIQUE_Label.left(), POISS.top() + POISS.height());
    ASSOCIATIONS_List.setTop(groupTop + Label38.height());
    // The widest choice must stay on screen when centred under its group.
    const int overflow = Label38.left() + Label38.width() / 2 + ASSOCIATIONS_List.width() / 2 - m_windowWidth;
    if (overflow > 0)
        for (Control* c : {&Label37, &THEORIQUE_Label, &Label38, &POISS, &GAUSSIEN})
            c->setLeft(c->left() - overflow);
    for (Control* c : {&Label37, &THEORIQUE_Label, &Label38})
        c->show();

    // Information, under " Informations ", kept on screen.
    label(Label35, "  Choix sur l'information  ", font, colors::black, colors::grey);
    const int infoLeft = std::min(INFORMATIONS.left(), m_windowWidth - std::max(Label35.width(), INFOS.width()));
    Label35.move(infoLeft, top);
    INFOS.move(infoLeft, top + Label35.height());

    // Export, under " Exporter ", kept on screen.
    EXPORTER_List.move(std::min(EXPORTER.left(), m_windowWidth - EXPORTER_List.width()), top);

    for (Control* page : {&Picture2, &BLANCS}) {
        page->setBack(colors::white);
        page->move(0, 0);
        page->setWidth(m_windowWidth);
        page->setHeight(m_windowHeight);
        page->setTooltip(" Cliquez pour fermer cette page ");
    }
    for (auto& line : pageLines)
        line->setTooltip(" Cliquez pour fermer cette page ");
}

void KolvenWindow::FIN_Click()
{
    series.COMPTAGE_I = 0;
    m_endRequested = true;
    services.window.endProgram();
}

void KolvenWindow::wireTitleBand()
{
    FIN.onClick = [this] { FIN_Click(); };
}

}  // namespace kolven
