// xadrez-posicao: answers questions about a FEN position with the game's own rules.
//   xadrez-posicao jogadas "FEN"
//   xadrez-posicao perft N "FEN"
//   xadrez-posicao melhor NIVEL SEMENTE "FEN"
//   xadrez-posicao partida NIVEL_BRANCAS NIVEL_PRETAS SEMENTE ["FEN"]
//   xadrez-posicao san "FEN" MOVE...          (ComandosNotacao)
//   xadrez-posicao pgn NIVEL_BRANCAS NIVEL_PRETAS SEMENTE ["FEN"]
//   xadrez-posicao le < FEN_OR_PGN
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "AutoPartida.h"
#include "ComandosNotacao.h"
#include "Perft.h"
#include "PosicaoFEN.h"
#include "algoritmo/Algoritmo.h"
#include "algoritmo/AlgoritmoForte.h"
#include "algoritmo/AlgoritmoGerenciador.h"
#include "algoritmo/Relogio.h"
#include "jogo/Jogada.h"
#include "jogo/Jogo.h"

namespace {

int erro(const std::string& msg) {
    std::cerr << "xadrez-posicao: " << msg << "\n";
    return 2;
}

bool leInteiroPositivo(const std::string& s, int* valor) {
    if (s.empty() || s.size() > 3) return false;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    *valor = std::atoi(s.c_str());
    return *valor > 0;
}

int jogadas(Jogo& jogo) {
    bool isComp = jogo.isVezComputador();
    Peca** jogador = jogo.getJogadorPecas();
    Peca** computador = jogo.getComputadorPecas();
    auto lances = Perft::legais(&jogo, jogador, computador, isComp);
    for (const auto& l : lances) {
        Peca* peca = (isComp ? computador : jogador)[l.slot];
        std::cout << PosicaoFEN::notacao(peca, l.jogada) << "\n";
    }
    Perft::libera(lances);
    return 0;
}

int perft(Jogo& jogo, int profundidade) {
    long total = 0;
    for (const auto& [lance, nos] : Perft::divide(&jogo, jogo.isVezComputador(), profundidade)) {
        std::cout << lance << ": " << nos << "\n";
        total += nos;
    }
    std::cout << "\nNodes searched: " << total << "\n";
    return 0;
}

bool leNivel(const std::string& s, int* nivel) {
    if (s.size() != 1 || s[0] < '0' + Jogo::FACIL || s[0] > '0' + Jogo::NIVEL_MAXIMO) return false;
    *nivel = s[0] - '0';
    return true;
}

bool leSemente(const std::string& s, long long* valor) {
    if (s.empty() || s.size() > 12) return false;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    *valor = std::atoll(s.c_str());
    return true;
}

// The computer player's choice for the side to move, with the seed in place
// of the clock so that the answer can be reproduced.
int melhor(Jogo& jogo, int nivel, long long semente) {
    bool isComp = jogo.isVezComputador();
    jogo.setNivel(isComp, nivel);
    Relogio::fixa(static_cast<std::time_t>(semente));
    AlgoritmoGerenciador gerenciador(&jogo);
    int x = 0, y = 0;
    Jogada* jogada = nullptr;
    auto inicio = std::chrono::steady_clock::now();
    bool achou = gerenciador.calculaMelhorJogada(&x, &y, &jogada, isComp);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inicio);
    long long nos = nivel >= Jogo::AMADOR ? gerenciador.getAlgoritmoForte()->getNos()
                                          : gerenciador.getAlgoritmo()->getNosCriados();
    std::cerr << "nodes: " << nos << ", ms: " << ms.count() << "\n";
    if (!achou) {
        std::cout << "nenhuma\n";
        return 1;
    }
    std::cout << AutoPartida::notacao(jogo.getPeca(x, y), jogada, gerenciador.getPromocao()) << "\n";
    delete jogada;
    return 0;
}

int partida(Jogo& jogo, int nivelBrancas, int nivelPretas, long long semente) {
    int motivo = 0;
    int status = AutoPartida::joga(jogo, nivelBrancas, nivelPretas, semente,
                                   [](const std::string& lance) {
                                       std::cout << lance << "\n";
                                       return true;
                                   },
                                   &motivo);
    if (status < 0) {
        std::cout << "nenhuma\n";
        return 1;
    }
    static const char* const motivos[] = {"", "xeque-mate", "afogamento", "repeticao", "75-lances",
                                          "material-insuficiente"};
    const char* placar = status == Jogo::BRANCAS_VENCERAM ? "1-0" : status == Jogo::PRETAS_VENCERAM ? "0-1" : "1/2";
    std::cout << placar << " " << motivos[motivo] << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* uso =
        "usage: xadrez-posicao jogadas FEN | perft N FEN | melhor NIVEL SEMENTE FEN"
        " | partida NIVEL_BRANCAS NIVEL_PRETAS SEMENTE [FEN]";
    const std::string usoTodo = std::string(uso) + ComandosNotacao::USO;
    if (argc < 2) return erro(usoTodo);
    std::string comando = argv[1];
    if (argc == 2 && comando == "--help") {
        std::cout << usoTodo << " (see xadrez-posicao(6))\n";
        return 0;
    }
    if (argc == 2 && comando == "--version") {
        std::cout << "xadrez-posicao " << XADREZ_VERSAO << "\n";
        return 0;
    }
    if (!comando.empty() && comando[0] == '-') return erro("unknown option '" + comando + "'; " + usoTodo);

    Jogo jogo(nullptr);
    jogo.reinicia();
    std::string msg;
    // The record in notation; pgn plays as partida does, with its levels.
    if (comando == "san" && argc >= 3) return ComandosNotacao::san(argc, argv);
    if (comando == "le" && argc == 2) return ComandosNotacao::le(std::cin);
    if (comando == "pgn" && (argc == 5 || argc == 6)) {
        int brancas = 0, pretas = 0;
        if (!leNivel(argv[2], &brancas) || !leNivel(argv[3], &pretas)) return erro("the levels must be as for partida");
        long long semente = 0;
        if (!leSemente(argv[4], &semente)) return erro("the seed must be a number of at most 12 digits");
        if (argc == 6 && !PosicaoFEN::carrega(&jogo, argv[5], &msg)) return erro(msg);
        return ComandosNotacao::pgn(jogo, brancas, pretas, semente);
    }

    if (comando == "jogadas" && argc == 3) {
        if (!PosicaoFEN::carrega(&jogo, argv[2], &msg)) return erro(msg);
        return jogadas(jogo);
    }
    if (comando == "perft" && argc == 4) {
        int n = 0;
        if (!leInteiroPositivo(argv[2], &n)) return erro("the depth must be a positive number");
        if (!PosicaoFEN::carrega(&jogo, argv[3], &msg)) return erro(msg);
        return perft(jogo, n);
    }
    if (comando == "melhor" && argc == 5) {
        int nivel = 0;
        if (!leNivel(argv[2], &nivel)) return erro("the level must be 2 to 9");
        long long semente = 0;
        if (!leSemente(argv[3], &semente)) return erro("the seed must be a number of at most 12 digits");
        if (!PosicaoFEN::carrega(&jogo, argv[4], &msg)) return erro(msg);
        return melhor(jogo, nivel, semente);
    }
    if (comando == "partida" && (argc == 5 || argc == 6)) {
        int brancas = 0, pretas = 0;
        if (!leNivel(argv[2], &brancas) || !leNivel(argv[3], &pretas)) return erro("the levels must be 2 to 9");
        long long semente = 0;
        if (!leSemente(argv[4], &semente)) return erro("the seed must be a number of at most 12 digits");
        if (argc == 6 && !PosicaoFEN::carrega(&jogo, argv[5], &msg)) return erro(msg);
        return partida(jogo, brancas, pretas, semente);
    }
    return erro(usoTodo);
}
