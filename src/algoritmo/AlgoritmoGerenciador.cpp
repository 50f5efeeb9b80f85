#include "algoritmo/AlgoritmoGerenciador.h"

#include <algorithm>
#include <mutex>

#include "algoritmo/Algoritmo.h"
#include "algoritmo/AlgoritmoForte.h"
#include "jogo/Jogada.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"

AlgoritmoGerenciador::AlgoritmoGerenciador(Jogo* jogo, std::size_t megabytesTabela)
    : jogo(jogo),
      algoritmo(new Algoritmo(jogo)),
      megabytesTabela(std::min(std::max<std::size_t>(megabytesTabela, 1), MEGABYTES_MAXIMO)),
      forte(nullptr),
      promocao(0),
      interrompida(false),
      geracaoPreparada(LIVRE) {}

AlgoritmoGerenciador::~AlgoritmoGerenciador() {
    delete algoritmo;
    delete forte.load();
}

AlgoritmoForte* AlgoritmoGerenciador::getAlgoritmoForte() {
    // The table is large: only a game at a stronger level pays for it.
    std::lock_guard<std::mutex> trava(criacaoTrava);
    if (forte.load() == nullptr) forte.store(new AlgoritmoForte(jogo, megabytesTabela));
    return forte.load();
}

// The preparation is cancelled before the engine is told, and the engine
// clears its stop before it reads the preparation: whichever comes first,
// the stop is not lost.
void AlgoritmoGerenciador::interrompe() {
    long preparada = geracaoPreparada.load();
    while (preparada >= 0 && !geracaoPreparada.compare_exchange_weak(preparada, CANCELADA)) {
    }
    AlgoritmoForte* f = forte.load();
    if (f != nullptr) f->interrompe();
}

void AlgoritmoGerenciador::preparaBusca(long geracao) { geracaoPreparada.store(geracao); }

// Under the game's lock, as the engine reads the game.
bool AlgoritmoGerenciador::aceitaBusca() {
    long preparada = geracaoPreparada.exchange(LIVRE);
    return preparada == LIVRE || preparada == jogo->getGeracao();
}

bool AlgoritmoGerenciador::calculaForte(int* x, int* y, Jogada** jogada, int* promocaoEscolhida, bool isComp,
                                        int nivel, bool comRuido) {
    AlgoritmoForte* f = getAlgoritmoForte();
    bool achou = f->calculaMelhorJogada(x, y, jogada, promocaoEscolhida, isComp, nivel, comRuido,
                                        [this] { return aceitaBusca(); });
    interrompida = f->isInterrompida();
    return achou;
}

void AlgoritmoGerenciador::novaPartida() {
    AlgoritmoForte* f = forte.load();
    if (f != nullptr) f->limpa();
}

bool AlgoritmoGerenciador::calculaMelhorJogada(int* x, int* y, Jogada** jogada, bool isComp) {
    int nivel;
    {
        std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
        nivel = jogo->getNivel(isComp);
    }
    promocao = 0;
    interrompida = false;
    if (nivel >= Jogo::AMADOR) {
        return calculaForte(x, y, jogada, &promocao, isComp, nivel, true);
    }
    geracaoPreparada.store(LIVRE);
    bool achou = algoritmo->calculaMelhorJogada(x, y, jogada, isComp);
    if (achou) {
        std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
        Peca* p = jogo->getPeca(*x, *y);
        int alvo = (*jogada)->getPosY();
        if (p != nullptr && p->getTipo() == Jogo::PEAO && (alvo == 0 || alvo == 7)) promocao = Jogo::RAINHA;
    }
    return achou;
}

bool AlgoritmoGerenciador::sugere(bool isComp, int* x, int* y, Jogada** jogada, int* promocaoSugerida) {
    return calculaForte(x, y, jogada, promocaoSugerida, isComp, Jogo::PERITO, false);
}
