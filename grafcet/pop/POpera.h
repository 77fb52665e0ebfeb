#pragma once

#include <forward_list>
#include <string>
#include <vector>

#include "variables/Composant.h"
#include "variables/Constante.h"

class ListV;

// The operative part of one card: the named signals of the machine wired to
// it, loaded from the operative-part file "p_opera.lst" for a card type and a
// name. Short-lived: one object per use. The compilers rewrite the generic
// memory templates while compiling, so each generation works on a fresh one.
class POpera {
public:
    // Loads the operative part from the data directory of the settings store.
    POpera(char carte, const char* nom);
    // Loads it from `repertoire` (ending with "/", or empty for the current directory).
    POpera(char carte, const std::string& nom, const std::string& repertoire);
    ~POpera();
    POpera(const POpera&) = delete;
    POpera& operator=(const POpera&) = delete;

    // ---- lookups (positions count from 0 in list order among the matches) ----

    short LitNbEl(short sens) const;
    void LitNom(short n, short sens, char* out) const;
    void LComposant(short n, std::string& out) const;
    short LNbel(short nature, short sens) const;
    void LComposant(short n, short nature, short sens, composant& out) const;
    void MComposant(short n, short nature, short sens, const composant& c);
    void AjouteVI(const composant& c);
    void LNomPop(char& carte, char* nom) const;
    char LProtege() const { return protege; }

    // ---- card configuration and saving ----

    void EConf(std::string& out) const;
    // Writes the edited operative part back into its block of the file, never
    // losing the file: the new content is renamed over it. Nothing happens
    // for a read-only (factory) part. False, with the reason in French, when
    // the file cannot be read or written.
    bool Sauve(std::string* erreur = nullptr);

    // ---- compilers ----

    // The first component, in list order, that the name designates (the
    // compilers may modify it); null when none.
    Composant* Resout(const std::string& nom);
    // Compiles one term of an equation; false when it cannot be compiled.
    bool ERecept(std::string& out, const std::string& terme, char prefixe, ListV* vars);
    // Compiles one action item; false when it cannot be compiled.
    bool EAction(std::string& out, const std::string& nom, const std::string& valeur, char op,
                 ListV* vars);

    // ---- state ----

    char LCarte() const { return carte; }
    float LEchelle() const { return echelle; }
    short LNbConst() const { return nbConst; }
    const std::vector<Constante>& Constantes() const { return constantes; }
    unsigned char LCtrl1() const { return ctrl1; }
    unsigned char LCtrl2() const { return ctrl2; }
    // The full name of the operative-part file.
    const std::string& Chemin() const { return chemin; }
    // False when the operative-part file ended in the middle of the records
    // it announces: what could be read is loaded.
    bool Complet() const { return complet; }

private:
    void Charge(const std::string& repertoire);
    void MarquePorts(const composant& c);
    Composant* Ieme(short n, short nature, short sens);
    const Composant* Ieme(short n, short nature, short sens) const;
    bool CompileTerme(std::string& out, const std::string& terme, char prefixe, ListV* vars,
                      Composant& comp);

    std::string chemin;
    std::forward_list<Composant> composants;
    std::vector<Constante> constantes;
    short nbConst = 0;
    char carte = 0;
    unsigned char ctrl1 = 0x80;
    unsigned char ctrl2 = 0x80;
    char protege = 0;
    std::string nom;
    float echelle = 1.0f;
    bool complet = true;
};
