#pragma once

#include <cstdint>

#include "elements/SGrafcet.h"

// A macro-step numbered n stands for the chain that runs from the entry
// step numbered n (MacroE) to the exit step numbered n (MacroF).

class Macro : public SGrafcet {
public:
    static constexpr short HAUTEUR = 34;

    Macro();
    Macro(short x, short y);
    explicit Macro(TPoint ancre);
    Macro(TPoint ancre, const TRect& r, short numero);
    explicit Macro(const Macro* autre);
    Macro& operator=(const Macro* autre);
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

class MacroE : public SGrafcet {
public:
    static constexpr short HAUTEUR = 24;

    MacroE();
    MacroE(short x, short y);
    explicit MacroE(TPoint ancre);
    MacroE(TPoint ancre, const TRect& r, short numero);
    explicit MacroE(const MacroE* autre);
    MacroE& operator=(const MacroE* autre);
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

class MacroF : public SGrafcet {
public:
    static constexpr short HAUTEUR = 24;

    MacroF();
    MacroF(short x, short y);
    explicit MacroF(TPoint ancre);
    MacroF(TPoint ancre, const TRect& r, short numero);
    explicit MacroF(const MacroF* autre);
    MacroF& operator=(const MacroF* autre);
    using SGrafcet::operator=;

    void Dessine(TDC& dc) override;
    short LNumero() override;
    void MNumero(short n) override;
    short TailleMin() override;
    void SetEtat(bool actif) override;
    void EFichier(FILE* f) override;

    bool LEtat() const { return etat; }

private:
    // Held in 32 bits but read and written as a 16-bit value.
    std::int32_t numero;
    bool etat;
};
