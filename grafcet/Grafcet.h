#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "elements/SGrafcet.h"
#include "variables/ListV.h"

class TDC;
class POpera;
class Action;

// The diagram container: it owns every element of one diagram, in the order
// in which they were appended. That order decides which element answers a
// lookup by position ("the element hit at p" is always the first one in list
// order whose hit test accepts p), and is the order of drawing and of the
// diagram file.
//
// Chain editing keeps chains connected without link objects: an element
// follows another when it is anchored on its attach point, so inserting
// pushes the rest of a chain down and deleting pulls it up, through the move
// marks of the elements.
class Grafcet {
public:
    using ListeSymboles = std::vector<std::unique_ptr<SGrafcet>>;

    Grafcet();
    ~Grafcet();
    Grafcet(const Grafcet&) = delete;
    Grafcet& operator=(const Grafcet&) = delete;

    ListV* ListVar() { return &variables; }
    // 0: the add counter; anything else: the deleted counter.
    short LNb(short quel) const { return quel == 0 ? nbAjout : nbEfface; }
    void Dessine(TDC& dc);

    // ---- the diagram file ----

    // Writes the diagram file at the stream's position. Returns false, writing
    // nothing, when the diagram cannot be represented in the file (a text
    // longer than 32767 bytes or more than 32767 records), and false when a
    // write failed.
    bool EFichier(FILE* f) const;
    // Reads a diagram file from the stream's position and appends its elements.
    // Returns false when the file ended before the records it announces: the
    // elements of the complete records are kept, the broken record is not.
    bool LFichier(FILE* f);

    // ---- lookups by position ----

    bool Test(TPoint p) const;
    short LType(TPoint p) const;
    SGrafcet* LSymb(TPoint p) const;
    short LNumero(TPoint p) const;
    void MNumero(TPoint p, short n);
    std::string LString(TPoint p) const;
    void MString(TPoint p, std::string s);
    bool coord(TPoint& p, short& type) const;
    bool LDebut(TPoint& p, short& type) const;
    bool CoordG(TPoint& p, short& type) const;
    void LPoint(TPoint& p) const;
    void LPremierS(TPoint& p) const;
    void LLiaison(TPoint& p, short& xmin, short& xmax) const;
    void SEL(TPoint p, short& dist, TPoint& meilleur) const;
    bool LRect(TPoint p, TRect& r) const;
    short LDivergence(TPoint& p) const;

    // ---- lookups by type and number ----

    short LNbSymb(short type) const;
    SGrafcet* LSymb(short n, short type) const;
    short Rang(TPoint p, short type) const;
    TPoint LDivergence(short i, short n, TPoint p);
    TPoint LConvergence(short i, short n, TPoint p);

    // ---- marks, moves and selection ----

    void SetModif(TPoint p, short marque);
    void RazModif();
    void Deplace(short dx, short dy);
    bool LRegion(TRect sel, TRect& limites);
    bool TestRegion(TRect r) const;

    // ---- errors, states and numbering ----

    void EErreur(TPoint p);
    void RazErreur();
    void SetEtat(const char* etats);
    void RazEtat();
    void NumEtape();

    // ---- chain editing ----

    void CEInsere(short& dx, short& dy, short type, short precedent) const;
    void Ajoute(short type, TPoint& p, short precedent, short inutilise = 0);
    void Insere(short type, TPoint& p, short precedent, TPoint posPrecedent);
    void AjouteDiv(short type, short typeDiv, TPoint branche, TPoint posDiv);
    void AjouteConv(short a, short b, TPoint posConv, TPoint finBranche);
    void AjouteRetour(TPoint debut, TPoint coin, TPoint fin);
    void Effacer(TPoint p, short cascade);
    void Effacer();
    void EffaceTout();
    void Recupere();
    void Efface(short type, TPoint p, short inutilise = 0);
    void SelectS(TPoint p, short x0, short& dy);
    void SelectDiv(short marque, short& dy);
    void SelectConv(TPoint p, short x0, short& dy);
    void VerifConv(short type);
    void ELiaison();
    void Liaison(short type, TPoint p);
    short LXmax(short x, short limite, short exclu, short niveau) const;

    // ---- code generation ----

    void SetPop(char carte, const char* nom);
    void InitVI(POpera* pop);
    bool GGraf(std::string& out);
    bool GRecept(std::string& out, POpera* pop);
    bool GAction(std::string& out, POpera* pop);
    void GConf(std::string& out);
    bool ERecept(TPoint p, std::string& out);
    bool EEquation(std::string& out, std::string equation, POpera* pop);
    // The error labels of the last generation, in the order they were found.
    const std::vector<std::string>& LErLab() const { return erreurs; }
    char LCarte() const { return static_cast<char>(carte); }
    const std::string& LNomPop() const { return nomPop; }

    // ---- read access for the generator, the renderers and the tools ----

    // The element list and the last deletion, in list order.
    const ListeSymboles& Symboles() const { return symboles; }
    const ListeSymboles& Effaces() const { return effaces; }
    // Appends an element the container takes ownership of (the file reader
    // and the tools build diagrams this way).
    void AjouteSymbole(std::unique_ptr<SGrafcet> s);
    // Creates an element of class T from `args`, appends it and returns it.
    template <class T, class... Args>
    T* Place(Args&&... args)
    {
        auto s = std::make_unique<T>(std::forward<Args>(args)...);
        T* brut = s.get();
        symboles.push_back(std::move(s));
        return brut;
    }
    const std::vector<std::string>& Erreurs() const { return erreurs; }

private:
    // Moves p to the attach point of the element just placed (p.y + 2, then coord).
    void VaAuBout(TPoint& p) const;
    void PlaceEtape(short type, TPoint p);
    // The last deletion is given up for a new one: its elements are destroyed.
    void VideEffaces() { effaces.clear(); }
    void RetireVersEffaces(std::size_t index);
    void DemarqueSuite(SGrafcet& convergence);
    // Chain marking; `absorbe` lets a stretched element take the move in.
    void MarqueChaine(TPoint p, short x0, short& dy, bool absorbe);
    // Code generation helpers.
    bool Successeurs(SGrafcet& e, std::string& out);
    void CompileActions(Action& bloc, std::string& out, std::string& conditions, int& compteur,
                        POpera* pop, bool& ok);
    short RangDe(const SGrafcet* e, short type) const;
    std::vector<TPoint> Branches(bool divergence, TPoint p, short n);

    std::vector<std::string> erreurs;
    ListV variables;
    ListeSymboles symboles;
    unsigned char drapeauEquation;
    short nbAjout;
    ListeSymboles effaces;
    short nbEfface;
    short nbErreurStruct;
    unsigned char carte;
    std::string nomPop;
};
