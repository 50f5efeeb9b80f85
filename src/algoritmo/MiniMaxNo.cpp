#include "algoritmo/MiniMaxNo.h"

MiniMaxNo::MiniMaxNo()
    : jogada(nullptr),
      posX(0),
      posY(0),
      valor(0.0f),
      profundidade(0),
      terminal(false),
      xequeMate(false),
      pai(nullptr),
      filhos(nullptr) {}

void MiniMaxNo::addFilho(MiniMaxNo* filho) { filhos = new Celula{filho, filhos}; }

void MiniMaxNo::removeFilho(MiniMaxNo* filho) {
    for (Celula** c = &filhos; *c != nullptr; c = &(*c)->proximo) {
        if ((*c)->no == filho) {
            Celula* fora = *c;
            *c = fora->proximo;
            delete fora;
            return;
        }
    }
}
