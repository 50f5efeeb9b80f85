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
    // once with its best move so far (the caller discards it).
    void interrompe();
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
};

#endif
