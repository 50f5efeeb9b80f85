#include "Perft.h"

#include "PosicaoFEN.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/Jogo.h"
#include "jogo/JogoPecas.h"
#include "jogo/Peca.h"
#include "jogo/PecaMov.h"

std::vector<Perft::Lance> Perft::legais(Jogo* jogo, Peca** jogador, Peca** computador, bool isComp) {
    std::vector<Lance> lances;
    Peca** lado = isComp ? computador : jogador;
    for (int i = 0; i < 16; i++) {
        Peca* p = lado[i];
        if (p->isRemovida()) {
            continue;
        }
        JogadaLista lista;
        {
            JogoPecas copia(jogo);
            copia.setPecas(jogador, computador);
            jogo->calculaJogadasPossiveis(&lista, &copia, p->getPosX(), p->getPosY(), p->getTipo(),
                                          isComp, false);
        }
        jogo->filtraJogadas(&lista, jogador, computador, p->getPosX(), p->getPosY(), isComp);
        for (int j = 0; j < lista.getTam(); j++) {
            lances.push_back({i, lista.getJogada(j)->nova()});
        }
    }
    return lances;
}

void Perft::libera(std::vector<Lance>& lances) {
    for (auto& l : lances) {
        delete l.jogada;
    }
    lances.clear();
}

void Perft::joga(Jogo* jogo, Peca** jogador, Peca** computador, bool isComp, const Lance& lance) {
    Peca* peca = (isComp ? computador : jogador)[lance.slot];
    int x1 = peca->getPosX();
    int y1 = peca->getPosY();
    jogo->move2(jogador, computador, peca, lance.jogada);
    peca->setMoveuContador(peca->getMoveuContador() + 1);
    jogo->setUltimoMov(new PecaMov(x1, y1, lance.jogada->getPosX(), lance.jogada->getPosY(), isComp));
}

long Perft::conta(Jogo* jogo, Peca** jogador, Peca** computador, bool isComp, int profundidade) {
    if (profundidade <= 0) {
        return 1;
    }
    std::vector<Lance> lances = legais(jogo, jogador, computador, isComp);
    long total = 0;
    if (profundidade == 1) {
        total = static_cast<long>(lances.size());
    } else {
        // Only the mover's last move is read below this node, and each move
        // sets it before going down, so nothing needs restoring.
        for (const Lance& l : lances) {
            Peca* a[16];
            Peca* b[16];
            jogo->copia_pecas(a, b, jogador, computador);
            joga(jogo, a, b, isComp, l);
            total += conta(jogo, a, b, !isComp, profundidade - 1);
            jogo->deleta_pecas(a);
            jogo->deleta_pecas(b);
        }
    }
    libera(lances);
    return total;
}

std::vector<std::pair<std::string, long>> Perft::divide(Jogo* jogo, bool isComp, int profundidade) {
    std::vector<std::pair<std::string, long>> resultado;
    Peca* jogador[16];
    Peca* computador[16];
    jogo->copia_pecas(jogador, computador);
    std::vector<Lance> lances = legais(jogo, jogador, computador, isComp);
    for (const Lance& l : lances) {
        Peca* peca = (isComp ? computador : jogador)[l.slot];
        std::string nome = PosicaoFEN::notacao(peca, l.jogada);
        Peca* a[16];
        Peca* b[16];
        jogo->copia_pecas(a, b, jogador, computador);
        joga(jogo, a, b, isComp, l);
        resultado.emplace_back(nome, conta(jogo, a, b, !isComp, profundidade - 1));
        jogo->deleta_pecas(a);
        jogo->deleta_pecas(b);
    }
    libera(lances);
    jogo->deleta_pecas(jogador);
    jogo->deleta_pecas(computador);
    return resultado;
}
