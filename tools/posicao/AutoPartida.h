#ifndef POSICAO_AUTOPARTIDA_H
#define POSICAO_AUTOPARTIDA_H

#include <functional>
#include <string>

class Jogada;
class Jogo;
class Peca;

// A whole game of the computer against itself from the position on the
// game, each move chosen and carried out as the game window does, with
// every random draw seeded by the seed.
class AutoPartida {
public:
    // Called after each move with its notation ("e2e4"); false stops the game.
    typedef std::function<bool(const std::string&)> Lance;

    // The status the game ended with (Jogo::BRANCAS_VENCERAM, PRETAS_VENCERAM
    // or EMPATE) and in *motivo why; EM_JOGO when it was stopped, -1 when the
    // computer found no move.
    // "e2e4", "e7e8n": the move of peca (on the square it leaves) and the
    // piece a pawn becomes (the game's code; 0 for a queen or no promotion).
    static std::string notacao(Peca* peca, Jogada* jogada, int promocao);

    static int joga(Jogo& jogo, int nivelBrancas, int nivelPretas, long long semente, const Lance& lance,
                    int* motivo);
};

#endif
