#include "core/export_text.h"

namespace kolven {

namespace {

// Decimal digits of a non-negative number, without the locale machinery of
// the standard formatting: this runs after every count of a run.
void appendNumber(std::string& out, std::uint32_t value)
{
    char digits[10];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    out.push_back(' ');
    while (n > 0)
        out.push_back(digits[--n]);
    out.push_back(' ');
}

}  // namespace

void exportText(const Histogram& histogram, std::string& out)
{
    out.clear();
    for (std::uint32_t k = 0; k <= 240; ++k) {
        appendNumber(out, k);
        appendNumber(out, static_cast<std::uint32_t>(histogram[k]));
        out += "\r\n";
    }
}

}  // namespace kolven
