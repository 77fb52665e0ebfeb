// Transitions with their receptivity, action blocks with their conditions,
// and comments.
#include "elements/Textes.h"
#include "elements/Transition.h"
#include "rendu/Style.h"

namespace style {

void DessineEquation(TDC& dc, int x, int y, const std::string& texte, const GabaritEquation& g)
{
    int o = 0;
    bool nie = false;
    for (const char c : texte) {
        if (c == FRONT_MONTANT || c == FRONT_DESCENDANT) {
            const int fx = x + o + g.flecheX;
            const int haut = y + g.flecheHaut;
            const int bas = y + g.flecheBas;
            dc.MoveTo(fx, haut);
            dc.LineTo(fx, bas);
            if (c == FRONT_DESCENDANT) {
                dc.MoveTo(fx, bas);
                dc.LineTo(fx - 1, bas - 1);
                dc.MoveTo(fx + 1, bas - 1);
                dc.LineTo(fx, bas);
            } else {
                dc.MoveTo(fx - 1, haut + 1);
                dc.LineTo(fx, haut);
                dc.LineTo(fx + 1, haut + 1);
            }
            o += 4;
            continue;
        }
        if (c == NEGATION) {
            nie = true;
            continue;
        }
        if (c == '.' || c == '+')
            nie = false;
        dc.TextOut(x + o + g.texteX, y + g.texteY, std::string(1, c));
        if (nie) {
            dc.MoveTo(x + o + g.barreDebut, y + g.barreY);
            dc.LineTo(x + o + g.barreFin, y + g.barreY);
        }
        o += (c == 'w' || c == 'm') ? 6 : 4;
    }
}

} // namespace style

namespace {

// A receptivity beside its transition; a condition above its action block.
constexpr style::GabaritEquation RECEPTIVITE{5, 1, 6, 1, 11, 4, 10, 1};
constexpr style::GabaritEquation CONDITION{5, -9, 6, -9, -1, 5, 9, -9};

} // namespace

void Transition::Dessine(TDC& dc)
{
    const TDC::Garde garde(dc);
    dc.SetBkColor(TColor::White);
    if (erreur > 0)
        dc.SelectObject(style::STYLO_ERREUR);
    dc.MoveTo(x, y);
    dc.LineTo(x, rect.bottom);
    dc.MoveTo(rect.left, y + 7);
    dc.LineTo(x + 4, y + 7);
    dc.SelectObject(style::Equations());
    dc.SetBkMode(TDC::OPAQUE);
    style::DessineEquation(dc, x, y, texte, RECEPTIVITE);
}

void Action::AffCond(TDC& dc, const std::string& condition, short c)
{
    dc.MoveTo(x + c + 2, y);
    dc.LineTo(x + c + 2, y - 6);
    dc.MoveTo(x + c, y - 4);
    dc.LineTo(x + c + 4, y - 4);
    style::DessineEquation(dc, x + c, y, condition, CONDITION);
}

void Action::Dessine(TDC& dc)
{
    const TDC::Garde garde(dc);
    dc.SelectObject(TBrush(style::FOND_ETAPE));
    dc.SetBkColor(style::FOND_ETAPE);
    if (erreur > 0)
        dc.SelectObject(style::STYLO_ERREUR);
    dc.MoveTo(rect.left, y + 10);
    dc.LineTo(x, y + 10);
    dc.Rectangle(x, y, rect.right, rect.bottom);
    dc.SelectObject(style::Equations());

    int c = 0;
    int w = 0;
    std::string action;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char ch = texte[i];
        if (ch == '{') {
            const std::size_t fin = texte.find('}', i + 1);
            const std::string condition =
                " " + texte.substr(i + 1, fin == std::string::npos ? std::string::npos : fin - i - 1);
            AffCond(dc, condition, static_cast<short>(c));
            w = 4 * static_cast<int>(condition.size());
            i = fin == std::string::npos ? texte.size() : fin;
        } else if (ch == '|') {
            dc.TextOut(x + c + 2, y + 4, action);
            int largeur = 4 * (static_cast<int>(action.size()) + 1);
            if (w > largeur)
                largeur = w;
            w = 0;
            if (i + 1 < texte.size()) {
                dc.MoveTo(x + c + largeur + 4, y);
                dc.LineTo(x + c + largeur + 4, rect.bottom);
            }
            c += largeur + 8;
            action.clear();
        } else {
            action += ch;
        }
    }
}

void CText::Dessine(TDC& dc)
{
    const TDC::Garde garde(dc);
    dc.SelectObject(style::Numeros(erreur > 0));
    if (erreur > 0)
        dc.SelectObject(style::STYLO_ERREUR);
    dc.TextOut(x, y, texte);
}
