#pragma once

#include "elements/SGrafcet.h"

// A step (type 0 initial, 1 ordinary): a numbered box 20 wide and 34 high.
class Etape : public SGrafcet {
public:
    static constexpr short HAUTEUR = 34;

    Etape();
    Etape(short type, short x, short y);
    Etape(short type, TPoint ancre);
    Etape(short type, TPoint ancre, const TRect& r, short numero);
    explicit Etape(const Etape* autre);
    Etape& operator=(const Etape* autre);
    using SGrafcet::operator=;

    void Dessine(TDC& dc) override;
    short LNumero() override;
    void MNumero(short n) override;
    short TailleMin() override;
    void SetEtat(bool actif) override;
    void EFichier(FILE* f) override;

    bool LEtat() const { return etat; }

private:
    short numero;
    bool etat;
};
