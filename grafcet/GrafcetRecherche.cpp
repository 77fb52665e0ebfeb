// Lookups of the diagram container: by position, by type and by number.
// Every lookup is a scan in list order; the first element that answers wins.
#include "Grafcet.h"

#include "elements/Elements.h"

namespace {

bool EstEtape(short type) { return type == ETAPE_INITIALE || type == ETAPE; }

// The types counted together by LNbSymb: a step count includes initial steps.
bool CompteAvec(short typeElement, short type)
{
    if (type == AUCUN)
        return true;
    if (type == ETAPE)
        return EstEtape(typeElement);
    return typeElement == type;
}

bool EstMacroNumerotee(short type) { return type == MACRO || type == MACRO_E || type == MACRO_F; }

} // namespace

// ---- by position ----

SGrafcet* Grafcet::LSymb(TPoint p) const
{
    for (const auto& s : symboles) {
        if (s->Test(p))
            return s.get();
    }
    return nullptr;
}

bool Grafcet::Test(TPoint p) const { return LSymb(p) != nullptr; }

short Grafcet::LType(TPoint p) const
{
    const SGrafcet* s = LSymb(p);
    return s ? s->LType() : AUCUN;
}

short Grafcet::LNumero(TPoint p) const
{
    SGrafcet* s = LSymb(p);
    return s ? s->LNumero() : -1;
}

void Grafcet::MNumero(TPoint p, short n)
{
    if (SGrafcet* s = LSymb(p))
        s->MNumero(n);
}

std::string Grafcet::LString(TPoint p) const
{
    std::string texte;
    if (SGrafcet* s = LSymb(p))
        s->LString(texte);
    return texte;
}

void Grafcet::MString(TPoint p, std::string texte)
{
    if (SGrafcet* s = LSymb(p))
        s->MString(std::move(texte));
}

bool Grafcet::coord(TPoint& p, short& type) const
{
    type = AUCUN;
    for (const auto& s : symboles) {
        if (s->coord(p, type))
            return true;
    }
    return false;
}

bool Grafcet::LDebut(TPoint& p, short& type) const
{
    for (const auto& s : symboles) {
        if (s->LCDeb(p, type))
            return true;
    }
    return false;
}

bool Grafcet::CoordG(TPoint& p, short&) const
{
    const SGrafcet* s = LSymb(p);
    if (!s)
        return false;
    p = TPoint(s->LRect().right, s->LY());
    return true;
}

void Grafcet::LPoint(TPoint& p) const
{
    for (const auto& s : symboles) {
        if (s->Test(p))
            p = s->LPoint(0);
    }
}

void Grafcet::LPremierS(TPoint& p) const
{
    // Each anchor found lies higher than the point before it; a return link
    // answers with its start, lower down, and would make the climb go round
    // for ever, so the climb stops there.
    for (;;) {
        TPoint q(p.x, p.y - 2);
        short type = AUCUN;
        if (!LDebut(q, type) || q.y >= p.y)
            return;
        p = q;
    }
}

void Grafcet::LLiaison(TPoint& p, short& xmin, short& xmax) const
{
    const SGrafcet* s = LSymb(p);
    if (!s)
        return;
    p.y = s->LY() + 1;
    xmin = static_cast<short>(s->LRect().left);
    xmax = static_cast<short>(s->LRect().right);
}

void Grafcet::SEL(TPoint p, short& dist, TPoint& meilleur) const
{
    for (const auto& s : symboles) {
        const short d = s->Distance(p);
        if (d < dist) {
            dist = d;
            meilleur = s->LPoint(0);
        }
    }
}

bool Grafcet::LRect(TPoint p, TRect& r) const
{
    // A step and the action block that follows it answer as one rectangle.
    const SGrafcet* derniereEtape = nullptr;
    bool etapeTouchee = false;
    for (const auto& s : symboles) {
        const short type = s->LType();
        if (s->Test(p)) {
            r = s->LRect();
            if (type == ACTION && derniereEtape)
                r = r.Union(derniereEtape->LRect());
            if (!EstEtape(type))
                return true;
            etapeTouchee = true;
        } else if (etapeTouchee && type == ACTION) {
            r = r.Union(s->LRect());
            return true;
        }
        if (EstEtape(type))
            derniereEtape = s.get();
    }
    return false;
}

short Grafcet::LDivergence(TPoint& p) const
{
    for (const auto& s : symboles) {
        const short type = s->LType();
        if ((type == DIV_OU || type == DIV_ET) && s->Test(p))
            return s->LLiaison(p);
    }
    return 0;
}

// ---- by type and number ----

short Grafcet::LNbSymb(short type) const
{
    short n = 0;
    for (const auto& s : symboles) {
        if (CompteAvec(s->LType(), type))
            ++n;
    }
    return n;
}

SGrafcet* Grafcet::LSymb(short n, short type) const
{
    if (EstMacroNumerotee(type)) {
        for (const auto& s : symboles) {
            if (s->LType() == type && s->LNumero() == n)
                return s.get();
        }
        return nullptr;
    }
    short rang = 0;
    for (const auto& s : symboles) {
        if (CompteAvec(s->LType(), type)) {
            if (rang == n)
                return s.get();
            ++rang;
        }
    }
    return nullptr;
}

short Grafcet::Rang(TPoint p, short type) const
{
    const SGrafcet* touche = LSymb(p);
    short n = 0;
    for (const auto& s : symboles) {
        if (s.get() == touche)
            break;
        if (CompteAvec(s->LType(), type))
            ++n;
    }
    return n;
}

TPoint Grafcet::LDivergence(short, short, TPoint p)
{
    // The divergence just above p gives the span of its branches; the level
    // is the bar's attach point. The branch head returned is marked 6 so
    // that the next call returns the next branch.
    short xmin = static_cast<short>(p.x);
    short xmax = static_cast<short>(p.x);
    TPoint barre(p.x, p.y - 1);
    LLiaison(barre, xmin, xmax);
    TPoint bout = p;
    short type = AUCUN;
    coord(bout, type);
    const int niveau = bout.y;
    for (auto& s : symboles) {
        const short m = s->LitModif();
        if (s->LY() == niveau && xmin <= s->LX() && s->LX() <= xmax
            && (m == 0 || m == 2 || m == 7)) {
            s->SetModif(6);
            return TPoint(s->LX(), niveau);
        }
    }
    return TPoint(xmin, niveau);
}

TPoint Grafcet::LConvergence(short, short, TPoint p)
{
    short xmin = static_cast<short>(p.x);
    short xmax = static_cast<short>(p.x);
    TPoint barre = p;
    LLiaison(barre, xmin, xmax);
    const int niveau = p.y;
    for (auto& s : symboles) {
        if (s->LRect().bottom == niveau && xmin <= s->LX() && s->LX() <= xmax
            && s->LitModif() == 0) {
            s->SetModif(5);
            return TPoint(s->LX(), niveau);
        }
    }
    return TPoint(xmin, niveau);
}
