#include "jogo/JogadaLista.h"

#include "jogo/Jogada.h"
#include "jogo/JogadaEnPassant.h"
#include "jogo/JogadaRoque.h"
#include "jogo/JogoConstantes.h"

// Only the first tam slots are ever read, so the others stay as they are.
JogadaLista::JogadaLista() : tam(0) {}

JogadaLista::~JogadaLista() { deletaTodasAsJogadas(); }

void JogadaLista::addJogada(int x, int y, Peca* captura) {
    addJogada(new Jogada(x, y, captura, JogoConstantes::JOGADA_NORMAL));
}

void JogadaLista::addJogada(Jogada* jogada) {
    // One piece never yields more than 27 moves; a full list drops the move
    // rather than writing past its end.
    if (tam >= CAPACIDADE) {
        delete jogada;
        return;
    }
    jogadas[tam++] = jogada;
}

void JogadaLista::deletaTodasAsJogadas() {
    for (int i = 0; i < tam; i++) {
        delete jogadas[i];
        jogadas[i] = nullptr;
    }
    tam = 0;
}

void JogadaLista::copiaPara(JogadaLista* destino) {
    destino->deletaTodasAsJogadas();
    for (int i = 0; i < tam; i++) {
        Jogada* j = jogadas[i];
        switch (j->getTipo()) {
            case JogoConstantes::JOGADA_ROQUE: {
                JogadaRoque* r = static_cast<JogadaRoque*>(j);
                destino->addJogada(new JogadaRoque(r->getReiPosX(), r->getReiPosY(),
                                                   r->getTorrePosX(), r->getTorrePosY(),
                                                   r->getCaptura(), r->getRei(), r->getTorre()));
                break;
            }
            case JogoConstantes::JOGADA_EN_PASSANT:
                destino->addJogada(new JogadaEnPassant(j->getPosX(), j->getPosY(), j->getCaptura()));
                break;
            default:
                destino->addJogada(new Jogada(j->getPosX(), j->getPosY(), j->getCaptura(), j->getTipo()));
                break;
        }
    }
}
