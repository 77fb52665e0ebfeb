// The equation compiler. An equation is a sum (OR, "+") of products (AND,
// ".") of terms read left to right; a term may carry a negation or an edge
// prefix. Each term compiles to a coded record against the operative part,
// and every component met is registered in the diagram's variable list.
#include "Grafcet.h"
#include "pop/Hexa.h"
#include "pop/POpera.h"
#include "variables/ListV.h"

namespace {

constexpr char NEGATION = '\xAF';
constexpr char FRONT_MONTANT = '\xAD';
constexpr char FRONT_DESCENDANT = '\xAE';

struct Comparaison {
    int code = -1; // "=" 0, "#" 1, ">" 2, "<" 3, ">=" 4, "<=" 5
    std::string comparande;
};

// The first comparison operator at position 1 or later, and what follows it.
bool TrouveComparaison(const std::string& terme, Comparaison& c)
{
    for (std::size_t i = 1; i < terme.size(); ++i) {
        std::size_t suite = i + 1;
        switch (terme[i]) {
        case '=':
            c.code = 0;
            break;
        case '#':
            c.code = 1;
            break;
        case '>':
        case '<':
            c.code = terme[i] == '>' ? 2 : 3;
            if (suite < terme.size() && terme[suite] == '=') {
                c.code += 2;
                ++suite;
            }
            break;
        default:
            continue;
        }
        c.comparande = terme.substr(suite);
        return true;
    }
    return false;
}

// The record of a negation or an edge on a one-bit signal of mask m.
std::string Prefixe(char prefixe, int m)
{
    switch (prefixe) {
    case 1:
        return "X" + hexa::X2(m);
    case 2:
        return "C" + hexa::X2(m);
    case 3:
        return "C00";
    default:
        return "";
    }
}

void Inscrit(ListV* vars, const Composant& c)
{
    if (vars)
        vars->Ajoute(c.LComposant());
}

void Renomme(Composant& c, const std::string& label, int indice)
{
    composant r = c.LComposant();
    EcritChamp(r.label, label);
    r.indice = static_cast<unsigned char>(indice);
    c.MComposant(r);
}

} // namespace

bool POpera::ERecept(std::string& out, const std::string& terme, char prefixe, ListV* vars)
{
    if (terme.empty())
        return false;
    Composant* c = Resout(terme);
    if (!c)
        return false;
    return CompileTerme(out, terme, prefixe, vars, *c);
}

bool POpera::CompileTerme(std::string& out, const std::string& terme, char prefixe, ListV* vars,
                          Composant& comp)
{
    const composant& r = comp.LComposant();
    const int i = r.indice;
    const int m = r.masque;
    const bool carteH = carte == 1 || carte == 16;

    switch (r.nature) {
    case 0: // one-bit logical signal
        out += "L" + hexa::X2(i) + hexa::X2(m) + Prefixe(prefixe, m);
        Inscrit(vars, comp);
        return true;

    case 1: { // analog signal compared with a constant, a memory or a word
        Comparaison cmp;
        if (!TrouveComparaison(terme, cmp))
            return false;
        int n = 0;
        if (!carteH) {
            const bool memoire = !cmp.comparande.empty() && cmp.comparande[0] == 'm';
            hexa::Lit(memoire ? cmp.comparande.substr(1) : cmp.comparande, 10, n);
            out += "V" + hexa::X1(cmp.code) + (memoire ? "1" : "0") + hexa::X2(n & 0xFF);
        } else if (i == 24) { // the 16-bit channel
            if (!cmp.comparande.empty() && cmp.comparande[0] == 'w') {
                hexa::Lit(cmp.comparande.substr(1), 10, n);
                out += "H" + hexa::X2(i) + hexa::X1(cmp.code) + "1" + hexa::X2(n & 0xFF);
            } else {
                hexa::Lit(cmp.comparande, 10, n);
                out += "H" + hexa::X2(i) + hexa::X1(cmp.code) + "0" + hexa::X4(n);
            }
        } else {
            const bool memoire = !cmp.comparande.empty() && cmp.comparande[0] == 'm';
            hexa::Lit(memoire ? cmp.comparande.substr(1) : cmp.comparande, 16, n);
            out += "H" + hexa::X2(i) + hexa::X1(cmp.code) + (memoire ? "1" : "0")
                   + hexa::X2(n & 0xFF);
        }
        Inscrit(vars, comp);
        return true;
    }

    case 2: { // internal variable: bit, memory byte, timer, word
        int n = 0;
        switch (terme[0]) {
        case 'b': {
            if (!hexa::Lit(terme.substr(1), 10, n) || n < 0)
                return false;
            const int b = n / 8;
            const int k = 1 << (n % 8);
            out += "B" + hexa::X2(b) + hexa::X2(k);
            composant nouveau = comp.LComposant();
            nouveau.indice = static_cast<unsigned char>(b);
            nouveau.masque = static_cast<unsigned char>(k);
            EcritChamp(nouveau.label, "B" + hexa::X2(n));
            comp.MComposant(nouveau);
            out += Prefixe(prefixe, k);
            Inscrit(vars, comp);
            return true;
        }
        case 'm':
        case 'w': {
            Comparaison cmp;
            if (!hexa::Lit(terme.substr(1), 10, n) || n < 0 || !TrouveComparaison(terme, cmp))
                return false;
            const bool mot = terme[0] == 'w';
            int v = 0;
            if (mot) {
                hexa::Lit(cmp.comparande, 16, v);
                out += "W" + hexa::X2(n) + hexa::X1(cmp.code) + hexa::X4(v);
                Renomme(comp, "W" + hexa::X2(n), n);
            } else {
                const bool memoire = !cmp.comparande.empty() && cmp.comparande[0] == 'm';
                hexa::Lit(memoire ? cmp.comparande.substr(1) : cmp.comparande, 16, v);
                out += "M" + hexa::X2(n) + hexa::X1(cmp.code) + (memoire ? "1" : "0")
                       + hexa::X2(v & 0xFF);
                Renomme(comp, "M" + hexa::X2(n), n);
            }
            Inscrit(vars, comp);
            return true;
        }
        case 't': {
            // t/x<step>/<delay>: the timer of a step.
            if (terme.compare(0, 3, "t/x") != 0 || terme.size() <= 3)
                return false;
            std::size_t p = 3;
            while (p < terme.size() && terme[p] >= '0' && terme[p] <= '9')
                ++p;
            if (p >= terme.size() || terme[p] != '/' || p + 1 >= terme.size()
                || terme[p + 1] < '0' || terme[p + 1] > '9')
                return false;
            int d = 0;
            hexa::Lit(terme.substr(p + 1), 10, d);
            out += "U" + hexa::X2(i) + hexa::X4(d);
            if (prefixe == 1)
                out += "X01";
            Inscrit(vars, comp);
            return true;
        }
        default:
            // An internal variable named otherwise (say "M12" in a receptivity)
            // would compile to nothing and always hold: it is reported instead.
            return false;
        }
    }

    case 4: // step activity
        if (terme[0] != 'x')
            return false;
        out += "Y" + hexa::X2(i);
        if (prefixe == 1)
            out += "X01";
        else if (prefixe == 2)
            out += "C01";
        else if (prefixe == 3)
            out += "C00";
        Inscrit(vars, comp);
        return true;

    default:
        // Carriage actions, set-points and constants are not conditions.
        return false;
    }
}

bool Grafcet::EEquation(std::string& out, std::string equation, POpera* pop)
{
    // An empty receptivity is the condition that always holds, like "1".
    if (equation.empty() || equation[0] == '1') {
        out += "RZ";
        return true;
    }
    bool ok = true;
    std::size_t debut = 0;
    char prefixe = 0;
    for (std::size_t i = 0; i < equation.size(); ++i) {
        const char c = equation[i];
        const bool dernier = i + 1 == equation.size();
        if (c == '.' || c == '+' || dernier) {
            // A trailing operator stays inside the last term.
            const std::size_t fin = dernier ? i + 1 : i;
            const std::string terme = equation.substr(debut, fin > debut ? fin - debut : 0);
            if (!pop || !pop->ERecept(out, terme, prefixe, &variables))
                ok = false;
            out += c == '.' ? "F" : "FR";
            debut = i + 1;
            prefixe = 0;
        } else if (c == NEGATION || c == FRONT_MONTANT || c == FRONT_DESCENDANT) {
            prefixe = c == NEGATION ? 1 : (c == FRONT_MONTANT ? 2 : 3);
            debut = i + 1;
        }
    }
    drapeauEquation = 1;
    out += "Z";
    return ok;
}
