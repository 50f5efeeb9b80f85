#include "animacao/Animacao.h"

#include "animacao/Movimento.h"
#include "animacao/MovimentoSimples.h"
#include "animacao/PecaAnim.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaRoque.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"

Animacao::Animacao(Jogo* jogo) : jogo(jogo), pecaAnim(new PecaAnim(jogo)) {}

Animacao::~Animacao() { delete pecaAnim; }

Movimento* Animacao::criaMovimentos(Jogada* jogada, Peca* peca) {
    Movimento* movimento = new Movimento(jogada);
    JogadaRoque* roque =
        jogada->getTipo() == Jogo::JOGADA_ROQUE ? dynamic_cast<JogadaRoque*>(jogada) : nullptr;
    if (peca->getTipo() == Jogo::CAVALO) {
        pecaAnim->carregaMovsCavalo(movimento, peca);
    } else if (roque != nullptr) {
        pecaAnim->carregaMovsRoque(movimento, roque);
    } else {
        pecaAnim->carregaMovsPeca(movimento, peca);
    }
    return movimento;
}

bool Animacao::move(Movimento* movimento, int passo) {
    MovimentoSimples* primeiro = movimento->getMovimento1();
    MovimentoSimples* segundo = movimento->getMovimento2();
    if (primeiro == nullptr) return movimento->isMoveu();
    // One slide per call: the second starts on the call after the first arrived.
    if (!primeiro->isMoveu()) {
        if (passo >= pecaAnim->move(primeiro, passo)) primeiro->setMoveu(true);
    } else if (segundo != nullptr && !segundo->isMoveu()) {
        if (passo >= pecaAnim->move(segundo, passo)) segundo->setMoveu(true);
    }
    return movimento->isMoveu();
}
