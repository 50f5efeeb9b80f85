#ifndef POSICAO_COMANDOSNOTACAO_H
#define POSICAO_COMANDOSNOTACAO_H

#include <iosfwd>
#include <string>

class Jogo;

// The position tool's commands on the game's record in notation: SAN of
// coordinate moves, a whole game of the computer against itself as PGN, and
// the reading of a FEN or PGN. Each answers the tool's exit status.
class ComandosNotacao {
public:
    // The commands' part of the tool's usage line.
    static const char* const USO;

    // san FEN MOVE...: the SAN of each coordinate move, played in turn.
    static int san(int argc, char** argv);
    // pgn: the game partida plays on jogo (levels, seed, the FEN it was
    // loaded with), printed as PGN.
    static int pgn(Jogo& jogo, int nivelBrancas, int nivelPretas, long long semente);
    // le: a FEN or PGN from entrada; the final position's FEN and the moves
    // in coordinate notation, one per line, or the refusal on standard error.
    static int le(std::istream& entrada);
};

#endif
