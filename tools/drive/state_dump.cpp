#include "state_dump.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

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

void writeState(std::string& out, const KolvenWindow& w)
{
    ObjectWriter o(out);
    // Each variable under its own name, spelled once.
#define KOLVEN_STATE(name) o.field(#name, w.name)
    KOLVEN_STATE(HISTO_COMPT);
    KOLVEN_STATE(NC_I);
    KOLVEN_STATE(SN_L);
    KOLVEN_STATE(S1_L);
    KOLVEN_STATE(S2N_D);
    KOLVEN_STATE(MOY_S);
    KOLVEN_STATE(NMOYEN_T);
    KOLVEN_STATE(DONNEES_T);
    KOLVEN_STATE(MODE_T);
    KOLVEN_STATE(COMPTAGE_I);
    KOLVEN_STATE(MARCHE_I);
    KOLVEN_STATE(MAX_L);
    KOLVEN_STATE(MAXS_L);
    KOLVEN_STATE(A_S);
    KOLVEN_STATE(B_S);
    KOLVEN_STATE(FICHIER_T);
    KOLVEN_STATE(DISQUE_T);
    KOLVEN_STATE(A_L);
    KOLVEN_STATE(TEMPS_I);
    KOLVEN_STATE(TEMPS_S);
    KOLVEN_STATE(ECHHORIZ_S);
    KOLVEN_STATE(ECHVERTI_S);
    KOLVEN_STATE(D1_I);
    KOLVEN_STATE(DECAL1_I);
    KOLVEN_STATE(DECAL2_I);
    KOLVEN_STATE(DECAL3_I);
    KOLVEN_STATE(DECAL4_I);
    KOLVEN_STATE(POSAXE_I);
    KOLVEN_STATE(ECHELLEH0_L);
    KOLVEN_STATE(ECHELLEH_S);
    KOLVEN_STATE(ECHELLEHS_S);
    KOLVEN_STATE(ORIGINE_I);
    KOLVEN_STATE(HORIZON_I);
    KOLVEN_STATE(CURSEUR_I);
    KOLVEN_STATE(HISTO_POIS);
    KOLVEN_STATE(CUMUL_POIS);
    KOLVEN_STATE(HISTO_GAUSS);
    KOLVEN_STATE(CUMUL_GAUSS);
    KOLVEN_STATE(CUMUL_COMPT);
    KOLVEN_STATE(TITRE_T);
    KOLVEN_STATE(D1A_I);
    KOLVEN_STATE(A_I);
    KOLVEN_STATE(DECAL1A_I);
    KOLVEN_STATE(D2A_I);
    KOLVEN_STATE(D3A_I);
    KOLVEN_STATE(LARGCURS_I);
    KOLVEN_STATE(ECHELLEG_S);
    KOLVEN_STATE(HISTOREF_T);
    KOLVEN_STATE(KHI2_POIS_D);
    o.key("DDL_POIS_I") += w.DDL_POIS_I ? std::to_string(w.DDL_POIS_I) : "null";
    KOLVEN_STATE(P_POIS_D);
    KOLVEN_STATE(KHI2_GAUSS_D);
    o.key("DDL_GAUSS_I") += w.DDL_GAUSS_I ? std::to_string(w.DDL_GAUSS_I) : "null";
    KOLVEN_STATE(P_GAUSS_D);
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
