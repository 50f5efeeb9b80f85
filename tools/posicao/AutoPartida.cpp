#include "AutoPartida.h"

#include "PosicaoFEN.h"
#include "algoritmo/AlgoritmoGerenciador.h"
#include "algoritmo/Relogio.h"
#include "jogo/Jogada.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"

std::string AutoPartida::notacao(Peca* peca, Jogada* jogada, int promocao) {
    std::string s = PosicaoFEN::notacao(peca, jogada);
    if (promocao != 0 && !s.empty() && s.back() == 'q') {
        static const char letras[] = " rnbq";
        s.back() = letras[promocao];
    }
    return s;
}

int AutoPartida::joga(Jogo& jogo, int nivelBrancas, int nivelPretas, long long semente, const Lance& lance,
                      int* motivo) {
    jogo.setNivel(false, nivelBrancas);
    jogo.setNivel(true, nivelPretas);
    Relogio::fixa(static_cast<std::time_t>(semente));
    AlgoritmoGerenciador gerenciador(&jogo);
    int status = jogo.verificaFimDePartida(motivo);
    while (status == Jogo::EM_JOGO) {
        int x = 0, y = 0;
        Jogada* jogada = nullptr;
        if (!gerenciador.calculaMelhorJogada(&x, &y, &jogada, jogo.isVezComputador())) {
            Relogio::solta();
            return -1;
        }
        Peca* peca = jogo.getPeca(x, y);
        int promocao = gerenciador.getPromocao();
        std::string texto = notacao(peca, jogada, promocao);
        jogo.executaJogada(peca, jogada, promocao);
        delete jogada;
        status = jogo.verificaFimDePartida(motivo);
        if (!lance(texto) && status == Jogo::EM_JOGO) {
            break;
        }
    }
    Relogio::solta();
    return status;
}
