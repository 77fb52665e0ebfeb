// dump: one line per element, in list order, tab-separated.
#include <cstdio>
#include <iostream>
#include <string>

#include "Commandes.h"
#include "Grafcet.h"
#include "elements/SGrafcet.h"

namespace {

std::string Echappe(const std::string& texte)
{
    std::string sortie;
    for (unsigned char c : texte) {
        if (c == '\\') {
            sortie += "\\\\";
        } else if (c == '\t') {
            sortie += "\\t";
        } else if (c == '\n') {
            sortie += "\\n";
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            sortie += hex;
        } else {
            sortie += static_cast<char>(c);
        }
    }
    return sortie;
}

bool AUnNumero(short type)
{
    return type == ETAPE_INITIALE || type == ETAPE || type == MACRO || type == MACRO_E
           || type == MACRO_F;
}

bool AUnTexte(short type) { return type == TRANSITION || type == COMMENTAIRE || type == ACTION; }

bool EstBarre(short type) { return type >= DIV_OU && type <= CONV_ET; }

} // namespace

int CommandeDump(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::cerr << "usage : veldra-cli dump FICHIER.gra\n";
        return STATUT_USAGE;
    }
    Grafcet g;
    const int statut = LitDiagramme(args[0], g);
    if (statut == STATUT_ILLISIBLE)
        return statut;

    int index = 0;
    for (const auto& s : g.Symboles()) {
        const short type = s->LType();
        const TRect& r = s->LRect();
        std::cout << index++ << '\t' << type << '\t' << s->LX() << '\t' << s->LY() << '\t'
                  << r.left << '\t' << r.top << '\t' << r.right << '\t' << r.bottom << '\t';
        if (EstBarre(type))
            std::cout << s->LNbLiaison();
        else
            std::cout << '-';
        std::cout << '\t';
        if (AUnNumero(type))
            std::cout << s->LNumero();
        else
            std::cout << '-';
        std::cout << '\t';
        if (AUnTexte(type)) {
            std::string texte;
            s->LString(texte);
            std::cout << Echappe(texte);
        } else {
            std::cout << '-';
        }
        std::cout << '\n';
    }
    std::cout.flush();
    if (statut == STATUT_INCOMPLET)
        std::cerr << "incomplete\n";
    return statut;
}
