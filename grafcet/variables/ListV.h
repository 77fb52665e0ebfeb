#pragma once

#include <forward_list>
#include <string>

#include "variables/Variable.h"
#include "variables/composant.h"

struct transfert;

// The variables of one diagram: every component the last generation met,
// each label once, the most recently added first. It also keeps the sizes
// of the memory areas the generated program needs and, for the run window,
// a pointer to the input/output image through which values are read and
// written.
//
// Positional operations count, from 0 and in list order, only the variables
// of the given nature and direction; when there is no n-th such variable
// they change nothing.
class ListV {
public:
    ListV();
    ~ListV();
    ListV(const ListV&) = delete;
    ListV& operator=(const ListV&) = delete;

    // Adds a variable for this record unless one with the same label is
    // already listed (the first registration wins).
    void Ajoute(const composant& c);
    bool Existe(const char* label) const;
    // Empties the list and the memory sizes; the image pointer stays.
    void Flush();
    short NBel(short nature, short sens) const;

    void LComposant(short n, short nature, short sens, composant& out) const;
    // Refreshes the variable from the image and writes its display text into
    // out (at least 32 bytes). Without an image nothing is done.
    void LLabel(short n, short nature, short sens, char* out);
    // 0 when there is no such variable.
    short LValeur(short n, short nature, short sens) const;
    // Sets the variable's value and writes it into the image. Without an
    // image nothing is done.
    void MValeur(short n, short nature, short sens, short v);
    void SetTrans(transfert* t);

    // 0: memory bytes M; 1: memory words W; anything else: memory bits B.
    // Each is the highest number used plus one.
    short LNb(short which) const;

    // The variable list keeps no errors of its own; these answer as an empty list.
    void AjouteErr(std::string erreur);
    short LNbErr() const;
    void LErr(short n, std::string& out) const;

    float LPignon() const { return pignon; }
    // The pinion factor of the position display: entry "Pignon" of section
    // "OMBRIX" of "norimveldra.ini" in the current directory, 52.7787 when
    // the file, the entry or a usable number is missing.
    static float LitPignon();

private:
    Variable* Cherche(short n, short nature, short sens);
    const Variable* Cherche(short n, short nature, short sens) const;
    void CompteMemoire(const composant& c);

    transfert* trans;
    std::forward_list<Variable> variables;
    short nbM;
    short nbW;
    short nbB;
    float pignon;
};
