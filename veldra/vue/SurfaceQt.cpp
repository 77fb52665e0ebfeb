#include "vue/SurfaceQt.h"


#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ConversionTexte.h"

namespace {

// The reference size of the fonts: texts are drawn at this size and scaled,
// so that fractional cell heights and squeezed widths come out exactly.
constexpr int TAILLE_REFERENCE = 100;

QColor Couleur(TColor c) { return QColor(c.r, c.g, c.b); }

} // namespace

SurfaceQt::SurfaceQt(QPainter& peintre, Traits t) : p(peintre), traits(t) {}

QStringList SurfaceQt::Familles(const std::string& face)
{
    if (face == "Times New Roman")
        return {"Times New Roman", "Liberation Serif", "DejaVu Serif"};
    if (face == "Norim Fonts" || face == "Norim Font" || face == "VELDRA")
        return {QString::fromStdString(face), "VELDRA", "Norim Fonts", "Norim Font",
                "DejaVu Sans Condensed", "DejaVu Sans"};
    return {VersQString(face)};
}

QFont SurfaceQt::Police(const TFont& f)
{
    QFont police;
    const QStringList familles = Familles(f.face);
    police.setFamilies(familles);
    police.setStyleHint(f.face == "Times New Roman" ? QFont::Serif : QFont::SansSerif);
    police.setPixelSize(TAILLE_REFERENCE);
    police.setItalic(f.italique);
    // Weight 0 asks for the face's default weight.
    police.setWeight(f.poids <= 0 ? QFont::Normal : QFont::Weight(std::clamp(f.poids, 100, 900)));
    police.setHintingPreference(QFont::PreferNoHinting);
    return police;
}

// The average character width as fonts of the charts' origin declare it:
// the weighted average of the lower-case letters and the space (the weights
// of the original font tables). A font asked with an average width of w is
// the face scaled so that this average is w, whatever face stands in for
// the one named.
static double LargeurMoyenne(const QFontMetricsF& m)
{
    static const int poids[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20, 56,
                                  56, 17, 4,  49, 56, 71,  31, 10, 18, 3,  18, 2, 166};
    double somme = 0;
    for (int i = 0; i < 26; ++i)
        somme += poids[i] * m.horizontalAdvance(QChar('a' + i));
    somme += poids[26] * m.horizontalAdvance(QLatin1Char(' '));
    const double moyenne = somme / 1000.0;
    return moyenne > 0 ? moyenne : m.averageCharWidth();
}

const SurfaceQt::Echelle& SurfaceQt::EchelleCourante()
{
    if (echelleValide && policeEchelle == Font())
        return echelle;
    const TFont& f = Font();
    echelle.police = Police(f);
    const QFontMetricsF m(echelle.police);
    const double cellule = std::max(1.0, m.ascent() + m.descent());
    // A positive height is the cell's height (ascent and descent), a
    // negative one the characters' own height; 0 is the default size.
    const int hauteur = f.hauteur == 0 ? 10 : f.hauteur;
    echelle.sy = hauteur > 0 ? hauteur / cellule : -hauteur / double(TAILLE_REFERENCE);
    const double moyenne = LargeurMoyenne(m);
    echelle.sx = f.largeur > 0 && moyenne > 0 ? f.largeur / moyenne : echelle.sy;
    echelle.montee = m.ascent() * echelle.sy;
    policeEchelle = f;
    echelleValide = true;
    return echelle;
}

int SurfaceQt::LargeurStylo() const
{
    const int l = std::max(1, Pen().largeur);
    if (traits == TRAITS_PIXEL)
        return l;
    const QTransform t = p.worldTransform();
    const double pixels = l * std::sqrt(std::abs(t.determinant()));
    return std::max(1, int(std::lround(pixels)));
}

// Lines and rectangles are drawn in device pixels, from the mapped points:
// a rectangle then covers exactly the pixels from its mapped left and top up
// to, but not including, its mapped right and bottom, whatever the zoom.
void SurfaceQt::Ligne(TPoint a, TPoint b)
{
    const QTransform t = p.worldTransform();
    const QPoint da = t.map(QPointF(a.x, a.y)).toPoint();
    const QPoint db = t.map(QPointF(b.x, b.y)).toPoint();
    QPen stylo(Couleur(Pen().couleur), LargeurStylo(), Pen().style == TPen::Dot ? Qt::DotLine : Qt::SolidLine);
    stylo.setCosmetic(true);
    p.save();
    p.resetTransform();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(stylo);
    p.drawLine(da, db);
    p.restore();
}

void SurfaceQt::Rect(const TRect& r)
{
    const QTransform t = p.worldTransform();
    const QRectF d = t.mapRect(QRectF(QPointF(std::min(r.left, r.right), std::min(r.top, r.bottom)),
                                      QPointF(std::max(r.left, r.right), std::max(r.top, r.bottom))));
    const int gauche = int(std::lround(d.left())), haut = int(std::lround(d.top()));
    const int largeur = int(std::lround(d.right())) - gauche;
    const int hauteur = int(std::lround(d.bottom())) - haut;
    if (largeur < 1 || hauteur < 1)
        return;
    QPen stylo(Couleur(Pen().couleur), LargeurStylo(), Pen().style == TPen::Dot ? Qt::DotLine : Qt::SolidLine);
    stylo.setCosmetic(true);
    stylo.setJoinStyle(Qt::MiterJoin);
    p.save();
    p.resetTransform();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(gauche, haut, largeur, hauteur), Couleur(Brush().couleur));
    p.setPen(stylo);
    p.setBrush(Qt::NoBrush);
    // A one-pixel outline of QRect(x, y, w, h) covers x to x + w.
    p.drawRect(QRect(gauche, haut, largeur - 1, hauteur - 1));
    p.restore();
}

double SurfaceQt::Largeur(const QString& texte)
{
    const Echelle& e = EchelleCourante();
    return QFontMetricsF(e.police).horizontalAdvance(texte) * e.sx;
}

void SurfaceQt::Ecrit(double x, int haut, const QString& texte, double largeur)
{
    const Echelle& e = EchelleCourante();
    if (BkMode() == OPAQUE) {
        const int h = std::abs(Font().hauteur == 0 ? 10 : Font().hauteur);
        p.fillRect(QRectF(x, haut, largeur, h), Couleur(BkColor()));
    }
    p.save();
    p.setWorldTransform(QTransform(e.sx, 0, 0, e.sy, x, haut + e.montee) * p.worldTransform());
    p.setFont(e.police);
    p.setPen(Qt::black);
    p.drawText(QPointF(0, 0), texte);
    p.restore();
}

void SurfaceQt::Texte(TPoint coin, const std::string& octets)
{
    if (octets.empty())
        return;
    const QString texte = VersQString(octets);
    Ecrit(coin.x, coin.y, texte, Largeur(texte));
}

// Centred horizontally at the rectangle's top and clipped to it, as a
// single-line text drawn in a box.
void SurfaceQt::TexteCentre(const TRect& r, const std::string& octets)
{
    if (octets.empty())
        return;
    const QString texte = VersQString(octets);
    const QRectF boite(QPointF(std::min(r.left, r.right), std::min(r.top, r.bottom)),
                       QPointF(std::max(r.left, r.right), std::max(r.top, r.bottom)));
    if (boite.isEmpty())
        return;
    const double largeur = Largeur(texte);
    p.save();
    p.setClipRect(boite, Qt::IntersectClip);
    Ecrit(boite.center().x() - largeur / 2, int(boite.top()), texte, largeur);
    p.restore();
}
