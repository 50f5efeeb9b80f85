#include "AutoPartida.h"

#include "PosicaoFEN.h"
#include "algoritmo/AlgoritmoGerenciador.h"
#include "algoritmo/Relogio.h"
#include "jogo/Jogada.h"
#include "jogo/Jogo.h"

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
        std::string notacao = PosicaoFEN::notacao(peca, jogada);
        jogo.executaJogada(peca, jogada);
        delete jogada;
        status = jogo.verificaFimDePartida(motivo);
        if (!lance(notacao) && status == Jogo::EM_JOGO) {
            break;
        }
    }
    Relogio::solta();
    return status;
}
