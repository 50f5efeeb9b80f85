// Time of the computer player's choice at each level over a fixed set of
// positions: per level the median and the slowest choice, and the tree
// nodes created per second. Seeds are fixed, so every run makes the same
// choices and creates the same nodes.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "PosicaoFEN.h"
#include "lePosicoes.h"
#include "algoritmo/Algoritmo.h"
#include "algoritmo/AlgoritmoGerenciador.h"
#include "algoritmo/Relogio.h"
#include "jogo/Jogada.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"
#include "jogo/PecaMov.h"

namespace {

const std::vector<std::string> POSICOES = lePosicoes();

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
        for (const std::string& fen : POSICOES) {
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

// Heap in use (bytes) after each of 100 consecutive choices at Dificil of a
// game of the computer against itself, carried out as the game does; a
// finished game is followed by a new one.
std::vector<size_t> heapEmCemEscolhas() {
    std::vector<size_t> emUso;
    Jogo jogo(nullptr);
    jogo.reinicia();
    jogo.setNivel(false, 4);
    jogo.setNivel(true, 4);
    AlgoritmoGerenciador gerenciador(&jogo);
    Relogio::fixa(1);
    while (emUso.size() < 100) {
        bool vez = jogo.isVezComputador();
        int x = 0, y = 0;
        Jogada* jogada = nullptr;
        if (!gerenciador.calculaMelhorJogada(&x, &y, &jogada, vez)) {
            jogo.reinicia();
            continue;
        }
        Peca* peca = jogo.getPeca(x, y);
        jogo.move2(peca, jogada);
        jogo.setUltimoMov(new PecaMov(x, y, jogada->getPosX(), jogada->getPosY(), vez));
        peca->setMoveuContador(peca->getMoveuContador() + 1);
        jogo.setVezComputador(!vez);
        delete jogada;
        if (jogo.isEstaEmXequeMateOuEmpate(true) != Jogo::EM_JOGO ||
            jogo.isEstaEmXequeMateOuEmpate(false) != Jogo::EM_JOGO) {
            jogo.reinicia();
        }
        emUso.push_back(mallinfo2().uordblks);
    }
    Relogio::solta();
    return emUso;
}

}  // namespace

BENCHMARK(BM_Escolha)->DenseRange(2, 4)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const size_t posicoes = POSICOES.size();
    if (posicoes == 0) {
        std::fprintf(stderr, "no positions in %s\n", POSICOES_ARQUIVO);
        return 1;
    }
    std::printf("\n%zu positions, fixed seed; nodes: tree nodes of one pass over them\n", posicoes);
    std::printf("%-8s %12s %14s %14s %12s\n", "level", "median ms", "slowest ms", "nodes/s", "nodes");
    for (const auto& [nivel, lista] : medidas) {
        if (lista.empty()) continue;
        Resumo r = resume(lista);
        std::printf("%-8s %12.2f %14.2f %14.0f %12ld\n", nomeDoNivel(nivel), r.mediana, r.maisLenta,
                    r.nosPorS, r.nos / static_cast<long>(lista.size() / posicoes));
    }

    std::vector<size_t> emUso = heapEmCemEscolhas();
    std::printf("\nheap in use over 100 consecutive Dificil choices of one game (bytes):\n");
    for (size_t i : {0, 9, 24, 49, 74, 99}) {
        std::printf("  after choice %3zu: %zu\n", i + 1, emUso[i]);
    }
    auto [menor, maior] = std::minmax_element(emUso.begin() + 9, emUso.end());
    std::printf("  from choice 10 on: between %zu and %zu\n", *menor, *maior);
    return 0;
}
