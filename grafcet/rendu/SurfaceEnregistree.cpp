#include "rendu/SurfaceEnregistree.h"

std::string SurfaceEnregistree::Trace::Texte() const
{
    auto n = [](int v) { return std::to_string(v); };
    switch (genre) {
    case LIGNE:
        return "ligne " + n(a.x) + " " + n(a.y) + " " + n(b.x) + " " + n(b.y);
    case RECTANGLE:
        return "rect " + n(r.left) + " " + n(r.top) + " " + n(r.right) + " " + n(r.bottom);
    case TEXTE:
        return "texte " + n(a.x) + " " + n(a.y) + " '" + texte + "'";
    case TEXTE_CENTRE:
        return "centre " + n(r.left) + " " + n(r.top) + " " + n(r.right) + " " + n(r.bottom) + " '"
               + texte + "'";
    }
    return "";
}

SurfaceEnregistree::Trace SurfaceEnregistree::Nouvelle(Trace::Genre g) const
{
    Trace t{g, {}, {}, {}, {}, {}, {}, {}, {}, {}};
    t.stylo = Pen();
    t.pinceau = Brush();
    t.police = Font();
    t.modeFond = BkMode();
    t.couleurFond = BkColor();
    return t;
}

void SurfaceEnregistree::Ligne(TPoint a, TPoint b)
{
    Trace t = Nouvelle(Trace::LIGNE);
    t.a = a;
    t.b = b;
    traces.push_back(t);
}

void SurfaceEnregistree::Rect(const TRect& r)
{
    Trace t = Nouvelle(Trace::RECTANGLE);
    t.r = r;
    traces.push_back(t);
}

void SurfaceEnregistree::Texte(TPoint coin, const std::string& texte)
{
    Trace t = Nouvelle(Trace::TEXTE);
    t.a = coin;
    t.texte = texte;
    traces.push_back(t);
}

void SurfaceEnregistree::TexteCentre(const TRect& r, const std::string& texte)
{
    Trace t = Nouvelle(Trace::TEXTE_CENTRE);
    t.r = r;
    t.texte = texte;
    traces.push_back(t);
}

std::vector<std::string> SurfaceEnregistree::Lignes() const
{
    std::vector<std::string> l;
    for (const auto& t : traces)
        l.push_back(t.Texte());
    return l;
}

std::vector<SurfaceEnregistree::Trace> SurfaceEnregistree::DuGenre(Trace::Genre g) const
{
    std::vector<Trace> l;
    for (const auto& t : traces) {
        if (t.genre == g)
            l.push_back(t);
    }
    return l;
}
