// Time of the computer player's choice at each level over a fixed set of
// positions: per level the median and the slowest choice, and the tree
// nodes created per second. Seeds are fixed, so every run makes the same
// choices and creates the same nodes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "PosicaoFEN.h"
#include "algoritmo/Algoritmo.h"
#include "algoritmo/Relogio.h"
#include "jogo/Jogada.h"
#include "jogo/Jogo.h"

namespace {

const char* POSICOES[] = {
    // openings
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
    "r1bqk1nr/pppp1ppp/2n5/2b1p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4",
    "rnbqkbnr/ppp1pppp/8/3p4/2PP4/8/PP2PPPP/RNBQKBNR b KQkq c3 0 2",
    // middlegames
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b KQkq -",
    "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 b - - 0 10",
    "r1bq1rk1/ppp2ppp/2np1n2/2b1p3/2B1P3/2NP1N2/PPP2PPP/R1BQ1RK1 b - - 0 7",
    // endgames
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 b - -",
    "8/8/4k3/5r2/2R5/8/1K6/8 w - -",
    "8/5k2/3n4/8/3N4/8/5K2/8 b - -",
    "8/5p1k/6p1/8/3B4/6P1/5PK1/3b4 w - -",
};

struct Medida {
    double ms;
    long nos;
};

std::map<int, std::vector<Medida>> medidas;

struct Resumo {
    double mediana;
    double maisLenta;
    double nosPorS;
    long nos;
};

Resumo resume(const std::vector<Medida>& lista) {
    std::vector<double> tempos;
    double totalMs = 0;
    long totalNos = 0;
    for (const Medida& m : lista) {
        tempos.push_back(m.ms);
        totalMs += m.ms;
        totalNos += m.nos;
    }
    std::sort(tempos.begin(), tempos.end());
    size_t n = tempos.size();
    double mediana = n % 2 == 1 ? tempos[n / 2] : (tempos[n / 2 - 1] + tempos[n / 2]) / 2;
    return {mediana, tempos.back(), totalMs > 0 ? totalNos / (totalMs / 1000.0) : 0.0, totalNos};
}

void BM_Escolha(benchmark::State& state) {
    int nivel = static_cast<int>(state.range(0));
    std::vector<Medida>& lista = medidas[nivel];
    lista.clear();
    for (auto _ : state) {
        for (const char* fen : POSICOES) {
            Jogo jogo(nullptr);
            std::string erro;
            if (!PosicaoFEN::carrega(&jogo, fen, &erro)) {
                state.SkipWithError(erro.c_str());
                return;
            }
            bool isComp = jogo.isVezComputador();
            jogo.setNivel(isComp, nivel);
            Algoritmo algoritmo(&jogo);
            Relogio::fixa(1);
            int x = 0, y = 0;
            Jogada* jogada = nullptr;
            auto inicio = std::chrono::steady_clock::now();
            bool achou = algoritmo.calculaMelhorJogada(&x, &y, &jogada, isComp);
            auto fim = std::chrono::steady_clock::now();
            if (achou) delete jogada;
            lista.push_back({std::chrono::duration<double, std::milli>(fim - inicio).count(),
                             algoritmo.getNosCriados()});
        }
    }
    Relogio::solta();

    Resumo r = resume(lista);
    state.counters["mediana_ms"] = r.mediana;
    state.counters["mais_lenta_ms"] = r.maisLenta;
    state.counters["nos_por_s"] = r.nosPorS;
}

const char* nomeDoNivel(int nivel) {
    switch (nivel) {
        case 2: return "Facil";
        case 3: return "Normal";
        default: return "Dificil";
    }
}

}  // namespace

BENCHMARK(BM_Escolha)->DenseRange(2, 4)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const size_t posicoes = sizeof(POSICOES) / sizeof(POSICOES[0]);
    std::printf("\n%zu positions, fixed seed; nodes: tree nodes of one pass over them\n", posicoes);
    std::printf("%-8s %12s %14s %14s %12s\n", "level", "median ms", "slowest ms", "nodes/s", "nodes");
    for (const auto& [nivel, lista] : medidas) {
        if (lista.empty()) continue;
        Resumo r = resume(lista);
        std::printf("%-8s %12.2f %14.2f %14.0f %12ld\n", nomeDoNivel(nivel), r.mediana, r.maisLenta,
                    r.nosPorS, r.nos / static_cast<long>(lista.size() / posicoes));
    }
    return 0;
}
