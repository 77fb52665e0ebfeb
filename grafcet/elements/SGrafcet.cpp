#include "elements/SGrafcet.h"

#include <cstdlib>

SGrafcet::SGrafcet() : type(AUCUN), modif(0), x(0), y(0), rect(), liaison(0), erreur(0)
{
    ++vivants;
}

SGrafcet::SGrafcet(short t, short px, short py, int left, int right, int bottom)
    : type(t), modif(0), x(px), y(py), rect(left, py, right, bottom), liaison(0), erreur(0)
{
    ++vivants;
}

SGrafcet::SGrafcet(short t, TPoint ancre, const TRect& r)
    : type(t), modif(0), x(static_cast<short>(ancre.x)), y(static_cast<short>(ancre.y)),
      rect(r.left, static_cast<short>(ancre.y), r.right, r.bottom), liaison(0), erreur(0)
{
    ++vivants;
}

SGrafcet::SGrafcet(const SGrafcet* autre)
    : type(autre->type), modif(0), x(autre->x), y(autre->y), rect(autre->rect), liaison(0),
      erreur(0)
{
    ++vivants;
}

SGrafcet::~SGrafcet() { --vivants; }

void SGrafcet::Dessine(TDC&) {}

short SGrafcet::LLiaison(TPoint&) { return -1; }

void SGrafcet::ALiaison(TPoint) {}

void SGrafcet::ELiaison(TPoint) {}

short SGrafcet::LNumero() { return -1; }

void SGrafcet::MNumero(short) {}

void SGrafcet::LString(std::string&) {}

void SGrafcet::MString(std::string) {}

bool SGrafcet::Test(TPoint p)
{
    if (rect.left <= p.x && p.x <= rect.right && y <= p.y && p.y < rect.bottom)
        return true;
    return p.x == x && p.y == y;
}

SGrafcet& SGrafcet::operator=(const SGrafcet* autre)
{
    if (autre && autre != this) {
        type = autre->type;
        x = autre->x;
        y = autre->y;
        rect = autre->rect;
    }
    modif = 0;
    erreur = 0;
    return *this;
}

void SGrafcet::Deplace(short dx, short dy)
{
    switch (modif) {
    case 1:
    case 3:
        x = static_cast<short>(x + dx);
        y = static_cast<short>(y + dy);
        rect.left += dx;
        rect.right += dx;
        rect.top += dy;
        rect.bottom += dy;
        break;
    case 2:
    case 7:
        rect.bottom += dy;
        break;
    case 4:
        y = static_cast<short>(y + dy);
        rect.top += dy;
        break;
    case 8:
        rect.bottom = y + TailleMin();
        break;
    default:
        break;
    }
    modif = 0;
}

short SGrafcet::TailleMin() { return 0; }

void SGrafcet::SetEtat(bool) {}

void SGrafcet::EFichier(FILE* f) { EcritEntete(f); }

bool SGrafcet::coord(TPoint& p, short& t) const
{
    if (rect.left <= p.x && p.x <= rect.right && y < p.y && p.y <= rect.bottom && type >= 0) {
        p = TPoint(x, rect.bottom);
        t = type;
        return true;
    }
    return false;
}

bool SGrafcet::LCDeb(TPoint& p, short& t)
{
    if (!Test(p))
        return false;
    p = TPoint(x, rect.top);
    t = type;
    return true;
}

short SGrafcet::Distance(TPoint p) const
{
    // 16-bit arithmetic throughout, as the snapping code has always computed it.
    const short px = static_cast<short>(p.x);
    const short py = static_cast<short>(p.y);
    const short bas = static_cast<short>(rect.bottom);
    const short droite = static_cast<short>(rect.right);
    const short haut = static_cast<short>(std::abs(static_cast<short>(py - y)));
    const short dessous = static_cast<short>(std::abs(static_cast<short>(py - bas)));
    short d = haut < dessous ? haut : dessous;
    if (type == DIV_OU || type == DIV_ET) {
        if (px > droite)
            d = static_cast<short>(d + static_cast<short>(px - droite));
        if (px < x)
            d = static_cast<short>(d + static_cast<short>(x - px));
    } else if (type != CONV_OU && type != CONV_ET) {
        d = static_cast<short>(d + std::abs(static_cast<short>(px - x)));
    }
    return d;
}

TPoint SGrafcet::LPoint(short quel) const
{
    switch (quel) {
    case 0:
        return TPoint(x, y + 1);
    case 1:
        return TPoint(x, rect.bottom);
    default:
        return TPoint(rect.right - 1, y + 1);
    }
}

void SGrafcet::MTaille(short quel, TPoint p)
{
    if (quel == 1)
        rect.right = p.x;
    else if (quel == 2)
        rect.bottom = p.y;
}

void EcritMot(FILE* f, short v)
{
    const auto u = static_cast<unsigned short>(v);
    const unsigned char octets[2] = {static_cast<unsigned char>(u & 0xFF),
                                     static_cast<unsigned char>(u >> 8)};
    std::fwrite(octets, 1, 2, f);
}

void EcritOctet(FILE* f, unsigned char v) { std::fwrite(&v, 1, 1, f); }

void SGrafcet::EcritEntete(FILE* f) const
{
    EcritMot(f, x);
    EcritMot(f, y);
    EcritMot(f, static_cast<short>(rect.left));
    EcritMot(f, static_cast<short>(rect.right));
    EcritMot(f, static_cast<short>(rect.bottom));
    // Readers ignore the link count outside the bars; 0 keeps those bytes stable.
    const bool barre = type >= DIV_OU && type <= CONV_ET;
    EcritMot(f, barre ? liaison : 0);
    EcritOctet(f, static_cast<unsigned char>(type & 0xFF));
}
