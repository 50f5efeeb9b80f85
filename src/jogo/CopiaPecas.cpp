#include "jogo/CopiaPecas.h"

#include <cstring>
#include <new>
#include <type_traits>

static_assert(std::is_trivially_copyable<Peca>::value, "pieces are copied as blocks");

CopiaPecas::CopiaPecas() {
    aponta();
    Peca* base = reinterpret_cast<Peca*>(memoria);
    for (int i = 0; i < 32; i++) ::new (base + i) Peca(i >= 16, 0, 0, 0);
}

CopiaPecas::CopiaPecas(Peca** deJogador, Peca** deComputador) {
    aponta();
    copiaDe(deJogador, deComputador);
}

CopiaPecas::CopiaPecas(const CopiaPecas& outra) {
    aponta();
    std::memcpy(memoria, outra.memoria, sizeof memoria);
}

CopiaPecas& CopiaPecas::operator=(const CopiaPecas& outra) {
    if (this != &outra) std::memcpy(memoria, outra.memoria, sizeof memoria);
    return *this;
}

void CopiaPecas::aponta() {
    Peca* base = reinterpret_cast<Peca*>(memoria);
    for (int i = 0; i < 16; i++) {
        jogador[i] = base + i;
        computador[i] = base + 16 + i;
    }
}

void CopiaPecas::copiaDe(Peca** deJogador, Peca** deComputador) {
    for (int i = 0; i < 16; i++) {
        *jogador[i] = *deJogador[i];
        *computador[i] = *deComputador[i];
    }
}
