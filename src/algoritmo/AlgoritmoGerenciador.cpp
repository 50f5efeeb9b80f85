#include "algoritmo/AlgoritmoGerenciador.h"

#include "algoritmo/Algoritmo.h"

AlgoritmoGerenciador::AlgoritmoGerenciador(Jogo* jogo) : jogo(jogo), algoritmo(new Algoritmo(jogo)) {}

AlgoritmoGerenciador::~AlgoritmoGerenciador() { delete algoritmo; }

bool AlgoritmoGerenciador::calculaMelhorJogada(int* x, int* y, Jogada** jogada, bool isComp) {
    return algoritmo->calculaMelhorJogada(x, y, jogada, isComp);
}
