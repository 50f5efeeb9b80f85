#ifndef POSICAO_POSICAOFEN_H
#define POSICAO_POSICAOFEN_H

#include <string>

class Jogada;
class Jogo;
class Peca;

// Puts a FEN position on the live board of a game and writes moves in
// coordinate notation. White is the player's side, black the computer's.
class PosicaoFEN {
public:
    // On bad input answers false with one line in *erro and leaves the game
    // on a fresh start position. soDeJogo also refuses what no game reaches:
    // the side not to move in check, an en passant square that no double
    // step explains. Only tests of the rules on made-up positions turn it off.
    static bool carrega(Jogo* jogo, const std::string& fen, std::string* erro, bool soDeJogo = true);

    static std::string casa(int x, int y);
    // peca stands on the square it leaves; castling is the king's move and a
    // pawn reaching the far row promotes to a queen.
    static std::string notacao(Peca* peca, Jogada* jogada);
};

#endif
