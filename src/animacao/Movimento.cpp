#include "animacao/Movimento.h"

#include "animacao/MovimentoSimples.h"

Movimento::Movimento(Jogada* jogada) : jogada(jogada), movimento1(nullptr), movimento2(nullptr) {}

Movimento::~Movimento() {
    delete movimento1;
    delete movimento2;
}

void Movimento::setMovimento1(MovimentoSimples* m) {
    if (m != movimento1) delete movimento1;
    movimento1 = m;
}

void Movimento::setMovimento2(MovimentoSimples* m) {
    if (m != movimento2) delete movimento2;
    movimento2 = m;
}

bool Movimento::isMoveu() const {
    if (movimento2 != nullptr) return movimento2->isMoveu();
    if (movimento1 != nullptr) return movimento1->isMoveu();
    return false;
}
