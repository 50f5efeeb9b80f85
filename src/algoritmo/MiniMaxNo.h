#ifndef ALGORITMO_MINIMAXNO_H
#define ALGORITMO_MINIMAXNO_H

class Jogada;

// A node of the search tree. It holds no position: only the move that
// leads to it and the square the moving piece left.
class MiniMaxNo {
public:
    // One cell of the children list; the newest child comes first.
    struct Celula {
        MiniMaxNo* no;
        Celula* proximo;
    };

    MiniMaxNo();

    // Puts filho at the front of the children list.
    void addFilho(MiniMaxNo* filho);

    Jogada* jogada;  // owned; none at the root and in an empty result
    int posX;
    int posY;
    float valor;
    int profundidade;
    bool terminal;
    bool xequeMate;
    MiniMaxNo* pai;
    Celula* filhos;

    MiniMaxNo(const MiniMaxNo&) = delete;
    MiniMaxNo& operator=(const MiniMaxNo&) = delete;
};

#endif
