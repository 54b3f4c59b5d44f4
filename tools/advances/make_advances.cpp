// kolven-make-advances OUTPUT.cpp
//
// Writes the table of the fonts' advance widths that the browser edition
// measures text with: for each font the window draws with, its design units
// per em, ascent, descent, and the advance of every character it has in the
// blocks the program's texts use, all as Qt reads them from the installed
// font files. platform/advance_table.cpp turns them into widths with the
// arithmetic of Qt's font engine, so both editions size labels alike.

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QRawFont>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <utility>

namespace {

// Latin (with Latin-1 and Extended-A), Greek, punctuation, super- and
// subscripts, letter-like symbols, arrows and mathematical operators.
constexpr std::pair<char32_t, char32_t> kBlocks[] = {
    {0x20, 0x17F}, {0x370, 0x3FF}, {0x2000, 0x209F}, {0x2100, 0x22FF},
};

struct Face {
    const char* family;
    bool bold;
};
constexpr Face kFaces[] = {
    {"Liberation Sans", false}, {"Liberation Sans", true}, {"Liberation Serif", false}, {"Liberation Serif", true}};

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    QString out;
    QTextStream s(&out);
    s << "// Made by kolven-make-advances from the installed font files; not edited by hand.\n"
         "#include \"platform/advance_table.h\"\n\n"
         "namespace kolven::platform {\n\nnamespace {\n\n";
    int index = 0;
    for (const Face& face : kFaces) {
        QFont font(QString::fromLatin1(face.family));
        font.setBold(face.bold);
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setKerning(false);
        QRawFont raw = QRawFont::fromFont(font);
        if (!raw.isValid() || !raw.familyName().startsWith(QString::fromLatin1(face.family))) {
            std::fprintf(stderr, "kolven-make-advances: font %s not found\n", face.family);
            return 1;
        }
        const int unitsPerEm = static_cast<int>(raw.unitsPerEm());
        // At one pixel per design unit, advances are the design units themselves.
        raw.setPixelSize(unitsPerEm);
        s << "constexpr GlyphAdvance kGlyphs" << index << "[] = {\n";
        for (const auto& [first, last] : kBlocks) {
            for (char32_t c = first; c <= last; ++c) {
                if (!raw.supportsCharacter(static_cast<uint>(c)))
                    continue;
                const QString text = QString::fromUcs4(&c, 1);
                const auto glyphs = raw.glyphIndexesForString(text);
                if (glyphs.size() != 1 || glyphs[0] == 0)
                    continue;
                const auto advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
                s << "    {0x" << QString::number(static_cast<uint>(c), 16) << ", "
                  << std::lround(advances[0].x()) << "},\n";
            }
        }
        s << "};\n\n";
        raw.setPixelSize(unitsPerEm);
        s << "constexpr int kMetrics" << index << "[] = {" << unitsPerEm << ", " << std::lround(raw.ascent()) << ", "
          << std::lround(raw.descent()) << "};\n\n";
        ++index;
    }
    s << "}  // namespace\n\nstd::span<const FontAdvances> fontAdvanceTables()\n{\n"
         "    static const FontAdvances tables[] = {\n";
    index = 0;
    for (const Face& face : kFaces) {
        s << "        {\"" << face.family << "\", " << (face.bold ? "true" : "false") << ", kMetrics" << index
          << "[0], kMetrics" << index << "[1], kMetrics" << index << "[2], kGlyphs" << index << "},\n";
        ++index;
    }
    s << "    };\n    return tables;\n}\n\n}  // namespace kolven::platform\n";
    s.flush();

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out.toUtf8()) < 0) {
        std::fprintf(stderr, "kolven-make-advances: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
