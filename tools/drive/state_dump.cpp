#include "state_dump.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

#include "shell/kolven_window.h"

namespace kolven {

namespace {

template <typename Float>
std::string shortestNumber(Float value)
{
    if (!std::isfinite(value))
        return "null";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string colourText(platform::Color c)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.r, c.g, c.b);
    return buffer;
}

// Writes "key": value pairs, putting the commas between them.
class ObjectWriter {
public:
    explicit ObjectWriter(std::string& out) : m_out(out) { m_out += '{'; }
    ~ObjectWriter() { m_out += '}'; }

    std::string& key(std::string_view name)
    {
        if (!m_first)
            m_out += ", ";
        m_first = false;
        m_out += jsonString(name);
        m_out += ": ";
        return m_out;
    }
    void field(std::string_view name, std::int16_t value) { key(name) += std::to_string(value); }
    void field(std::string_view name, std::int32_t value) { key(name) += std::to_string(value); }
    void field(std::string_view name, float value) { key(name) += jsonNumber(value); }
    void field(std::string_view name, double value) { key(name) += jsonNumber(value); }
    void field(std::string_view name, bool value) { key(name) += value ? "true" : "false"; }
    void field(std::string_view name, const std::string& value) { key(name) += jsonString(value); }
    void field(std::string_view name, const char* value) { key(name) += jsonString(value); }
    void field(std::string_view name, const Histogram& values)
    {
        std::string& out = key(name);
        out += '[';
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i)
                out += ", ";
            out += std::to_string(values[i]);
        }
        out += ']';
    }

private:
    std::string& m_out;
    bool m_first = true;
};

void writeControl(std::string& out, const Control& c)
{
    ObjectWriter o(out);
    o.field("caption", c.caption());
    o.field("visible", c.visible());
    o.field("enabled", c.enabled());
    o.field("fore", colourText(c.fore()));
    o.field("back", colourText(c.back()));
    o.field("font", c.font().family);
    o.field("size", c.font().size);
    o.field("left", static_cast<std::int32_t>(c.left()));
    o.field("top", static_cast<std::int32_t>(c.top()));
    o.field("width", static_cast<std::int32_t>(c.width()));
    o.field("height", static_cast<std::int32_t>(c.height()));
    o.field("tooltip", c.tooltip());
    if (c.kind() == platform::ControlKind::List) {
        std::string& entries = o.key("entries");
        entries += '[';
        for (std::size_t i = 0; i < c.entries().size(); ++i) {
            if (i)
                entries += ", ";
            entries += jsonString(c.entries()[i]);
        }
        entries += ']';
        o.field("index", static_cast<std::int32_t>(c.index()));
    }
}

// The folder that holds the export file, whether or not it was written yet.
std::string exportFolder(const KolvenWindow& w)
{
    const std::string& path = w.services.files.exportFile().path();
    return path.substr(0, path.rfind('/'));
}

void writeState(std::string& out, const KolvenWindow& w)
{
    ObjectWriter o(out);
    // Each variable under its own name, spelled once.
#define KOLVEN_STATE(part, name) o.field(#name, w.part.name)
    KOLVEN_STATE(series, HISTO_COMPT);
    KOLVEN_STATE(series, NC_I);
    KOLVEN_STATE(series, SN_L);
    KOLVEN_STATE(series, S1_L);
    KOLVEN_STATE(series, S2N_D);
    KOLVEN_STATE(series, MOY_S);
    KOLVEN_STATE(series, NMOYEN_T);
    KOLVEN_STATE(series, DONNEES_T);
    KOLVEN_STATE(series, MODE_T);
    KOLVEN_STATE(series, COMPTAGE_I);
    KOLVEN_STATE(series, MARCHE_I);
    KOLVEN_STATE(series, MAX_L);
    // Three design variables only scripts read, derived here: the reference
    // height a run leaves, the folder of the export file, the series' title
    // kept while the comparison shows its own.
    o.field("MAXS_L", w.series.MAX_L);
    KOLVEN_STATE(series, A_S);
    KOLVEN_STATE(series, B_S);
    KOLVEN_STATE(series, FICHIER_T);
    o.field("DISQUE_T", exportFolder(w));
    KOLVEN_STATE(series, A_L);
    KOLVEN_STATE(stream, FLUX_T);
    KOLVEN_STATE(stream, IMPULSIONS_L);
    KOLVEN_STATE(stream, CADENCE_D);
    KOLVEN_STATE(mean, TEMPS_I);
    KOLVEN_STATE(mean, TEMPS_S);
    KOLVEN_STATE(display, ECHHORIZ_S);
    KOLVEN_STATE(display, ECHVERTI_S);
    KOLVEN_STATE(display, D1_I);
    KOLVEN_STATE(display, DECAL1_I);
    KOLVEN_STATE(display, DECAL2_I);
    KOLVEN_STATE(display, DECAL3_I);
    KOLVEN_STATE(display, DECAL4_I);
    KOLVEN_STATE(display, POSAXE_I);
    KOLVEN_STATE(display, ECHELLEH0_L);
    KOLVEN_STATE(display, ECHELLEH_S);
    KOLVEN_STATE(display, ECHELLEHS_S);
    KOLVEN_STATE(display, ORIGINE_I);
    KOLVEN_STATE(display, HORIZON_I);
    KOLVEN_STATE(display, CURSEUR_I);
    KOLVEN_STATE(laws, HISTO_POIS);
    KOLVEN_STATE(laws, CUMUL_POIS);
    KOLVEN_STATE(laws, HISTO_GAUSS);
    KOLVEN_STATE(laws, CUMUL_GAUSS);
    KOLVEN_STATE(laws, CUMUL_COMPT);
    KOLVEN_STATE(laws, TITRE_T);
    o.field("D1A_I", w.comparisonColumns()[kPoissonPanel].left);
    KOLVEN_STATE(display, A_I);
    KOLVEN_STATE(display, DECAL1A_I);
    o.field("D2A_I", w.comparisonColumns()[kSeriesPanel].left);
    o.field("D3A_I", w.comparisonColumns()[kGaussPanel].left);
    KOLVEN_STATE(display, LARGCURS_I);
    KOLVEN_STATE(display, ECHELLEG_S);
    o.field("HISTOREF_T", w.laws.TITRE_T);
    for (const auto& [law, test] : {std::pair{"POIS", &w.chiSquarePoisson}, std::pair{"GAUSS", &w.chiSquareGauss}}) {
        const std::string suffix = law;
        o.field("KHI2_" + suffix + "_D", test->KHI2_D);
        o.key("DDL_" + suffix + "_I") += test->DDL_I ? std::to_string(test->DDL_I) : "null";
        o.field("P_" + suffix + "_D", test->P_D);
    }
#undef KOLVEN_STATE
}

}  // namespace

std::string jsonString(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", byte);
                out += escape;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
    return out;
}

std::string jsonNumber(float value)
{
    return shortestNumber(value);
}

std::string jsonNumber(double value)
{
    return shortestNumber(value);
}

std::string dumpJson(const KolvenWindow& window)
{
    std::string out;
    {
        ObjectWriter top(out);
        {
            ObjectWriter byName(top.key("controls"));
            for (const Control* c : window.controls())
                writeControl(byName.key(c->name()), *c);
        }
        writeState(top.key("state"), window);
    }
    return out;
}

std::string exportJson(const std::string& path, const std::optional<std::string>& text)
{
    std::string out;
    {
        ObjectWriter o(out);
        o.field("path", path);
        o.key("text") += text ? jsonString(*text) : "null";
    }
    return out;
}

}  // namespace kolven
