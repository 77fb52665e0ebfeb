// The action compiler: each item of an action list, "{condition}name=value|",
// compiles to one coded record against the operative part.
#include <cmath>
#include <cstring>

#include "pop/Hexa.h"
#include "pop/POpera.h"
#include "variables/ListV.h"
#include "variables/ProfilPrive.h"

namespace {

void Inscrit(ListV* vars, const composant& c)
{
    if (vars)
        vars->Ajoute(c);
}

// A value naming a memory byte or word ("M12", "W3"): its number, read in `base`.
bool Reference(const std::string& valeur, char lettre, int base, int& k)
{
    return !valeur.empty() && valeur[0] == lettre && hexa::Lit(valeur.substr(1), base, k);
}

std::string Minuscules(std::string s)
{
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

// The parameter written in a carriage function's name from its fourth
// character on (hexadecimal, 0 when none), limited to 0..max.
int Parametre(const std::string& nom, int max)
{
    int p = 0;
    if (nom.size() > 3)
        hexa::Lit(nom.substr(3), 16, p);
    if (p < 0)
        p = 0;
    return p > max ? max : p;
}

} // namespace

bool POpera::EAction(std::string& out, const std::string& n, const std::string& valeur, char op,
                     ListV* vars)
{
    Composant* comp = Resout(n);
    if (!comp)
        return false;
    composant r = comp->LComposant();
    const int i = r.indice;
    const int m = r.masque;
    const bool carteH = carte == 1 || carte == 16;
    std::string record;

    // The memory or word template a value names gets the number written in it.
    auto gabarit = [&](char lettre, int k) -> bool {
        Composant* g = Resout(valeur);
        if (!g)
            return false;
        composant t = g->LComposant();
        t.indice = static_cast<unsigned char>(k);
        EcritChamp(t.label, std::string(1, lettre) + hexa::X2(k));
        g->MComposant(t);
        Inscrit(vars, t);
        return true;
    };

    switch (r.nature) {
    case 0: { // logical output
        int v = 0;
        if (valeur.empty()) {
            record = "E" + hexa::X2(i) + hexa::X2(m);
        } else {
            hexa::Lit(valeur, 16, v);
            record = "EB" + hexa::X2(i) + hexa::X2(m) + hexa::X2(v);
        }
        Inscrit(vars, r);
        break;
    }

    case 1: { // analog output
        if (valeur.empty())
            return true;
        int k = 0;
        if (!carteH) {
            if (Reference(valeur, 'M', 16, k)) {
                if (!gabarit('M', k))
                    return false;
                record = "V1" + hexa::X2(k);
            } else {
                hexa::Lit(valeur, 16, k);
                record = "V0" + hexa::X2(k);
            }
        } else {
            out += "H" + hexa::X2(i);
            if (i == 7) {
                if (Reference(valeur, 'W', 10, k)) {
                    k &= 0xFF;
                    if (!gabarit('W', k))
                        return false;
                    record = "1" + hexa::X2(k);
                } else {
                    hexa::Lit(valeur, 16, k);
                    record = "0" + hexa::X4(k);
                }
            } else if (Reference(valeur, 'M', 10, k)) {
                if (!gabarit('M', k))
                    return false;
                record = "1" + hexa::X2(k & 0xFF);
            } else {
                hexa::Lit(valeur, 16, k);
                record = "0" + hexa::X2(k & 0xFF);
            }
        }
        Inscrit(vars, r);
        break;
    }

    case 2: { // internal variable: memory bit, byte or word
        int num = 0;
        const char lettre = n[0];
        if (lettre != 'B' && lettre != 'M' && lettre != 'W')
            return true;
        if (!hexa::Lit(n.substr(1), 10, num) || num < 0)
            return false;
        if (lettre == 'B') {
            const int b = num / 8;
            const int k = 1 << (num % 8);
            r.indice = static_cast<unsigned char>(b);
            r.masque = static_cast<unsigned char>(k);
            EcritChamp(r.label, "B" + hexa::X2(num));
            comp->MComposant(r);
            int v = 0;
            if (valeur.empty()) {
                record = "B" + hexa::X2(b) + hexa::X2(k);
            } else {
                hexa::Lit(valeur, 16, v);
                record = "BB" + hexa::X2(b) + hexa::X2(k) + hexa::X2(v);
            }
        } else {
            int k = 0;
            int source = op;
            if (Reference(valeur, lettre, 10, k)) {
                source = 3;
                if (!gabarit(lettre, k))
                    return false;
            } else {
                hexa::Lit(valeur, 10, k);
            }
            record = std::string(1, lettre) + hexa::X2(num) + hexa::X1(source)
                     + (lettre == 'M' ? hexa::X2(k & 0xFF) : hexa::X4(k));
            EcritChamp(r.label, std::string(1, lettre) + hexa::X2(num));
            r.indice = static_cast<unsigned char>(num);
            // The template may have been renamed by the value just above.
            comp->MComposant(r);
        }
        Inscrit(vars, r);
        break;
    }

    case 3: { // carriage function; its code is the index
        const int code = i;
        int k = 0;
        if (code <= 3 || code == 7) {
            int source = 0;
            if (Reference(valeur, 'M', 10, k)) {
                source = 1;
                if (!gabarit('M', k))
                    return false;
            } else {
                hexa::Lit(valeur, 16, k);
            }
            record = "F" + hexa::X2(code) + hexa::X1(source) + hexa::X4(k);
            Inscrit(vars, r);
        } else if (code <= 6) {
            int source = 0;
            if (Reference(valeur, 'W', 10, k)) {
                source = 1;
                if (!gabarit('W', k))
                    return false;
            } else {
                hexa::Lit(valeur, 10, k);
            }
            // Function 6 is function 5 in the other direction.
            int emis = code;
            if (code == 6) {
                emis = 5;
                if (source == 0)
                    k = -k;
            }
            record = "F" + hexa::X2(emis) + (source == 0 ? "0" + hexa::X4(k) : "1" + hexa::X2(k));
            composant copie = r;
            copie.indice = static_cast<unsigned char>(emis);
            Inscrit(vars, copie);
        } else if (code == 8) {
            std::string texte = valeur.substr(0, 8);
            texte.resize(8, ' ');
            record = "F" + hexa::X2(8) + texte;
        } else if (code <= 13) {
            Composant* cible = Resout(valeur);
            if (!cible)
                cible = Resout(Minuscules(valeur));
            if (!cible)
                return false;
            const composant& t = cible->LComposant();
            if (code == 9) {
                if (t.nature != 0)
                    return false;
                record = "F" + hexa::X2(9) + hexa::X1(Parametre(n, 7)) + hexa::X2(t.indice)
                         + hexa::X2(t.masque);
            } else {
                if (t.nature != 1 && t.nature != 2)
                    return false;
                record = "F" + hexa::X2(code);
                if (code != 12)
                    record += hexa::X1(Parametre(n, 6));
                record += hexa::X1(t.nature) + hexa::X2(t.indice);
            }
        }
        break;
    }

    case 5: { // position set-point
        if (valeur.empty())
            return false;
        auto comptes = [this](float f) {
            const float tours = f / echelle;
            const float millimetres = tours * 33.2f;
            const float pas = millimetres * 2000.0f;
            // Out-of-range results keep the record's eight digits.
            if (!std::isfinite(pas) || pas >= 2147483648.0f || pas < -2147483648.0f)
                return pas < 0 ? static_cast<int>(0x80000000u) : 0x7FFFFFFF;
            return static_cast<int>(pas);
        };
        const char c0 = valeur[0];
        if ((c0 >= '0' && c0 <= '9') || c0 == '-' || c0 == '+') {
            float f = 0.0f;
            LitReel(valeur, f);
            record = "D" + hexa::X2(i) + hexa::X8(comptes(f));
            Inscrit(vars, r);
            break;
        }
        Composant* nomme = Resout(valeur);
        if (!nomme)
            return false;
        const composant cst = nomme->LComposant();
        for (const auto& k : constantes) {
            if (k.LNumero() == cst.indice) {
                record = "D" + hexa::X2(i) + hexa::X8(comptes(k.LValeur()));
                Inscrit(vars, r);
                Inscrit(vars, cst);
            }
        }
        break;
    }

    default: // step variables, constants: nothing to do
        break;
    }

    out += record;
    return true;
}
