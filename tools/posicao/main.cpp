// xadrez-posicao: answers questions about a FEN position with the game's own rules.
//   xadrez-posicao jogadas "FEN"
//   xadrez-posicao perft N "FEN"
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "Perft.h"
#include "PosicaoFEN.h"
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

}  // namespace

int main(int argc, char** argv) {
    const char* uso = "usage: xadrez-posicao jogadas FEN | perft N FEN";
    if (argc < 2) return erro(uso);
    std::string comando = argv[1];

    Jogo jogo(nullptr);
    std::string msg;
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
    return erro(uso);
}
