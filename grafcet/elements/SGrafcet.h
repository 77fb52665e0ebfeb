#pragma once

#include <cstdio>
#include <string>

#include "platform/TPoint.h"

class TDC;

// Element type codes, as stored in the diagram file and carried by the palette tools.
inline constexpr short AUCUN = -1;
inline constexpr short ETAPE_INITIALE = 0;
inline constexpr short ETAPE = 1;
inline constexpr short TRANSITION = 2;
inline constexpr short DIV_OU = 3;
inline constexpr short CONV_OU = 4;
inline constexpr short DIV_ET = 5;
inline constexpr short CONV_ET = 6;
inline constexpr short RETOUR = 7;
inline constexpr short MACRO = 8;
inline constexpr short MACRO_E = 9;
inline constexpr short MACRO_F = 10;
inline constexpr short COMMENTAIRE = 19;
inline constexpr short ACTION = 20;

// Common base of every diagram element. An element follows another in a
// chain when its anchor equals the other's attach point (x, bottom): there
// are no link objects, only geometry.
class SGrafcet {
public:
    SGrafcet();
    virtual ~SGrafcet();

    virtual void Dessine(TDC& dc);
    virtual short LLiaison(TPoint& p);
    virtual void ALiaison(TPoint p);
    virtual void ELiaison(TPoint p);
    virtual short LNumero();
    virtual void MNumero(short n);
    virtual void LString(std::string& s);
    virtual void MString(std::string s);
    virtual bool Test(TPoint p);
    // Takes over type, anchor and rectangle of another element; both marks are cleared.
    virtual SGrafcet& operator=(const SGrafcet* autre);
    virtual void Deplace(short dx, short dy);
    virtual short TailleMin();
    virtual void SetEtat(bool actif);
    virtual void EFichier(FILE* f);

    short LType() const { return type; }
    void SetModif(short marque) { modif = marque; }
    short LitModif() const { return modif; }

    bool coord(TPoint& p, short& t) const;
    bool LCDeb(TPoint& p, short& t);
    short Distance(TPoint p) const;
    TPoint LPoint(short quel) const;
    void MTaille(short quel, TPoint p);

    // Read access for the container, the file writer and the renderers.
    TPoint LAncre() const { return TPoint(x, y); }
    short LX() const { return x; }
    short LY() const { return y; }
    const TRect& LRect() const { return rect; }
    short LNbLiaison() const { return liaison; }
    short LErreur() const { return erreur; }
    void MErreur(short e) { erreur = e; }

    SGrafcet(const SGrafcet&) = delete;
    SGrafcet& operator=(const SGrafcet&) = delete;

    // Elements alive in the process: lets the tests prove that no chain
    // edit leaks an element or destroys one twice.
    static long NbVivants() { return vivants; }

protected:
    // Anchor form: the rectangle starts as (left, y, right, bottom).
    SGrafcet(short type, short x, short y, int left, int right, int bottom);
    // Restoring form: the rectangle is kept as given, its top forced to the anchor's y.
    SGrafcet(short type, TPoint ancre, const TRect& r);
    // Copy of type, anchor and rectangle, marks cleared.
    explicit SGrafcet(const SGrafcet* autre);

    // The 13 bytes every element record starts with.
    void EcritEntete(FILE* f) const;

    short type;
    short modif;
    short x;
    short y;
    TRect rect;
    short liaison;
    short erreur;

private:
    static inline long vivants = 0;
};

// Little-endian writers shared by the element records.
void EcritMot(FILE* f, short v);
void EcritOctet(FILE* f, unsigned char v);
