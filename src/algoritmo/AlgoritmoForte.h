#ifndef ALGORITMO_ALGORITMOFORTE_H
#define ALGORITMO_ALGORITMOFORTE_H

#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>

#include "algoritmo/Busca.h"
#include "algoritmo/PosicaoBusca.h"

class Jogada;
class Jogo;

// The computer player of the levels Amador to Perito: the live game copied
// into a PosicaoBusca, searched by Busca within the level's budget of
// nodes, and, below Perito, a choice among the best moves with a seeded
// random margin, so that a weaker level errs by small amounts, as a person
// of that strength does, and never throws material away at random.
class AlgoritmoForte {
public:
    // What a level may spend and how far it may stray from the best move.
    struct Parametros {
        long long nos;     // budget of nodes per move
        int profundidade;  // 0: no limit of its own
        int margem;        // centipawns: moves this close to the best may be chosen
    };
    static Parametros getParametros(int nivel);
    // No level answers later than this, whatever the machine's load.
    static constexpr long long TEMPO_MAXIMO_MS = 1500;

    // A chosen move in the game's terms: squares (x the column, y the row
    // from the top) and the piece a pawn becomes (the game's code), 0 when
    // none.
    struct Escolha {
        bool achou = false;
        int deX = 0, deY = 0, paraX = 0, paraY = 0;
        int promocao = 0;
        PosicaoBusca::Lance lance = PosicaoBusca::NENHUM;
        ResultadoBusca resultado;
    };

    AlgoritmoForte(Jogo* jogo, std::size_t megabytesTabela);

    // The move of side isComp at nivel (5 to 9). extras narrows the search
    // further (nodes, depth, times, first moves, stop); comRuido: the
    // level's margin is used; comOrcamento: Perito keeps its own budget of
    // nodes (the weaker levels always do). The live game is read under its
    // lock, then searched unlocked. A stop asked for (interrompe) before
    // the game is read is forgotten there; aceita, when given, is asked
    // under that same lock, and on false no search is made (the answer is
    // marked interrompida).
    Escolha escolhe(bool isComp, int nivel, const LimitesBusca& extras, bool comRuido, bool comOrcamento,
                    const std::function<void(const InfoBusca&)>& aoIterar = nullptr,
                    const std::function<bool()>& aceita = nullptr);

    // As Algoritmo answers: the square of the live piece and a new Jogada
    // owned by the caller, and the piece a pawn becomes in *promocao.
    bool calculaMelhorJogada(int* x, int* y, Jogada** jogada, int* promocao, bool isComp, int nivel, bool comRuido,
                             const std::function<bool()>& aceita = nullptr);

    // From any thread: a running search returns at once with its best move.
    void interrompe() { busca.interrompe(); }
    // A new game: the table and statistics are forgotten before the next
    // search. Called under the game's lock, so it never waits for a search
    // (which takes that lock while holding its own).
    void limpa() { limpar.store(true); }

    // The position as the search sees it, from the live game (under its lock).
    void carregaPosicao(PosicaoBusca& posicao, bool isComp);
    // Of the last choice: its nodes (waiting for a search under way), and
    // whether it was stopped or refused on purpose rather than ended by its
    // budget.
    long long getNos();
    bool isInterrompida() const { return ultimaInterrompida; }

    AlgoritmoForte(const AlgoritmoForte&) = delete;
    AlgoritmoForte& operator=(const AlgoritmoForte&) = delete;

private:
    Jogo* jogo;
    // One search at a time: the game's turn and a hint do not overlap.
    std::mutex buscaTrava;
    std::atomic<bool> limpar;
    Busca busca;
    PosicaoBusca posicao;
    long long ultimosNos;
    bool ultimaInterrompida;
};

#endif
