#ifndef POSICAO_NOTACAO_H
#define POSICAO_NOTACAO_H

#include <string>
#include <vector>

#include "jogo/LanceJogado.h"

class Jogo;

// Standard algebraic notation (SAN) of moves on the game's board, as the PGN
// standard writes it: "Nf3", "exd5", "Rae1", "N5c3", "Qh4e1", "exd8=Q+",
// "O-O-O", "Qf7#". White is the player's side, black the computer's; a move
// is a LanceJogado as the game records it (castling is the king's move, a
// promotion names the piece, 0 standing for the game's own queen). Every
// operation works on the game it is handed and keeps nothing; on the live
// game, call it under Jogo::getTrava().
class Notacao {
public:
    // The piece letters: English for PGN (K Q R B N), or the game's
    // Portuguese for the screen (R rei, D dama, T torre, B bispo, C cavalo).
    enum Alfabeto { INGLES, PORTUGUES };

    // What reading a move found.
    enum Leitura {
        LIDO,        // one legal move fits
        MALFORMADO,  // not a move in this notation at all
        ILEGAL,      // no legal move fits
        AMBIGUO      // more than one legal move fits
    };

    // Carries lance out on jogo, for the side to move, as the game does
    // (Jogo::executaJogada: record, clocks, repetition, rights) and answers
    // its SAN. When lance is not a legal move there it answers false and
    // jogo is unchanged. Costs about two lists of legal moves.
    static bool joga(Jogo& jogo, const LanceJogado& lance, Alfabeto alfabeto, std::string* san);

    // The SAN of lance, a legal move of the side to move on jogo; jogo is
    // left as it is (the move is tried on a copy). Empty when lance is not
    // legal there.
    static std::string escreve(Jogo& jogo, const LanceJogado& lance, Alfabeto alfabeto = INGLES);

    // The legal move of the side to move on jogo that a SAN token names, in
    // English letters, read as PGN readers do: "+", "#" and trailing "!" and
    // "?" are optional, "0-0" and "0-0-0" are castling, "e8Q" and "e8q" are
    // "e8=Q", "x" may be left out, a piece may be over-disambiguated ("Ng1f3")
    // and "Pe4" is a pawn. A promotion written without its piece makes a
    // queen. jogo is left as it is; *lance is written only when LIDO.
    static Leitura le(Jogo& jogo, const std::string& san, LanceJogado* lance);

    // The same for coordinate notation as UCI writes it ("e2e4", "e1g1",
    // "e7e8n"); a promotion without its letter makes a queen.
    static Leitura leCoordenadas(Jogo& jogo, const std::string& texto, LanceJogado* lance);

    // The SAN of every move of a record (the FEN it began from, empty for
    // the start position, and its moves), replayed on a scratch game. It
    // stops before a move that does not replay.
    static std::vector<std::string> lista(const std::string& fenInicial, const std::vector<LanceJogado>& registro,
                                          Alfabeto alfabeto = INGLES);

    // The letter of a piece type in an alphabet (an empty text for a pawn).
    static std::string letra(int tipo, Alfabeto alfabeto);
};

#endif
