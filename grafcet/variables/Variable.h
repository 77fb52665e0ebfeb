#pragma once

#include <string>

#include "variables/composant.h"

class ListV;

// A component in use by a diagram, with its current value. The integer value
// is never negative once set; the real value is used for position set-points
// (nature 5) only.
class Variable {
public:
    // The display text always fits a buffer of this size, NUL included.
    static constexpr int TAILLE_TEXTE = 32;

    Variable();
    explicit Variable(const composant& c);
    // A copy takes the record but not the value.
    Variable(const Variable& autre);
    Variable& operator=(const Variable& autre);

    short LValeur() const { return valeur; }
    void MValeur(short v);
    float LValeurF() const { return valeurF; }
    void MValeurF(float f);

    // Display text, e.g. "a3 = 1  ", "v = ff  ", "P =1.500". The buffer form
    // writes at most TAILLE_TEXTE bytes, cutting a longer text.
    void LVariable(char* out);
    std::string LVariable();

    const composant& LComposant() const { return comp; }

    bool operator==(const Variable& autre) const;

private:
    friend class ListV;

    short valeur;
    float valeurF;
    composant comp;
};
