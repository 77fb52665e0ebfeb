#include "rendu/SurfaceSvg.h"

#include <algorithm>
#include <cstdio>

#include "platform/Cp1252.h"

namespace {

std::string Couleur(TColor c)
{
    char texte[8];
    std::snprintf(texte, sizeof texte, "#%02x%02x%02x", c.r, c.g, c.b);
    return texte;
}

std::string Xml(const std::string& utf8)
{
    std::string s;
    for (char c : utf8) {
        switch (c) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        case '"':
            s += "&quot;";
            break;
        default:
            // Control characters are not allowed in XML text.
            s += (static_cast<unsigned char>(c) < 0x20 && c != '\t') ? ' ' : c;
        }
    }
    return s;
}

std::string N(int v) { return std::to_string(v); }

} // namespace

SurfaceSvg::SurfaceSvg(int z) : zoom(std::clamp(z, 1, 3)) {}

std::string SurfaceSvg::Familles(const std::string& face)
{
    if (face == "Times New Roman")
        return "'Times New Roman', 'Liberation Serif', 'DejaVu Serif', serif";
    if (face == "Norim Fonts" || face == "Norim Font" || face == "VELDRA")
        return "'Norim Fonts', 'VELDRA', 'DejaVu Sans Condensed', 'DejaVu Sans', sans-serif";
    return "'" + face + "', sans-serif";
}

void SurfaceSvg::Etend(int x, int y)
{
    if (vide) {
        xmin = xmax = x;
        ymin = ymax = y;
        vide = false;
        return;
    }
    xmin = std::min(xmin, x);
    xmax = std::max(xmax, x);
    ymin = std::min(ymin, y);
    ymax = std::max(ymax, y);
}

std::string SurfaceSvg::Trait() const
{
    std::string s = " stroke=\"" + Couleur(Pen().couleur) + "\" stroke-width=\""
                    + N(Pen().largeur < 1 ? 1 : Pen().largeur) + "\"";
    if (Pen().style == TPen::Dot)
        s += " stroke-dasharray=\"1 1\"";
    return s;
}

void SurfaceSvg::Ligne(TPoint a, TPoint b)
{
    Etend(a.x, a.y);
    Etend(b.x, b.y);
    corps += "<line x1=\"" + N(a.x) + "\" y1=\"" + N(a.y) + "\" x2=\"" + N(b.x) + "\" y2=\""
             + N(b.y) + "\"" + Trait() + " stroke-linecap=\"square\"/>\n";
}

void SurfaceSvg::Rect(const TRect& r)
{
    const int l = std::min(r.left, r.right), t = std::min(r.top, r.bottom);
    const int w = std::abs(r.right - r.left), h = std::abs(r.bottom - r.top);
    Etend(l, t);
    Etend(l + w, t + h);
    corps += "<rect x=\"" + N(l) + "\" y=\"" + N(t) + "\" width=\"" + N(w) + "\" height=\"" + N(h)
             + "\" fill=\"" + Couleur(Brush().couleur) + "\"" + Trait() + "/>\n";
}

std::string SurfaceSvg::AttributsTexte(std::size_t) const
{
    const TFont& f = Font();
    std::string s = " font-family=\"" + Familles(f.face) + "\" font-size=\"" + N(f.hauteur)
                    + "\" fill=\"#000000\"";
    if (f.italique)
        s += " font-style=\"italic\"";
    if (f.poids >= 600)
        s += " font-weight=\"bold\"";
    return s;
}

namespace {

// A font of average width w in a cell of height h is the face squeezed
// sideways: the SVG reader draws the face at its own width, so the text is
// scaled by w over the face's own average width at that height (the
// weighted average of the lower-case letters and the space: 0.401 em for
// Times New Roman and Liberation Serif, 0.456 em for DejaVu Sans Condensed).
std::string Placement(double x, int base, const TFont& f)
{
    const double propre = f.hauteur * (f.face == "Times New Roman" ? 0.401 : 0.456);
    const double echelle = f.largeur > 0 && propre > 0 ? f.largeur / propre : 1.0;
    char texte[96];
    std::snprintf(texte, sizeof texte, " transform=\"translate(%g %d) scale(%.3f 1)\"", x, base,
                  echelle);
    return texte;
}

} // namespace

void SurfaceSvg::Texte(TPoint coin, const std::string& texte)
{
    if (texte.empty())
        return;
    const TFont& f = Font();
    const int largeur = static_cast<int>(texte.size()) * (f.largeur > 0 ? f.largeur : f.hauteur / 2);
    Etend(coin.x, coin.y);
    Etend(coin.x + largeur, coin.y + f.hauteur);
    if (BkMode() == OPAQUE) {
        corps += "<rect x=\"" + N(coin.x) + "\" y=\"" + N(coin.y) + "\" width=\"" + N(largeur)
                 + "\" height=\"" + N(f.hauteur) + "\" fill=\"" + Couleur(BkColor()) + "\"/>\n";
    }
    const int base = coin.y + (f.hauteur * 4 + 2) / 5;
    corps += "<text" + Placement(coin.x, base, f) + AttributsTexte(texte.size())
             + " xml:space=\"preserve\">" + Xml(Cp1252VersUtf8(texte)) + "</text>\n";
}

void SurfaceSvg::TexteCentre(const TRect& r, const std::string& texte)
{
    if (texte.empty())
        return;
    const TFont& f = Font();
    Etend(r.left, r.top);
    Etend(r.right, r.bottom);
    const int base = r.top + (f.hauteur * 4 + 2) / 5;
    // Centred from the text's width in the font's average widths: readers
    // do not agree on where a scaled text's middle lies.
    const int largeur = static_cast<int>(texte.size()) * (f.largeur > 0 ? f.largeur : f.hauteur / 2);
    corps += "<text" + Placement((r.left + r.right - largeur) / 2.0, base, f)
             + AttributsTexte(texte.size()) + " xml:space=\"preserve\">"
             + Xml(Cp1252VersUtf8(texte)) + "</text>\n";
}

std::string SurfaceSvg::Document() const
{
    const int marge = 10;
    const int x0 = vide ? 0 : xmin - marge;
    const int y0 = vide ? 0 : ymin - marge;
    const int w = vide ? 2 * marge : xmax - xmin + 2 * marge;
    const int h = vide ? 2 * marge : ymax - ymin + 2 * marge;
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\""
                    + N(w * zoom) + "\" height=\"" + N(h * zoom) + "\" viewBox=\"" + N(x0) + " "
                    + N(y0) + " " + N(w) + " " + N(h) + "\">\n"
                    + "<rect x=\"" + N(x0) + "\" y=\"" + N(y0) + "\" width=\"" + N(w)
                    + "\" height=\"" + N(h) + "\" fill=\"#ffffff\"/>\n" + corps + "</svg>\n";
    return s;
}
