#include "platform/qt/pictures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "platform/qt/fonts.h"

namespace kolven::platform::qt {

namespace {

constexpr std::size_t kMaxCachedPictures = 64;

const QColor kFace(192, 192, 192);
const QColor kLight(255, 255, 255);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(64, 64, 64);
const QColor kGlyph(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QFont designFont(qreal pixelSize, bool bold = false, const char* family = "Liberation Sans")
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(pixelSize * 72.0 / kReferenceDpi);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Icons are designed on a 100 × 100 box and stretched to the control.
void buttonFace(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 100, 100), kFace);
    p.setPen(Qt::NoPen);
    p.setBrush(kLight);
    p.drawPolygon(QPolygonF({{0, 0}, {100, 0}, {94, 6}, {6, 6}, {6, 94}, {0, 100}}));
    p.setBrush(kShadow);
    p.drawPolygon(QPolygonF({{100, 100}, {0, 100}, {6, 94}, {94, 94}, {94, 6}, {100, 0}}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kDarkShadow, 2));
    p.drawRect(QRectF(1, 1, 98, 98));
}

// A filled arrow pointing in the direction of `tip`, on the axis from base to tip.
void arrow(QPainter& p, QPointF base, QPointF tip, qreal shaftHalf, qreal headHalf, qreal headLength)
{
    const QLineF axis(base, tip);
    const QPointF unit = (tip - base) / axis.length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF neck = tip - unit * headLength;
    QPolygonF shape({base + normal * shaftHalf, neck + normal * shaftHalf, neck + normal * headHalf, tip,
                     neck - normal * headHalf, neck - normal * shaftHalf, base - normal * shaftHalf});
    p.setPen(Qt::NoPen);
    p.setBrush(kGlyph);
    p.drawPolygon(shape);
}

// Text on a stretched button keeps its proportions: it is laid out in the
// image's own pixels, at a size taken from the button's height.
void label(QPainter& p, const QRectF& box, const QString& text, qreal heightFraction)
{
    const QRectF target = p.transform().mapRect(box);
    const qreal buttonHeight = p.transform().m22() * 100;
    p.save();
    p.resetTransform();
    QFont font = designFont(buttonHeight * heightFraction, true);
    const qreal width = QFontMetricsF(font, p.device()).horizontalAdvance(text);
    if (width > target.width())
        font.setPointSizeF(font.pointSizeF() * target.width() / width);
    p.setFont(font);
    p.setPen(kGlyph);
    p.drawText(target, Qt::AlignCenter, text);
    p.restore();
}

// Two chevrons: pointing inwards (> <) or outwards (< >).
void chevrons(QPainter& p, bool inwards)
{
    p.setPen(QPen(kGlyph, 8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const qreal d = inwards ? 1 : -1;
    const qreal leftTip = inwards ? 40 : 18, rightTip = inwards ? 60 : 82;
    p.drawPolyline(QPolygonF({{leftTip - d * 20, 26}, {leftTip, 50}, {leftTip - d * 20, 74}}));
    p.drawPolyline(QPolygonF({{rightTip + d * 20, 26}, {rightTip, 50}, {rightTip + d * 20, 74}}));
}

void logo(QPainter& p)
{
    QRadialGradient glow(QPointF(50, 50), 50);
    glow.setColorAt(0, QColor(255, 255, 210));
    glow.setColorAt(1, QColor(90, 140, 220));
    p.setPen(QPen(kGlyph, 3));
    p.setBrush(glow);
    p.drawEllipse(QRectF(2, 2, 96, 96));
    // Three electron orbits round the nucleus.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGlyph, 2.5));
    for (int angle : {0, 60, 120}) {
        p.save();
        p.translate(50, 50);
        p.rotate(angle);
        p.drawEllipse(QRectF(-42, -15, 84, 30));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QRectF(38, 38, 24, 24));
    p.setFont(designFont(24, true));
    p.setPen(kLight);
    p.drawText(QRectF(38, 38, 24, 24), Qt::AlignCenter, QStringLiteral("K"));
}

void sigmaSquared(QPainter& p)
{
    p.setPen(kBlue);
    p.setFont(designFont(120, false, "Liberation Serif"));
    p.drawText(QPointF(0, 88), QString(QChar(0x03C3)));
    p.setFont(designFont(54, false, "Liberation Serif"));
    p.drawText(QPointF(68, 44), QStringLiteral("2"));
}

// The statistics page, designed at 930 × 590.
void statisticsPage(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 930, 590), Qt::white);
    const QChar sigma(0x03C3), sum(0x03A3), minus(0x2212);
    const QString sq(QChar(0x00B2));
    struct Line {
        QColor colour;
        qreal size;
        bool bold;
        QString text;
        qreal gap;
    };
    const Line lines[] = {
        {kRed, 30, true, QStringLiteral("STATISTIQUES SUR LES COMPTAGES"), 0},
        {kBlue, 21, true, QStringLiteral("Valeur N d'un comptage"), 30},
        {Qt::black, 19, false, QStringLiteral("La valeur N d'un comptage est aléatoire. Une série de k valeurs est un échantillon de la population"), 6},
        {Qt::black, 19, false, QStringLiteral("des comptages ; elle est classée sous la forme d'un histogramme des effectifs Eff(N) :"), 2},
        {Qt::black, 19, false, QStringLiteral("Eff(N) est le nombre de fois où la valeur N est observée parmi les k valeurs."), 2},
        {kBlue, 21, true, QStringLiteral("Moyenne arithmétique"), 28},
        {Qt::black, 19, false, QStringLiteral("Avec Nmini et Nmaxi, la plus petite et la plus grande des valeurs :"), 6},
        {kBlue, 20, false, QStringLiteral("Nmoyen  =  [ %1  i × Eff(i) ]  /  k          (i de Nmini à Nmaxi)").arg(sum), 6},
        {Qt::black, 19, false, QStringLiteral("C'est la valeur autour de laquelle se regroupent les comptages."), 6},
        {kBlue, 21, true, QStringLiteral("Écart quadratique moyen"), 28},
        {kBlue, 20, false, QStringLiteral("(e.q.m lié à N)%1  =  [ %2  Eff(i) × [ Nmoyen %3 i ]%1 ]  /  k").arg(sq, sum, minus), 6},
        {kBlue, 21, true, QStringLiteral("Écart type %1 et variance %1%2").arg(sigma, sq), 28},
        {Qt::black, 19, false, QStringLiteral("Lorsque k tend vers l'infini, (e.q.m)%1 tend vers %2%1 ;").arg(sq, sigma), 6},
        {kBlue, 20, false, QStringLiteral("%1%2  =  Nmoyen").arg(sigma, sq), 6},
    };
    qreal y = 20;
    for (const Line& line : lines) {
        y += line.gap;
        p.setFont(designFont(line.size, line.bold));
        p.setPen(line.colour);
        const bool title = line.colour == kRed;
        const qreal height = line.size * 1.3;
        p.drawText(QRectF(title ? 0 : 40, y, title ? 930 : 870, height),
                   (title ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter, line.text);
        y += height;
    }
}

void draw(QPainter& p, Picture picture, QSizeF size)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (picture == Picture::StatisticsPage) {
        p.scale(size.width() / 930.0, size.height() / 590.0);
        statisticsPage(p);
        return;
    }
    p.scale(size.width() / 100.0, size.height() / 100.0);
    switch (picture) {
    case Picture::None:
    case Picture::StatisticsPage:
        return;
    case Picture::Logo:
        logo(p);
        return;
    case Picture::Sigma2:
        sigmaSquared(p);
        return;
    default:
        break;
    }
    buttonFace(p);
    const QString minus(QChar(0x2212));
    switch (picture) {
    case Picture::ArrowLeft1:
    case Picture::ArrowLeft10:
        arrow(p, {44, 50}, {8, 50}, 7, 22, 20);
        label(p, QRectF(44, 10, 52, 80), minus + (picture == Picture::ArrowLeft1 ? "1" : "10"), 0.5);
        break;
    case Picture::ArrowRight1:
    case Picture::ArrowRight10:
        arrow(p, {56, 50}, {92, 50}, 7, 22, 20);
        label(p, QRectF(4, 10, 52, 80), QStringLiteral("+") + (picture == Picture::ArrowRight1 ? "1" : "10"), 0.5);
        break;
    case Picture::FewerBins:
        chevrons(p, true);
        break;
    case Picture::MoreBins:
        chevrons(p, false);
        break;
    case Picture::ScaleUp:
        arrow(p, {50, 86}, {50, 14}, 10, 30, 34);
        break;
    case Picture::ScaleDown:
        arrow(p, {50, 14}, {50, 86}, 10, 30, 34);
        break;
    default:
        break;
    }
}

}  // namespace

void PictureBook::paint(QPainter& painter, Picture picture, const QRect& target)
{
    if (picture == Picture::None || target.isEmpty())
        return;
    const qreal ratio = painter.device()->devicePixelRatio();
    const Key key{picture, target.width(), target.height(), ratio};
    auto found = m_images.find(key);
    if (found == m_images.end()) {
        if (m_images.size() >= kMaxCachedPictures)
            m_images.clear();
        QImage image = referenceImage(target.size(), QImage::Format_ARGB32_Premultiplied, ratio);
        image.fill(Qt::transparent);
        QPainter p(&image);
        draw(p, picture, target.size());
        p.end();
        found = m_images.emplace(key, std::move(image)).first;
    }
    painter.drawImage(target.topLeft(), found->second);
}

}  // namespace kolven::platform::qt
