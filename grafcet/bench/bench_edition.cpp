// Chain editing on long diagrams: adding at the end of a chain and inserting
// near its top, where the whole chain below has to move.
//   make bench && build/bench/grafcet/bench/bench_edition
#include <benchmark/benchmark.h>

#include "Grafcet.h"
#include "elements/SGrafcet.h"

namespace {

// One chain of `n` elements (initial step, then transition, step and action
// block repeated) from (100, 40) down; returns the last attach point.
TPoint Chaine(Grafcet& g, int n)
{
    TPoint p(100, 40);
    g.Ajoute(ETAPE_INITIALE, p, AUCUN);
    p = TPoint(100, 74);
    while (static_cast<int>(g.Symboles().size()) + 3 <= n) {
        g.Ajoute(ETAPE, p, ETAPE);
        p.y += 34;
    }
    return p;
}

void AjouteEnFin(benchmark::State& etat)
{
    Grafcet g;
    const TPoint fin = Chaine(g, static_cast<int>(etat.range(0)));
    for (auto _ : etat) {
        TPoint p = fin;
        g.Ajoute(TRANSITION, p, ETAPE);
        etat.PauseTiming();
        g.Effacer(TPoint(fin.x, fin.y + 5), 0);
        etat.ResumeTiming();
    }
    etat.counters["elements"] = static_cast<double>(g.Symboles().size());
}

void InsereEnHaut(benchmark::State& etat)
{
    Grafcet g;
    Chaine(g, static_cast<int>(etat.range(0)));
    const TPoint haut(100, 86); // below the first transition
    for (auto _ : etat) {
        TPoint p = haut;
        g.Insere(ETAPE, p, TRANSITION, p);
        etat.PauseTiming();
        g.Effacer(TPoint(haut.x, haut.y + 5), 0);
        etat.ResumeTiming();
    }
    etat.counters["elements"] = static_cast<double>(g.Symboles().size());
}

} // namespace

BENCHMARK(AjouteEnFin)->Arg(500)->Arg(2000)->Repetitions(7)->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(InsereEnHaut)->Arg(500)->Arg(2000)->Repetitions(7)->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
