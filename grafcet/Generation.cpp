// Code generation: the structure, receptivity and action sections of the
// program text, the memory sizes, and the error marks and labels of a run.
#include <cstdio>

#include "Grafcet.h"
#include "elements/Elements.h"
#include "pop/Hexa.h"
#include "pop/POpera.h"

namespace {

bool EstEtape(short type) { return type == ETAPE_INITIALE || type == ETAPE; }

std::string Format(const char* modele, int n)
{
    char texte[64];
    std::snprintf(texte, sizeof texte, modele, n);
    return texte;
}

} // namespace

void Grafcet::SetPop(char c, const char* n)
{
    carte = static_cast<unsigned char>(c);
    nomPop = n ? n : "";
}

short Grafcet::RangDe(const SGrafcet* e, short type) const
{
    short rang = 0;
    for (const auto& s : symboles) {
        if (s.get() == e)
            return rang;
        const short t = s->LType();
        if (t == type || (type == ETAPE && t == ETAPE_INITIALE))
            ++rang;
    }
    return rang;
}

void Grafcet::InitVI(POpera* pop)
{
    if (!pop)
        return;
    // The names receptivities use for the activity and the timer of each step.
    short rang = 0;
    for (const auto& s : symboles) {
        if (!EstEtape(s->LType()))
            continue;
        const std::string numero = std::to_string(s->LNumero());
        composant c{};
        c.nature = 4;
        c.indice = static_cast<unsigned char>(rang);
        EcritChamp(c.label, "x" + numero);
        EcritChamp(c.designation, "Variable interne");
        pop->AjouteVI(c);
        c.nature = 2;
        EcritChamp(c.label, "t/x" + numero);
        EcritChamp(c.designation, "Temporisation");
        pop->AjouteVI(c);
        ++rang;
    }
}

std::vector<TPoint> Grafcet::Branches(bool divergence, TPoint p, short n)
{
    // All the branches are listed before any is followed: following one may
    // enumerate the branches of another bar, which clears the marks.
    RazModif();
    std::vector<TPoint> liste;
    for (short k = 0; k < n; ++k)
        liste.push_back(divergence ? LDivergence(k, n, p) : LConvergence(k, n, p));
    RazModif();
    return liste;
}

bool Grafcet::Successeurs(SGrafcet& e, std::string& out)
{
    const TPoint dessous(e.LX(), e.LRect().bottom);
    SGrafcet* suivant = LSymb(dessous);
    const short type = suivant ? suivant->LType() : AUCUN;

    if (type == TRANSITION)
        return ERecept(dessous, out);

    if (type == DIV_OU) {
        TPoint lp;
        const short n = suivant->LLiaison(lp);
        bool ok = true;
        for (const TPoint& b : Branches(true, lp, n)) {
            const TPoint t(b.x, b.y + 1);
            if (LType(t) == TRANSITION) {
                ok = ERecept(t, out) && ok;
            } else {
                EErreur(t);
                ++nbErreurStruct;
                ok = false;
            }
        }
        return ok;
    }

    if (type == CONV_ET) {
        const TPoint sous(suivant->LX(), suivant->LRect().bottom);
        if (LType(sous) == TRANSITION && !ERecept(sous, out))
            return false;
        out += "L";
        TPoint lp;
        const short n = suivant->LLiaison(lp);
        for (const TPoint& b : Branches(false, lp, n)) {
            if (b.x == e.LX())
                continue;
            const SGrafcet* haut = LSymb(TPoint(b.x, b.y - 1));
            if (haut && EstEtape(haut->LType()))
                out += "0" + hexa::X2(RangDe(haut, ETAPE));
            else if (haut && haut->LType() == MACRO)
                out += "1" + hexa::X2(const_cast<SGrafcet*>(haut)->LNumero());
        }
        return true;
    }

    e.MErreur(1);
    return false;
}

bool Grafcet::ERecept(TPoint p, std::string& out)
{
    SGrafcet* tr = LSymb(p);
    if (!tr || tr->LType() != TRANSITION) {
        EErreur(p);
        ++nbErreurStruct;
        return false;
    }
    const std::string r = hexa::X2(RangDe(tr, TRANSITION));
    TPoint q(tr->LX(), tr->LRect().bottom);
    short t = LType(q);
    TPoint pointErreur = p;

    if (t == TRANSITION) {
        EErreur(TPoint(tr->LX(), tr->LY() + 1)); // two transitions in a row
        ++nbErreurStruct;
        return false;
    }
    if (t == CONV_OU) {
        const SGrafcet* conv = LSymb(q);
        q = TPoint(conv->LX(), conv->LRect().bottom);
        pointErreur = TPoint(conv->LX(), conv->LY() + 1);
        t = LType(q);
    }
    if (t == RETOUR) {
        const SGrafcet* retour = LSymb(q);
        q = TPoint(retour->LRect().right, retour->LRect().bottom);
        t = LType(q);
    }

    SGrafcet* cible = LSymb(q);
    switch (t) {
    case ETAPE_INITIALE:
    case ETAPE:
        out += r + "0" + hexa::X2(RangDe(cible, ETAPE));
        return true;
    case MACRO:
        out += r + "M" + hexa::X2(cible->LNumero());
        return true;
    case MACRO_F:
        out += r + "S" + hexa::X2(cible->LNumero());
        return true;
    case DIV_ET: {
        TPoint lp;
        const short n = cible->LLiaison(lp);
        lp.y -= 1;
        for (const TPoint& b : Branches(true, lp, n)) {
            SGrafcet* tete = LSymb(TPoint(b.x, b.y + 1));
            if (tete && EstEtape(tete->LType()))
                out += r + "0" + hexa::X2(RangDe(tete, ETAPE));
            else if (tete && tete->LType() == MACRO)
                out += r + "M" + hexa::X2(tete->LNumero());
        }
        return true;
    }
    case AUCUN:
        EErreur(pointErreur);
        ++nbErreurStruct;
        return false;
    default:
        return true;
    }
}

bool Grafcet::GGraf(std::string& out)
{
    const short nbEtapes = LNbSymb(ETAPE);
    const short nbMacros = LNbSymb(MACRO);
    const short nbEntrees = LNbSymb(MACRO_E);
    nbErreurStruct = 0;
    RazErreur();
    variables.Flush();

    if (nbEtapes == 0) {
        ++nbErreurStruct;
        out += "Z";
        return false;
    }
    bool ok = true;
    for (short j = 0; j < nbMacros; ++j) {
        if (!LSymb(j, MACRO_F)) {
            erreurs.push_back(Format("Fin Macro %d non présente!", j));
            ok = false;
        }
    }
    if (!ok) {
        out += "Z";
        return false;
    }

    int k = 0;
    // Steps first: an entry's index k is also the step's index in the action section.
    std::vector<SGrafcet*> etapes;
    for (const auto& s : symboles) {
        if (EstEtape(s->LType()))
            etapes.push_back(s.get());
    }
    for (SGrafcet* e : etapes) {
        const std::string rang = hexa::X2(RangDe(e, ETAPE));
        out += "E" + rang + (e->LType() == ETAPE_INITIALE ? "IA" : "A") + hexa::X2(k++) + "R";
        if (!Successeurs(*e, out)) {
            out += "Z";
            return false;
        }
    }
    const struct {
        short type;
        short nombre;
        const char* lettre;
        const char* absente;
    } groupes[] = {{MACRO, nbMacros, "M", "Macro %d non utilisée!"},
                   {MACRO_E, nbEntrees, "D", "Macro %d non définie!"}};
    for (const auto& g : groupes) {
        for (short j = 0; j < g.nombre; ++j) {
            out += g.lettre + hexa::X2(j) + "R";
            ++k;
            SGrafcet* e = LSymb(j, g.type);
            if (!e) {
                erreurs.push_back(Format(g.absente, j));
                out += "Z";
                return false;
            }
            if (!Successeurs(*e, out)) {
                out += "Z";
                return false;
            }
        }
    }
    out += "Z";
    return true;
}

bool Grafcet::GRecept(std::string& out, POpera* pop)
{
    out += "\nNR=" + hexa::X2(LNbSymb(TRANSITION));
    drapeauEquation = 0;
    bool ok = true;
    SGrafcet* derniere = nullptr;
    for (const auto& s : symboles) {
        if (s->LType() != TRANSITION)
            continue;
        derniere = s.get();
        std::string texte;
        s->LString(texte);
        out += "\n";
        if (!EEquation(out, texte, pop)) {
            erreurs.push_back(texte);
            s->MErreur(1);
            ok = false;
        }
    }
    if (!drapeauEquation) {
        // Nothing but "1": there is no condition to run the chart on.
        if (derniere)
            derniere->MErreur(1);
        return false;
    }
    return ok;
}

void Grafcet::CompileActions(Action& bloc, std::string& out, std::string& conditions,
                             int& compteur, POpera* pop, bool& ok)
{
    std::string texte;
    bloc.LString(texte);
    std::string nom;
    std::string valeur;
    char op = 0;
    bool lectureValeur = false;
    bool conditionVue = false;

    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        drapeauEquation = 1;
        switch (c) {
        case '{': {
            out += "C" + hexa::X2(compteur++);
            const std::size_t fin = texte.find('}', i + 1);
            const std::string condition =
                texte.substr(i + 1, fin == std::string::npos ? std::string::npos : fin - i - 1);
            const bool compile = EEquation(conditions, condition, pop);
            conditions += "\n";
            if (!compile) {
                erreurs.push_back(condition);
                bloc.MErreur(1);
                ok = false;
            }
            conditionVue = true;
            lectureValeur = false;
            i = fin == std::string::npos ? texte.size() : fin;
            break;
        }
        case '|':
            if (!nom.empty()) {
                if (!pop || !pop->EAction(out, nom, valeur, op, &variables)) {
                    erreurs.push_back(nom);
                    bloc.MErreur(1);
                    ok = false;
                }
            } else if (conditionVue) {
                bloc.MErreur(1); // a condition that governs nothing
                ok = false;
            }
            nom.clear();
            valeur.clear();
            op = 0;
            lectureValeur = false;
            conditionVue = false;
            break;
        case '=':
            op = 0;
            lectureValeur = true;
            break;
        case '+':
        case '-':
            if (lectureValeur) {
                valeur += c;
            } else {
                op = c == '+' ? 1 : 2;
                lectureValeur = true;
            }
            break;
        case '}':
            lectureValeur = false;
            break;
        default:
            (lectureValeur ? valeur : nom) += c;
            break;
        }
    }
}

bool Grafcet::GAction(std::string& out, POpera* pop)
{
    out += "\nNA=" + hexa::X2(LNbSymb(ETAPE));
    drapeauEquation = 0;
    int compteur = 0;
    std::string conditions;
    bool ok = true;
    Action* dernier = nullptr;

    std::vector<SGrafcet*> etapes;
    for (const auto& s : symboles) {
        if (EstEtape(s->LType()))
            etapes.push_back(s.get());
    }
    for (SGrafcet* e : etapes) {
        auto* bloc = dynamic_cast<Action*>(LSymb(TPoint(e->LX() + 14, e->LY() + 10)));
        if (!bloc) {
            e->MErreur(1);
            ok = false;
            continue;
        }
        dernier = bloc;
        out += "\n";
        CompileActions(*bloc, out, conditions, compteur, pop, ok);
        out += "Z";
    }
    out += "\nNC=" + hexa::X2(compteur) + "\n" + conditions;
    if (!drapeauEquation) {
        if (dernier)
            dernier->MErreur(1);
        return false;
    }
    return ok;
}

void Grafcet::GConf(std::string& out)
{
    out += "M" + hexa::X2(variables.LNb(0)) + "W" + hexa::X2(variables.LNb(1)) + "B"
           + hexa::X2(variables.LNb(2));
}
