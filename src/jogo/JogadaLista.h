#ifndef JOGO_JOGADALISTA_H
#define JOGO_JOGADALISTA_H

#include "jogo/Jogada.h"

class Peca;

// Fixed-capacity list of moves in the order they were appended; owns them.
class JogadaLista {
public:
    static constexpr int CAPACIDADE = 200;

    JogadaLista();
    ~JogadaLista();

    void addJogada(int x, int y, Peca* captura);
    void addJogada(Jogada* jogada);
    int getTam() const { return tam; }
    Jogada* getJogada(int i) const { return jogadas[i]; }
    void deletaTodasAsJogadas();
    void copiaPara(JogadaLista* destino);

    // Deletes the moves for which fica answers false; the rest keep their order.
    template <class F>
    void mantemSe(F fica) {
        int n = 0;
        for (int i = 0; i < tam; i++) {
            if (fica(jogadas[i])) {
                jogadas[n++] = jogadas[i];
            } else {
                delete jogadas[i];
            }
        }
        for (int i = n; i < tam; i++) jogadas[i] = nullptr;
        tam = n;
    }

    JogadaLista(const JogadaLista&) = delete;
    JogadaLista& operator=(const JogadaLista&) = delete;

private:
    Jogada* jogadas[CAPACIDADE];
    int tam;
};

#endif
