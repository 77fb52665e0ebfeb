#pragma once

#include "elements/SGrafcet.h"

// A transition and its receptivity, the condition "1" when nothing was written.
class Transition : public SGrafcet {
public:
    static constexpr short HAUTEUR = 12;

    Transition(short x, short y);
    explicit Transition(TPoint ancre);
    Transition(TPoint ancre, const TRect& r, const char* texte);
    explicit Transition(const Transition* autre);
    Transition& operator=(const Transition* autre);
    using SGrafcet::operator=;

    void Dessine(TDC& dc) override;
    void LString(std::string& s) override;
    void MString(std::string s) override;
    short TailleMin() override;
    void EFichier(FILE* f) override;

    const std::string& Texte() const { return texte; }

private:
    std::string texte;
};

// Writes a text as a record field: 16-bit length then the bytes, no terminator.
void EcritTexte(FILE* f, const std::string& texte);
