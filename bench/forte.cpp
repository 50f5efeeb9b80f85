// Time per move of the stronger levels (Amador to Perito) and the nodes
// their search visits per second: over the positions of bench/posicoes.txt,
// each one searched afresh, and over every position of whole games the
// levels play against each other (seeded, so every run plays the same
// games when the machine is not overloaded). Per level: moves, median and
// worst milliseconds, nodes per second.
// With "ruido", instead: how far each level's choices stray from the
// best, over the positions and ten seeds each: how often it plays the move
// a deeper search (Perito's search with 500 000 nodes) prefers, and the
// centipawns its choice loses by that search's judgement (mean and worst).
//   build/bench/bench_forte [GAMES_PER_LEVEL]
//   build/bench/bench_forte ruido
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "PosicaoFEN.h"
#include "lePosicoes.h"
#include "algoritmo/AlgoritmoForte.h"
#include "algoritmo/AlgoritmoGerenciador.h"
#include "algoritmo/Relogio.h"
#include "jogo/Jogada.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"

namespace {

double mediana(std::vector<double>& v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Wall-clock time, which a loaded machine stretches, and the processor
// time the search itself took, which it does not.
struct Medidas {
    std::vector<double> ms;
    std::vector<double> cpu;
    long long nos = 0;
    double totalCpu = 0;

    void soma(double t, double c, long long n) {
        ms.push_back(t);
        cpu.push_back(c);
        nos += n;
        totalCpu += c;
    }
    void imprime(const char* onde, int nivel) {
        if (ms.empty()) return;
        double m = mediana(ms), mc = mediana(cpu);
        std::printf("%-9s level %d  moves %4zu  wall median %6.1f worst %6.1f ms  cpu median %6.1f worst %6.1f ms"
                    "  %8.0f nodes/cpu s\n",
                    onde, nivel, ms.size(), m, ms.back(), mc, cpu.back(), totalCpu > 0 ? nos * 1000.0 / totalCpu : 0.0);
    }
};

// One choice; answers false when there is no move.
bool escolhe(AlgoritmoGerenciador& g, Jogo& jogo, Medidas& m, Peca** peca, Jogada** jogada, int* promocao) {
    int x = 0, y = 0;
    auto inicio = std::chrono::steady_clock::now();
    std::clock_t inicioCpu = std::clock();
    bool achou = g.calculaMelhorJogada(&x, &y, jogada, jogo.isVezComputador());
    double cpu = (std::clock() - inicioCpu) * 1000.0 / CLOCKS_PER_SEC;
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
    m.soma(ms, cpu, g.getAlgoritmoForte()->getNos());
    *peca = achou ? jogo.getPeca(x, y) : nullptr;
    *promocao = g.getPromocao();
    return achou;
}

}  // namespace

// The judge's value of the position with only these first moves allowed.
int julga(Jogo& jogo, AlgoritmoForte& juiz, const std::vector<PosicaoBusca::Lance>& lances) {
    LimitesBusca limites;
    limites.nos = 500000;
    limites.restritos = lances;
    juiz.limpa();
    return juiz.escolhe(jogo.isVezComputador(), Jogo::PERITO, limites, false, false).resultado.valor;
}

int medeRuido(const std::vector<std::string>& posicoes) {
    for (int nivel = Jogo::AMADOR; nivel <= Jogo::PERITO; nivel++) {
        int iguais = 0, total = 0;
        long long perda = 0;
        int pior = 0;
        for (const std::string& fen : posicoes) {
            Jogo jogo(nullptr);
            std::string erro;
            if (!PosicaoFEN::carrega(&jogo, fen, &erro)) continue;
            AlgoritmoForte juiz(&jogo, 16);
            int melhor = julga(jogo, juiz, {});
            std::vector<std::pair<PosicaoBusca::Lance, int>> vistos;
            for (int semente = 1; semente <= 10; semente++) {
                Relogio::fixa(semente);
                AlgoritmoForte forte(&jogo, 16);
                PosicaoBusca::Lance l = forte.escolhe(jogo.isVezComputador(), nivel, LimitesBusca(), true, true).lance;
                int valor = 0;
                bool visto = false;
                for (const auto& v : vistos) {
                    if (v.first == l) {
                        valor = v.second;
                        visto = true;
                    }
                }
                if (!visto) {
                    valor = julga(jogo, juiz, {l});
                    vistos.emplace_back(l, valor);
                }
                int p = std::max(0, melhor - valor);
                perda += p;
                pior = std::max(pior, p);
                iguais += p == 0;
                total++;
            }
        }
        std::printf("level %d  choices %d  as good as the judge's %5.1f%%  loss mean %5.1f cp  worst %4d cp\n", nivel,
                    total, 100.0 * iguais / std::max(1, total), static_cast<double>(perda) / std::max(1, total), pior);
        std::fflush(stdout);
    }
    return 0;
}

int main(int argc, char** argv) {
    std::vector<std::string> posicoes = lePosicoes();
    if (argc > 1 && std::string(argv[1]) == "ruido") return medeRuido(posicoes);
    int partidas = argc > 1 ? std::atoi(argv[1]) : 2;
    Relogio::fixa(1);
    for (int nivel = Jogo::AMADOR; nivel <= Jogo::PERITO; nivel++) {
        Medidas m;
        for (const std::string& fen : posicoes) {
            Jogo jogo(nullptr);
            std::string erro;
            if (!PosicaoFEN::carrega(&jogo, fen, &erro)) continue;
            jogo.setNivel(jogo.isVezComputador(), nivel);
            AlgoritmoGerenciador g(&jogo);
            // The table is made before the clock starts, as a game makes it once.
            g.getAlgoritmoForte();
            Peca* peca;
            Jogada* jogada = nullptr;
            int promocao;
            if (escolhe(g, jogo, m, &peca, &jogada, &promocao)) delete jogada;
        }
        m.imprime("positions", nivel);
        std::fflush(stdout);
    }
    // Whole games: each level against the level below it (Amador against
    // Difícil), both colours, every move of the stronger side timed.
    for (int nivel = Jogo::AMADOR; nivel <= Jogo::PERITO; nivel++) {
        Medidas m;
        for (int p = 0; p < partidas; p++) {
            Jogo jogo(nullptr);
            jogo.reinicia();
            bool forteBrancas = p % 2 == 0;
            jogo.setNivel(!forteBrancas, nivel);
            jogo.setNivel(forteBrancas, nivel - 1);
            Relogio::fixa(100 + p);
            AlgoritmoGerenciador g(&jogo);
            g.getAlgoritmoForte();
            Medidas outra;
            for (int ply = 0; ply < 300 && jogo.verificaFimDePartida(nullptr) == Jogo::EM_JOGO; ply++) {
                bool doForte = jogo.isVezComputador() != forteBrancas;
                Peca* peca;
                Jogada* jogada = nullptr;
                int promocao;
                if (!escolhe(g, jogo, doForte ? m : outra, &peca, &jogada, &promocao)) break;
                jogo.executaJogada(peca, jogada, promocao);
                delete jogada;
            }
        }
        m.imprime("games", nivel);
        std::fflush(stdout);
    }
    return 0;
}
