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

    // The position of the game as FEN, all six fields: castling as the
    // king's generator allows it (king and that rook never moved), the en
    // passant square after a double step, the halfmove clock
    // (getLancesSemCaptura) and the fullmove number, counted on from the
    // start FEN's over the record. carrega reads it back to the same
    // position.
    static std::string escreve(Jogo* jogo);
    // The fullmove number of a FEN (its sixth field), 1 when it has none or
    // it is not a positive whole number, at most NUMERO_MAXIMO; an empty
    // FEN is the start position.
    static long numeroDoLance(const std::string& fen);
    // Far beyond any game; a larger number is written and read as this one.
    static constexpr long NUMERO_MAXIMO = 100000000;
    // Whether black moves first in a FEN (its second field is "b").
    static bool isPretasJogam(const std::string& fen);
};

#endif
