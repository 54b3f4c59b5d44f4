#include "core/histogram_table.h"


#include "core/number_text.h"

namespace kolven {

namespace {

constexpr char kDecimalComma = ',';

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string whole(std::int64_t value)
{
    return localeText(value);
}

// A cell that holds the separator, a quote or a line break is quoted, its
// quotes doubled.
std::string csvCell(const std::string& cell)
{
    if (cell.find_first_of(";\"\r\n") == std::string::npos)
        return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string joined(const std::vector<std::vector<std::string>>& table, char separator, const char* lineEnd,
                   std::string (*cell)(const std::string&))
{
    std::string text;
    for (const auto& row : table) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i)
                text += separator;
            text += cell(row[i]);
        }
        text += lineEnd;
    }
    return text;
}

std::string asIs(const std::string& cell)
{
    return cell;
}

}  // namespace

std::vector<std::vector<std::string>> histogramTable(const TableSource& s)
{
    std::vector<std::vector<std::string>> table = {
        {"Origine", trimmed(s.origin)},
        {"Moyenne théorique", localeText(s.meanSetting, kDecimalComma)},
        {"Nombre de comptages", whole(s.counts)},
        {"Nmoyen", localeText(s.mean, kDecimalComma)},
        {"Écart quadratique moyen", localeText(s.deviation, kDecimalComma)},
        {},
    };
    std::vector<const Histogram*> columns = {s.histogram};
    std::vector<std::string> titles = {"Valeur", "Comptages"};
    if (s.poisson) {
        columns.insert(columns.end(), {s.poisson, s.gauss, s.countsTotal, s.poissonTotal, s.gaussTotal});
        titles.insert(titles.end(), {"Poisson", "Gauss", "Cumul des comptages", "Cumul Poisson", "Cumul Gauss"});
    }
    table.push_back(titles);

    int last = -1;
    for (const Histogram* column : {s.histogram, s.poisson, s.gauss})
        if (column)
            for (int bin = kLastBin; bin > last; --bin)
                if ((*column)[bin] != 0) {
                    last = bin;
                    break;
                }
    for (int bin = 0; bin <= last; ++bin) {
        std::vector<std::string> row = {whole(bin)};
        for (const Histogram* column : columns)
            row.push_back(whole((*column)[bin]));
        table.push_back(std::move(row));
    }
    return table;
}

std::string tabSeparated(const std::vector<std::vector<std::string>>& table)
{
    return joined(table, '\t', "\n", asIs);
}

std::string semicolonCsv(const std::vector<std::vector<std::string>>& table)
{
    return "\xEF\xBB\xBF" + joined(table, ';', "\r\n", csvCell);
}

}  // namespace kolven
