#ifndef ALGORITMO_ALGORITMO_H
#define ALGORITMO_ALGORITMO_H

#include <atomic>
#include <functional>
#include <vector>

#include "jogo/CopiaPecas.h"
#include "jogo/Tabuleiro.h"

class Jogada;
class Jogo;
class MiniMaxNo;
class Peca;
class PecaMov;

// The computer player: a minimax search with alpha-beta pruning to the
// depth of the side's level, and the choice of the move to play.
class Algoritmo {
public:
    explicit Algoritmo(Jogo* jogo);
    virtual ~Algoritmo();

    // Piece and move for side isComp. On true *x, *y is the square of the
    // live piece to move and *jogada a new move owned by the caller.
    bool calculaMelhorJogada(int* x, int* y, Jogada** jogada, bool isComp);

    // Expands no to the remaining depth and answers the best node found.
    // The position comes from the snapshot taken by fotografa().
    MiniMaxNo* minimax(MiniMaxNo* no, bool isMax, int nivelProfundidade, int profundidade,
                       float alfa, float beta, bool isComp);
    // Frees the node and everything below it; the pointer is not cleared.
    void limpaMiniMaxArvore(MiniMaxNo** no);

    float calculaPeso(int tipo);
    float calculaPeso(Peca* peca);

    // A random move of another piece than the one that ended ultimo.
    bool sorteiaJogada(int* x, int* y, Jogada** jogada, Peca** jogador, Peca** computador,
                       bool isComp, PecaMov* ultimo);
    // A random legal move of peca, preferring squares the opponent does not
    // attack; none when it has no legal move. The caller owns the answer.
    Jogada* sorteiaPecaJogada(Peca* peca, Peca** jogador, Peca** computador, bool isComp);

    // For callers of minimax: copy the live position that every node is
    // rebuilt from (under the game's lock when another thread runs), and
    // free it, with the empty results that minimax answered, afterwards.
    // fotografa() also starts the count of nodes anew.
    void fotografa();
    void descartaFoto();

    // A search keeps only what the read-out still needs: the nodes on the
    // path being searched and the best line found so far below each of
    // them. With guardaArvore set it keeps every node until the tree is
    // released, for looking at a whole tree.
    void setGuardaArvore(bool guarda) { guardaArvore = guarda; }

    // Tree nodes created since the last fotografa(): the root of
    // calculaMelhorJogada and every child, not the empty results.
    long getNosCriados() const { return nosCriados; }
    // Tree nodes alive now, and the most alive at once, since fotografa().
    long getNosVivos() const { return nosVivos; }
    long getNosVivosMaximo() const { return nosVivosMaximo; }
    // Called after each child node is created, with the count so far.
    void setAoCriarNo(std::function<void(long)> observador) { aoCriarNo = observador; }

    // The line the last calculaMelhorJogada read its move from: the value
    // of its answered node, and when that node mates, its ply counted from
    // the root (odd: the searching side mates; even: the opponent does).
    // 0 plies when the line ends in no mate or no move was found.
    float getValorEscolhido() const { return valorEscolhido; }
    int getPlyDoMate() const { return plyDoMate; }

    Algoritmo(const Algoritmo&) = delete;
    Algoritmo& operator=(const Algoritmo&) = delete;

private:
    // Makes posicao show the node: the snapshot with the moves from the
    // root down to it carried out.
    void reconstroi(MiniMaxNo* no);
    // Scores jogada of peca and leaves it made on posicao.
    float pontuaJogada(Peca* peca, Jogada* jogada, int nivelProfundidade, int profundidade,
                       bool isComp, bool* xequeMate);
    // A result of no's search that is no longer its best: the child of no
    // whose subtree holds it is released, and the result with it.
    void descarta(MiniMaxNo* no, MiniMaxNo* resultado, MiniMaxNo* vazio);
    void contaNovoNo();

    // The working position, which points into trabalho.
    Peca* jogadorPecas[16];
    Peca* computadorPecas[16];
    Jogo* jogo;
    CopiaPecas trabalho;
    // trabalho looked up by square: every move of the tree is made on it
    // before its subtree is searched and taken back after.
    Tabuleiro posicao;
    // The node whose position posicao shows.
    MiniMaxNo* noDaPosicao;
    // The live position as it stood when the search began.
    CopiaPecas foto;
    bool temFoto;
    bool guardaArvore;
    // Empty result nodes that are in no children list, so the tree
    // release does not reach them: the answer of a whole search, and with
    // guardaArvore every one.
    std::vector<MiniMaxNo*> resultadosVazios;
    std::vector<MiniMaxNo*> caminho;
    std::atomic<long> nosCriados;
    long nosVivos;
    long nosVivosMaximo;
    std::function<void(long)> aoCriarNo;
    float valorEscolhido;
    int plyDoMate;
};

#endif
