// Perft 3 through the game's own rule operations: the cost of generating,
// filtering and playing moves that the computer player pays at every node.
#include <benchmark/benchmark.h>

#include <string>

#include "Perft.h"
#include "PosicaoFEN.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"

namespace {

const char* INICIO = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
const char* KIWIPETE = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -";

void perft(benchmark::State& state, const char* fen, long esperado) {
    Jogo jogo(nullptr);
    std::string erro;
    if (!PosicaoFEN::carrega(&jogo, fen, &erro)) {
        state.SkipWithError(erro.c_str());
        return;
    }
    long folhas = 0;
    for (auto _ : state) {
        Peca* jogador[16];
        Peca* computador[16];
        jogo.copia_pecas(jogador, computador);
        folhas = Perft::conta(&jogo, jogador, computador, jogo.isVezComputador(), 3);
        jogo.deleta_pecas(jogador);
        jogo.deleta_pecas(computador);
        benchmark::DoNotOptimize(folhas);
    }
    if (folhas != esperado) {
        state.SkipWithError("wrong leaf count");
    }
    state.counters["folhas"] = static_cast<double>(folhas);
    state.counters["folhas_por_s"] =
        benchmark::Counter(static_cast<double>(folhas), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_PerftInicio(benchmark::State& state) { perft(state, INICIO, 8902); }
void BM_PerftKiwipete(benchmark::State& state) { perft(state, KIWIPETE, 97862); }

}  // namespace

BENCHMARK(BM_PerftInicio)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerftKiwipete)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
