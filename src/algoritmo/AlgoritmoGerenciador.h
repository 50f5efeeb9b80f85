#ifndef ALGORITMO_ALGORITMOGERENCIADOR_H
#define ALGORITMO_ALGORITMOGERENCIADOR_H

#include <atomic>
#include <cstddef>
#include <mutex>

class Algoritmo;
class AlgoritmoForte;
class Jogada;
class Jogo;

// How the rest of the system reaches the computer player: the levels
// Fácil to Difícil go to the original minimax, Amador to Perito to the
// stronger engine, which is made the first time one of them plays.
class AlgoritmoGerenciador {
public:
    // megabytesTabela: the stronger engine's transposition table (at most 64).
    explicit AlgoritmoGerenciador(Jogo* jogo, std::size_t megabytesTabela = MEGABYTES_PADRAO);
    virtual ~AlgoritmoGerenciador();

    // The move of side isComp at its level. On true *x, *y is the square of
    // the live piece and *jogada a new move owned by the caller.
    bool calculaMelhorJogada(int* x, int* y, Jogada** jogada, bool isComp);
    // The piece (the game's code) a pawn becomes with the last answer, 0
    // when it promotes nothing; the original levels always make a queen.
    int getPromocao() const { return promocao; }
    // From any thread: a running search of the stronger engine returns at
    // once with its best move so far (the caller discards it), and one
    // prepared (preparaBusca) but not begun yet does not begin.
    void interrompe();
    // Under the game's lock, before the caller lets go of it to search: the
    // next choice (calculaMelhorJogada or sugere) is for the game of this
    // generation. When the game has changed, or a stop was asked for, by
    // the time the stronger engine reads it, it does not search.
    void preparaBusca(long geracao);
    // The last choice was stopped or refused on purpose (interrompe, the
    // game's end flag, a game gone), not ended by its budget; the original
    // levels' never is.
    bool isInterrompida() const { return interrompida; }
    // Perito's choice for side isComp, without its randomness, whatever the
    // side's level; the original levels' memory is left untouched.
    bool sugere(bool isComp, int* x, int* y, Jogada** jogada, int* promocao);

    // A new game: the stronger engine forgets what it learnt, if it was made.
    void novaPartida();

    Algoritmo* getAlgoritmo() { return algoritmo; }
    AlgoritmoForte* getAlgoritmoForte();

    static constexpr std::size_t MEGABYTES_PADRAO = 32;
    static constexpr std::size_t MEGABYTES_MAXIMO = 64;

    AlgoritmoGerenciador(const AlgoritmoGerenciador&) = delete;
    AlgoritmoGerenciador& operator=(const AlgoritmoGerenciador&) = delete;

private:
    Jogo* jogo;
    Algoritmo* algoritmo;
    std::size_t megabytesTabela;
    std::mutex criacaoTrava;
    std::atomic<AlgoritmoForte*> forte;
    int promocao;
    bool interrompida;
    // The generation preparaBusca named, until a choice reads it; LIVRE when
    // none was named, CANCELADA when a stop came before the choice began.
    static constexpr long LIVRE = -1;
    static constexpr long CANCELADA = -2;
    std::atomic<long> geracaoPreparada;
    bool aceitaBusca();
    bool calculaForte(int* x, int* y, Jogada** jogada, int* promocaoEscolhida, bool isComp, int nivel, bool comRuido);
};

#endif
