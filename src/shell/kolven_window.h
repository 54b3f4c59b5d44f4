#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/export_rhythm.h"
#include "core/class_stream.h"
#include "core/click_detector.h"
#include "core/export_writer.h"
#include "core/histogram_table.h"
#include "core/interval_file.h"
#include "core/series_state.h"
#include "core/stream_state.h"
#include "display/comparison_geometry.h"
#include "display/display_state.h"
#include "display/plot_geometry.h"
#include "laws/laws_state.h"
#include "platform/control.h"
#include "platform/picture.h"
#include "platform/platform.h"
#include "settings/mean_setting.h"
#include "shell/comparison_column.h"
#include "shell/page_texts.h"

namespace kolven {

using platform::Control;

// The main window: every control, the state of the series, the mean setting,
// the laws and the display (each a named part, its fields under their design
// names), and the handlers of their events. The handlers are defined in the
// shell/window_*.cpp files, one file per subsystem or feature.
class KolvenWindow {
public:
    explicit KolvenWindow(platform::Services services);
    KolvenWindow(const KolvenWindow&) = delete;
    KolvenWindow& operator=(const KolvenWindow&) = delete;

    // --- Events from the window system (window coordinates, twips) -------
    void pointerMoved(int x, int y);
    void pointerPressed(int x, int y);
    void pointerReleased(int x, int y);
    // The window system wants the window closed (Alt+F4, logging out). True
    // when it may close now; during a run the run ends first, then the
    // program ends.
    bool closeRequested();
    bool endRequested() const { return m_endRequested; }
    // Waits, at most `seconds`, for the interval file found at start-up to be
    // read whole: for tests and measurements that must not race the reading.
    bool intervalsRead(double seconds) const { return !m_intervals || m_intervals->waitUntilHeld(seconds); }

    // Every control, bottom of the stacking order first.
    const std::vector<Control*>& controls() const { return m_controls; }
    Control* control(const std::string& name) const;
    // The control that takes pointer events at x, y: the topmost one shown
    // there, or null for the window background (also when that control is
    // disabled: a disabled control passes its events to the window).
    Control* controlAt(int x, int y) const;
    int windowWidth() const { return m_windowWidth; }
    int windowHeight() const { return m_windowHeight; }
    const platform::Font& windowFont() const { return m_windowFont; }

    // --- Title band ---------------------------------------------------------
    Control Picture1{"Picture1", platform::ControlKind::Panel};
    Control KOLVEN_Image1{"KOLVEN_Image1", platform::ControlKind::Picture};
    Control TITRE{"TITRE", platform::ControlKind::Label};
    Control FIN{"FIN", platform::ControlKind::Label};

    // --- Command row --------------------------------------------------------
    Control LANCER1{"LANCER1", platform::ControlKind::Label};
    Control ARRET_Label{"ARRET_Label", platform::ControlKind::Label};
    Control EFFACERS{"EFFACERS", platform::ControlKind::Label};
    Control DUREES1{"DUREES1", platform::ControlKind::Label};
    Control ORIGINE{"ORIGINE", platform::ControlKind::Label};
    Control ANALYSES{"ANALYSES", platform::ControlKind::Label};
    Control Label36{"Label36", platform::ControlKind::Label};
    Control INFORMATIONS{"INFORMATIONS", platform::ControlKind::Label};
    Control EXPORTER{"EXPORTER", platform::ControlKind::Label};

    // --- Read-outs of the series and the mean -------------------------------
    Control TEMPS{"TEMPS", platform::ControlKind::Label};
    Control VAL_COMPT{"VAL_COMPT", platform::ControlKind::Label};
    Control NOMB_COMPT{"NOMB_COMPT", platform::ControlKind::Label};
    Control Nmoyen{"Nmoyen", platform::ControlKind::Label};
    Control EQM2_N{"EQM2_N", platform::ControlKind::Label};
    Control SIGMA2{"SIGMA2", platform::ControlKind::Picture};
    Control DEPASSE{"DEPASSE", platform::ControlKind::Label};
    // Messages of this program's own about its files (no dialog boxes).
    Control AVIS{"AVIS", platform::ControlKind::Label};

    // --- Plot ---------------------------------------------------------------
    Control CONTENUS{"CONTENUS", platform::ControlKind::Label};
    Control DISTR_COMPTAGES{"DISTR_COMPTAGES", platform::ControlKind::Label};
    Control DISTR_POISSON{"DISTR_POISSON", platform::ControlKind::Label};
    Control DISTR_GAUSS{"DISTR_GAUSS", platform::ControlKind::Label};
    Control EFF_EXP{"EFF_EXP", platform::ControlKind::Label};
    Control EFF_COMPT{"EFF_COMPT", platform::ControlKind::Label};
    Control EFF_POI{"EFF_POI", platform::ControlKind::Label};
    Control EFF_GAUSS{"EFF_GAUSS", platform::ControlKind::Label};
    Control SOMME_COMPT{"SOMME_COMPT", platform::ControlKind::Label};
    Control SOMME_POIS{"SOMME_POIS", platform::ControlKind::Label};
    Control SOMME_GAUSS{"SOMME_GAUSS", platform::ControlKind::Label};
    Control NMOYENEX{"NMOYENEX", platform::ControlKind::Label};
    Control EQM2_EX{"EQM2_EX", platform::ControlKind::Label};
    Control SIGMA2EX{"SIGMA2EX", platform::ControlKind::Picture};
    Control NMOYENP{"NMOYENP", platform::ControlKind::Label};
    Control EQM2_P{"EQM2_P", platform::ControlKind::Label};
    Control SIGMA2P{"SIGMA2P", platform::ControlKind::Picture};
    Control NMOYENG{"NMOYENG", platform::ControlKind::Label};
    Control EQM2_G{"EQM2_G", platform::ControlKind::Label};
    Control SIGMA2G{"SIGMA2G", platform::ControlKind::Picture};
    Control F_H_G_Image{"F_H_G_Image", platform::ControlKind::Picture};
    Control F_H_G_10{"F_H_G_10", platform::ControlKind::Picture};
    Control F_H_D_Image{"F_H_D_Image", platform::ControlKind::Picture};
    Control F_H_D_10{"F_H_D_10", platform::ControlKind::Picture};
    Control F_H_P_Image{"F_H_P_Image", platform::ControlKind::Picture};
    Control F_H_M_Image1{"F_H_M_Image1", platform::ControlKind::Picture};
    Control F_V_P_Image{"F_V_P_Image", platform::ControlKind::Picture};
    Control F_V_M_Image{"F_V_M_Image", platform::ControlKind::Picture};

    // --- Pop-up menus -------------------------------------------------------
    Control Label34{"Label34", platform::ControlKind::Label};
    Control LANCER_N{"LANCER_N", platform::ControlKind::List};
    Control Label33{"Label33", platform::ControlKind::Label};
    Control AUGMENT1{"AUGMENT1", platform::ControlKind::Label};
    Control AUGMENT2{"AUGMENT2", platform::ControlKind::List};
    Control VALEUR_A_Label{"VALEUR_A_Label", platform::ControlKind::Label};
    Control VALEUR_A_List{"VALEUR_A_List", platform::ControlKind::List};
    Control DIMINUE1{"DIMINUE1", platform::ControlKind::Label};
    Control DIMINUE2{"DIMINUE2", platform::ControlKind::List};
    Control Label37{"Label37", platform::ControlKind::Label};
    Control THEORIQUE_Label{"THEORIQUE_Label", platform::ControlKind::Label};
    Control Label38{"Label38", platform::ControlKind::Label};
    Control POISS{"POISS", platform::ControlKind::Label};
    Control GAUSSIEN{"GAUSSIEN", platform::ControlKind::Label};
    Control ASSOCIATIONS_List{"ASSOCIATIONS_List", platform::ControlKind::List};
    Control Label35{"Label35", platform::ControlKind::Label};
    Control INFOS{"INFOS", platform::ControlKind::List};
    Control EXPORTER_List{"EXPORTER_List", platform::ControlKind::List};

    // --- Information pages --------------------------------------------------
    Control Picture2{"Picture2", platform::ControlKind::Panel};
    Control BLANCS{"BLANCS", platform::ControlKind::Panel};
    std::vector<std::unique_ptr<Control>> pageLines;  // Label1 … Label32
    Control STAT_Image1{"STAT_Image1", platform::ControlKind::Picture};
    Control STAT_Image2{"STAT_Image2", platform::ControlKind::Picture};
    Control STAT_Image3{"STAT_Image3", platform::ControlKind::Picture};
    Control MOT1{"MOT1", platform::ControlKind::Label};

    // --- Questions the handlers keep asking ---------------------------------
    // A run of counts is going: its stop label is up and every other command
    // is locked until it ends.
    bool runInProgress() const { return ARRET_Label.visible(); }
    // The plot area shows the comparison of the statistical analysis, whose
    // return label stands in the command row; otherwise the series plot.
    bool analysisShown() const { return Label36.visible(); }
    // The series was computed from a law rather than counted.
    bool theoreticalOrigin() const { return series.DONNEES_T == "POISSON" || series.DONNEES_T == "GAUSS"; }

    // --- The comparison's columns, left to right: Poisson, the series, Gauss -
    const std::vector<ComparisonColumn>& comparisonColumns() const { return m_columns; }
    // The columns drawn: all but the series' own when it was computed from a
    // law, which is one of the laws' columns already.
    std::vector<const ComparisonColumn*> shownColumns() const;
    // The column the pop-up menus open over.
    const ComparisonColumn& columnUnderMenus() const { return m_columns.back(); }
    // Where a column's bins stand, for the window of bins shown now.
    PlotGeometry columnPlot(const ComparisonColumn& column) const;

    // --- Controls that go together ------------------------------------------
    // σ² stands beside the mean squared deviation whenever that is shown.
    void showSigma2WithDeviation();
    // The single-step scroll buttons cannot act at the ends of the bins.
    void hideScrollButtonsAtEnds();
    // CONTENUS, at the top of the vertical axis, reads the full-scale count.
    void showFullScale(int count);

    // --- Handlers and procedures, one file each: shell/window_<file>.cpp ---
    // window_load
    void Form_Load();
    void FIN_Click();
    // window_popup_menus
    void closeAllMenus();
    // The lists of the command labels after " Lancer ": the pages, the
    // exports and the detector, which open over the last column.
    std::array<Control*, 3> commandMenus() { return {&INFOS, &EXPORTER_List, &DETECTEUR_List}; }
    void hideCommandMenus();
    void openCommandMenu(Control& list);
    // What a command list covered: back at once, or left to the page that
    // the choice opens over the whole window.
    enum class Covered { Restore, LeaveToPage };
    int takeCommandMenuEntry(Control& list, Covered covered = Covered::Restore);
    void restoreCoveredItems();
    void EFFACE_CHOIX();
    void Form_Click();
    void Picture1_PointerOver();
    void ANALYSES_PointerOver();
    void EFFACERS_PointerOver();
    void FIN_PointerOver();
    void INFORMATIONS_PointerOver();
    void Label36_PointerOver();
    // window_count_run
    void LANCER1_PointerOver();
    void LANCER_N_Click();
    void ARRET_Label_MouseDown();
    void ARRET_Label_PointerOver();
    void countProcedure();
    void lockCommands();
    void unlockCommands();
    // window_series
    void classCount();
    void showSeriesReadouts();
    // The screen is about to be painted: what was left to be written then is written.
    void beforeFrame();
    bool seriesCanTake(int count) const;
    // window_simulated_count
    void startReadingIntervals();
    bool openIntervalFile();
    bool makeSimulatedCount();
    void refuseIntervalFile(const IntervalFileUnreadable& refusal);
    // window_erase
    void EFFACERS_Click();
    void eraseSeries();
    // window_export_file
    void writeExportFile();
    void exportAfterCount(bool countByCount);
    void exportAfterRun();
    void exportAfterRefusal();
    // window_theoretical_mean
    void DUREES1_PointerOver();
    void AUGMENT2_Click();
    void DIMINUE2_Click();
    void VALEUR_A_List_Click();
    // window_origin_menu
    enum class Group { None, Theoretical, Simulation };
    Group highlightedGroup() const;
    void ORIGINE_PointerOver();
    void THEORIQUE_Label_PointerOver();
    void Label38_PointerOver();
    // window_associations
    void ASSOCIATIONS_List_Click();
    // window_theoretical_series
    void POISS_Click();
    void GAUSSIEN_Click();
    void LANCER1_Click();
    void HISTO_THEORIQUE();
    // window_analysis
    void ANALYSES_Click();
    void Label36_Click();
    // window_comparison_plot
    void TRACE_COMPARAISON();
    // window_readout
    void Form_PointerOver(int x, int y);
    void readSeriesBin(int x, int y);
    void readComparedBin(int x, int y);
    // window_highlight
    void MARQUE_CURSEUR();
    void EFFACE_CURSEUR();
    void MARQUE_CURSEUR3();
    void EFFACE_CURSEUR3();
    // window_series_plot
    void TRACE_CADRE();
    void TRACE_HISTO();
    PlotGeometry seriesPlot() const;
    void drawSeriesBar(int bin, platform::Color color);
    // window_arrows
    void FLECHES();
    void BASE();
    void NORM();
    void F_H_D_10_Click() { scrollRight(10); }
    void F_H_D_Image_Click() { scrollRight(1); }
    void F_H_G_10_Click() { scrollLeft(10); }
    void F_H_G_Image_Click() { scrollLeft(1); }
    void F_H_M_Image1_Click();
    void F_H_P_Image_Click();
    void F_V_P_Image_Click();
    void F_V_M_Image_Click();

    // window_pages: the information pages, one row each in the order of the
    // menu. A page of plain lines is stacked from the top and sized on its
    // widest line, or on line `measuredLabel` given `measureTail` more; a
    // page with a layout of its own names it instead.
    struct InformationPage {
        const char* menuEntry;
        const std::vector<pages::PageLine>& (*lines)() = nullptr;
        int measuredLabel = 0;
        const char* measureTail = "";
        void (KolvenWindow::*layOut)() = nullptr;
    };
    static const std::vector<InformationPage>& informationPages();
    void INFOS_Click();
    void INVISIBLE();
    void UTILIS();
    void STAT();
    void DISTRIBU();
    void BLANCS_Click();
    Control& pageLine(int number);  // Label1 … Label32

    // window_export_menu: the plot as a picture and the histogram as a
    // table, for a lab report.
    static const std::vector<const char*>& exportEntries();
    void EXPORTER_PointerOver();
    void EXPORTER_List_Click();
    TableSource tableSource() const;
    // The controls a picture of the plot shows, and the part of the window it takes.
    std::vector<const Control*> pictureControls() const;
    platform::Rect pictureArea() const;
    void drawPlotArea(platform::PictureSurface& surface) const;

    // window_notices
    enum class Notice { IntervalFile, CountNeverEnds, SeriesFull, ExportFile, SaveRefused, Detector };
    void showNotice(Notice notice);
    void withdrawNotice(Notice notice);
    bool noticeShown(Notice notice) const;

    // --- χ² test of the series against each law (window_chi_square) ---------
    // Two lines under σ² of each law's column while the analysis is shown:
    // the test, then its verdict at 5 %. A law is not tested against a
    // series computed from itself.
    Control KHI2_P{"KHI2_P", platform::ControlKind::Label};
    Control SEUIL_P{"SEUIL_P", platform::ControlKind::Label};
    Control KHI2_G{"KHI2_G", platform::ControlKind::Label};
    Control SEUIL_G{"SEUIL_G", platform::ControlKind::Label};
    ChiSquareFigures chiSquarePoisson;
    ChiSquareFigures chiSquareGauss;
    void showChiSquareTests();
    void hideChiSquareTests();
    // A law's lines are on screen while its σ² read-out is (a menu may hide
    // it) and no bin is read out in the rows they share with the read-outs.
    void refreshChiSquareLines();

    // --- The class's detector and the stream the counts walk (window_detector)
    Control DETECTEUR{"DETECTEUR", platform::ControlKind::Label};
    Control DETECTEUR_List{"DETECTEUR_List", platform::ControlKind::List};
    Control FLUX{"FLUX", platform::ControlKind::Label};
    // The recording from the sound input, while it listens.
    Control ECOUTE_TITRE{"ECOUTE_TITRE", platform::ControlKind::Label};
    Control ECOUTE_IMPULSIONS{"ECOUTE_IMPULSIONS", platform::ControlKind::Label};
    Control ECOUTE_CADENCE{"ECOUTE_CADENCE", platform::ControlKind::Label};
    Control ECOUTE_DUREE{"ECOUTE_DUREE", platform::ControlKind::Label};
    Control ECOUTE_MINIMUM{"ECOUTE_MINIMUM", platform::ControlKind::Label};
    Control ECOUTE_ARRET{"ECOUTE_ARRET", platform::ControlKind::Label};
    bool listening() const { return ECOUTE_ARRET.visible(); }
    void DETECTEUR_PointerOver();
    void DETECTEUR_List_Click();
    void ECOUTE_ARRET_Click();
    void startListening();
    void soundArrived(const float* interleaved, std::size_t frames);
    void importPulsesFile();
    void chooseStream(const std::string& flux);
    void takeClassPulses(const std::vector<double>& seconds);
    void findClassStream();
    void showStream();
    void placeStreamCaption();
    std::string streamPath() const;

    SeriesState series;
    StreamState stream;
    MeanSetting mean;
    LawsState laws;
    DisplayState display;
    platform::Services services;

private:
    void buildControlList();
    void buildColumns();
    // Each slice wires its own controls, in its own file.
    void wireHandlers();
    void wireTitleBand();
    void wireMenuClosers();
    void wireCountRun();
    void wireErase();
    void wireTheoreticalMean();
    void wireOriginMenu();
    void wireAssociations();
    void wireAnalysis();
    void wireArrows();
    void wireTheoreticalSeries();
    void wirePageHandlers();
    void wireExportMenu();
    void wireDetector();
    void layOutDetector();
    void showListening();
    int scaledX(double design) const;
    int scaledY(double design) const;
    void layOut();
    void layOutTitleBand();
    void layOutCommandRow();
    void layOutReadouts();
    void layOutPlotArea();
    void layOutMenus();
    void fillLists();
    void sizeListToEntries(Control& list);
    void setMeanText(const std::string& mean);
    void applyMeanStep();
    void setSeriesTitle(const std::string& title);
    void chooseTheoreticalOrigin(const char* code, const char* title);
    void layOutAnalysisColumns();
    void drawSelectedSeriesBar(int colorIndex);
    void drawSelectedComparedBars(int colorIndex);
    ComparisonInputs comparisonInputs() const;
    void scrollRight(int step);
    void scrollLeft(int step);
    void redrawAfterScroll(bool right);
    void redrawAfterZoom();
    int fitScaleToLargestBin();
    int largestBin() const;
    bool meanReadsZero() const;
    std::string exportName(const char* suffix) const;
    void savePlotPicture(platform::PictureFormat format);
    void saveTable();
    void saveFile(const std::string& path, std::string_view bytes);
    void showSaveNotice(std::string text);

    std::vector<Control*> m_controls;
    std::vector<ComparisonColumn> m_columns;
    int m_windowWidth = 15360;
    int m_windowHeight = 11520;
    platform::Font m_windowFont;
    Control* m_pressed = nullptr;
    bool m_endRequested = false;
    bool m_closeAfterRun = false;
    std::unique_ptr<IntervalFile> m_intervals;
    bool m_seriesReadoutsDue = false;  // counts classed since the read-outs were written
    std::string m_intervalRefusal;  // why the interval file was refused, for its notice
    ExportWriter m_export;
    ExportRhythm m_exportRhythm;
    Notice m_notice = Notice::IntervalFile;
    std::string m_saveNotice;  // why the last file asked for was not saved
    std::string m_detectorNotice;
    std::unique_ptr<ClickDetector> m_listening;
    std::vector<std::pair<bool, bool>> m_commandsBeforeListening;  // shown, enabled
    // Every command that could start a run, change the view or open a menu,
    // " Retour " and " Exporter " included: none may act on the stream while
    // it is being recorded.
    std::array<Control*, 9> commandsHiddenWhileListening()
    {
        return {&LANCER1, &EFFACERS, &DUREES1, &ORIGINE, &ANALYSES, &Label36, &INFORMATIONS, &EXPORTER, &DETECTEUR};
    }
};

// The design font, and the window's scale from the screen.
constexpr const char* kDesignFont = "Microsoft Sans Serif";
constexpr int kDesignWidth = 15360;
constexpr int kDesignHeight = 11520;

}  // namespace kolven
