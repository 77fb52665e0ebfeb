// Generation of a 1,000-step chart: the whole sequence of veldra-cli
// generate (read the diagram file, load the operative part, run the passes),
// in process and as the command-line tool.
//   make bench && build/bench/grafcet/bench/bench_generation
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "GenereProgramme.h"
#include "Grafcet.h"
#include "elements/SGrafcet.h"
#include "io/EcritureSure.h"
#include "pop/POpera.h"
#include "../tests/FixturesPop.h"

namespace {

constexpr int ETAPES = 1000;
constexpr int PAR_COLONNE = 100;

// Ten columns of a hundred steps; each column's last transition returns to
// the head of the next one, the last to the initial step.
void Construit(Grafcet& g)
{
    for (int col = 0; col < ETAPES / PAR_COLONNE; ++col) {
        const short x = static_cast<short>(100 + 200 * col);
        TPoint p(x, 40);
        g.Ajoute(col == 0 ? ETAPE_INITIALE : ETAPE, p, AUCUN);
        p = TPoint(x, 74);
        for (int k = 1; k < PAR_COLONNE; ++k) {
            g.Ajoute(ETAPE, p, ETAPE);
            p.y += 34;
        }
        g.Ajoute(TRANSITION, p, ETAPE);
        const short suivante = static_cast<short>(col + 1 < ETAPES / PAR_COLONNE ? x + 200 : 100);
        g.AjouteRetour(p, TPoint(x + 60, 0), TPoint(suivante, 40));
    }
    g.NumEtape();
    int n = 0;
    for (const auto& s : g.Symboles()) {
        if (s->LType() == TRANSITION)
            s->MString(n % 2 ? "a0.x" + std::to_string(10 * (n % ETAPES + 1)) : "\xAF" "a1+t/x10/20");
        else if (s->LType() == ACTION)
            s->MString(n % 3 ? "A0|M" + std::to_string(n % 200) + "+1|" : "{a0}A1|");
        ++n;
    }
}

struct Banc {
    Banc()
    {
        Grafcet g;
        Construit(g);
        gra = (dossier / "mille.gra").string();
        EcritureSure(gra, [&g](FILE* f) { return g.EFichier(f); });
        fixtures::Ecrit(dossier / "p_opera.lst",
                        fixtures::OctetsPop({{0, 1, "Banc",
                                              {fixtures::C(0, 0, 0, 1, "a0"), fixtures::C(0, 0, 0, 2, "a1"),
                                               fixtures::C(0, 1, 1, 1, "A0"), fixtures::C(0, 1, 1, 2, "A1"),
                                               fixtures::C(2, 0, 0, 0, "t/x"), fixtures::C(2, 1, 0, 0, "Mxx")}}}));
    }
    fixtures::Dossier dossier{"veldra-bench-gen"};
    std::string gra;
};

Banc& LeBanc()
{
    static Banc banc;
    return banc;
}

void GenereEnProcessus(benchmark::State& etat)
{
    Banc& b = LeBanc();
    std::size_t taille = 0;
    for (auto _ : etat) {
        Grafcet g;
        FILE* f = std::fopen(b.gra.c_str(), "rb");
        g.LFichier(f);
        std::fclose(f);
        POpera pop(0, "Banc", b.dossier.Prefixe());
        const ResultatGeneration r = GenereProgramme(g, 0, "Banc", pop);
        taille = r.texte.size();
        if (!r.reussi)
            etat.SkipWithError("generation failed");
    }
    etat.counters["octets"] = static_cast<double>(taille);
}

void GenereEnLigneDeCommande(benchmark::State& etat)
{
    Banc& b = LeBanc();
    const std::string commande = std::string(VELDRA_CLI) + " generate --data " + b.dossier.Prefixe()
                                 + " --card 0 --pop Banc -o " + (b.dossier / "prog.txt").string()
                                 + " " + b.gra + " 2>/dev/null";
    for (auto _ : etat) {
        if (std::system(commande.c_str()) != 0)
            etat.SkipWithError("veldra-cli generate failed");
    }
}

} // namespace

BENCHMARK(GenereEnProcessus)->Repetitions(7)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(GenereEnLigneDeCommande)->Repetitions(7)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
