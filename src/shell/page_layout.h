#pragma once

#include <vector>

namespace kolven::pages {

// One row of a page from top to bottom: its height, and the room above it
// in units (a heading gets two).
struct RowSize {
    int height = 0;
    int roomUnits = 1;
};

// The tops of rows that follow each other down a page `pageHeight` high:
// half the tallest row is left above the first and below the last, and the
// room between rows grows with what the page leaves, up to one tallest row
// per unit. Tops are rounded to the nearest twip, halves away from zero.
std::vector<int> stackRows(const std::vector<RowSize>& rows, int pageHeight);

// A formula written on one line as e raised to an exponent, then the rest
// of the line with a second exponent raised after part of it. Widths in
// twips: `baseToExponent` is the base text up to where the first exponent
// starts (through "e" and a blank).
struct FormulaWidths {
    int baseToExponent = 0;
    int exponent = 0;
    int rest = 0;
    int restBeforeSecond = 0;  // the part of the rest the second exponent follows
    int second = 0;
    // A blank of the line's font after the first exponent: without it the
    // rest would start on the exponent's last letter.
    int blank = 0;
};

// Where each part starts, from the page's left edge, with the formula
// centred on a page `pageWidth` wide.
struct FormulaPlaces {
    int base = 0;
    int exponent = 0;
    int rest = 0;
    int second = 0;
};
FormulaPlaces placeFormula(const FormulaWidths& widths, int pageWidth);

}  // namespace kolven::pages
