#pragma once

#include "elements/SGrafcet.h"

// A free comment; its width follows its text, 3 units a character.
class CText : public SGrafcet {
public:
    CText(short x, short y);
    explicit CText(TPoint ancre);
    CText(TPoint ancre, const TRect& r, const char* texte);
    explicit CText(const CText* autre);
    CText& operator=(const CText* autre);
    using SGrafcet::operator=;

    void Dessine(TDC& dc) override;
    void LString(std::string& s) override;
    void MString(std::string s) override;
    void EFichier(FILE* f) override;

    const std::string& Texte() const { return texte; }

private:
    std::string texte;
};

// The action block beside a step: items "{condition}action|". It is 4 units
// wide per character of the widest part of each item plus 12 per item.
class Action : public SGrafcet {
public:
    // Draws one action condition above the box, in the column at offset c.
    void AffCond(TDC& dc, const std::string& condition, short c);

    Action(short x, short y);
    explicit Action(TPoint ancre);
    Action(TPoint ancre, const TRect& r, const char* texte);
    explicit Action(const Action* autre);
    Action& operator=(const Action* autre);
    using SGrafcet::operator=;

    void Dessine(TDC& dc) override;
    void LString(std::string& s) override;
    void MString(std::string s) override;
    void EFichier(FILE* f) override;

    const std::string& Texte() const { return texte; }

private:
    std::string texte;
};
