#include "GenereProgramme.h"

#include "Grafcet.h"
#include "pop/POpera.h"

ResultatGeneration GenereProgramme(Grafcet& g, char carte, const std::string& nom, POpera& pop)
{
    using namespace textesgeneration;
    ResultatGeneration r;
    g.SetPop(carte, nom.c_str());
    g.InitVI(&pop);
    bool erreur = false;
    if (g.GGraf(r.texte)) {
        r.ligneGrafcet = GENERE;
        if (g.GRecept(r.texte, &pop)) {
            r.ligneReceptivite = GENERE;
        } else {
            r.ligneReceptivite = ERREUR_RECEPTIVITE;
            erreur = true;
        }
        // The action pass runs whatever the receptivities gave.
        if (g.GAction(r.texte, &pop)) {
            r.ligneAction = GENERE;
            g.GConf(r.texte);
            pop.EConf(r.texte);
            r.texte += "Z";
        } else {
            r.ligneAction = ERREUR_ACTION;
            erreur = true;
        }
    } else {
        r.ligneGrafcet = ERREUR_STRUCTURE;
        erreur = true;
    }
    r.texte += "\n";
    r.reussi = !erreur;
    return r;
}
