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
    // A move named by the square its piece leaves and the one it reaches;
    // promove: a pawn that reaches the last row and becomes a queen.
    struct Lance {
        int deX;
        int deY;
        int paraX;
        int paraY;
        bool promove;

        // jogada of peca, which stands on the square it leaves.
        static Lance de(Peca* peca, Jogada* jogada);
    };

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
    // Side isComp's material minus the other side's, by the weights, kings
    // left out.
    float material(Peca** jogador, Peca** computador, bool isComp);

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

    // The line the last calculaMelhorJogada read its move from: when it
    // ends in a mate, the mating move's ply counted from the root (odd: the
    // searching side mates; even: the opponent does); 0 when it ends in no
    // mate or no move was found.
    int getPlyDoMate() const { return plyDoMate; }

    // That line as it will be played: from the move chosen (alone, when the
    // repetition rule replaced the search's move) to the node answered.
    const std::vector<Lance>& getLinhaEscolhida() const { return linhaEscolhida; }
    // material() of the searching side at the end of the line.
    float getMaterialNoFim() const { return materialNoFim; }
    // The line ends with the side to move stalemated.
    bool isLinhaEmpatada() const { return linhaEmpatada; }

    // Later searches consider only these first moves (by squares); empty:
    // every move. The repetition rule does not replace a choice with a move
    // outside them.
    void setLancesPermitidos(const std::vector<Lance>& lances) { lancesPermitidos = lances; }

    Algoritmo(const Algoritmo&) = delete;
    Algoritmo& operator=(const Algoritmo&) = delete;

private:
    // Makes posicao show the node: the snapshot with the moves from the
    // root down to it carried out.
    // With linha, each move carried out is also written there.
    void reconstroi(MiniMaxNo* no, std::vector<Lance>* linha = nullptr);
    // The line from the root to no (a node with a move) read out on
    // posicao, which shows its end afterwards.
    void leLinha(MiniMaxNo* no, bool isComp);
    bool isPermitido(int deX, int deY, int paraX, int paraY) const;
    bool isPermitidaDe(int deX, int deY) const;
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
    int plyDoMate;
    std::vector<Lance> linhaEscolhida;
    float materialNoFim;
    bool linhaEmpatada;
    std::vector<Lance> lancesPermitidos;
};

#endif
