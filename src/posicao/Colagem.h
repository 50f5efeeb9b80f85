#ifndef POSICAO_COLAGEM_H
#define POSICAO_COLAGEM_H

#include <cstddef>
#include <string>
#include <vector>

#include "jogo/LanceJogado.h"

class Jogo;

// A game or a position read from pasted text, checked with the game's own
// rules on a scratch game, to be carried out on a live one afterwards.
//
// The text (UTF-8, as the clipboard gives it; any bytes are read safely, in
// time and memory bounded by BYTES_MAXIMOS and LANCES_MAXIMOS) is either a
// FEN, on one line with whitespace around it allowed, or a PGN: tags, then
// the movetext in SAN with move numbers ("12." or "12..."), "{...}" and ";"
// comments, "(...)" variations at any depth, "$n" annotations, "!" and "?"
// marks, lines starting with "%" skipped, a result token or "*" ending it.
// Only the first game of several is read. The start is the FEN tag's
// position (with or without SetUp "1") or the start position; every move
// must be legal where it stands and may not follow the game's end (mate,
// stalemate, or a draw the game applies by itself).
class Colagem {
public:
    static constexpr std::size_t BYTES_MAXIMOS = 1 << 20;
    static constexpr std::size_t LANCES_MAXIMOS = 10000;

    Colagem();

    // Reads texto. True when it is accepted: getFENInicial and getLances
    // hold the reading. Otherwise false with a short Portuguese message in
    // *mensagem (Latin-1, for the game's banner, about 40 characters at
    // most, e.g. "Lance ilegal: Nf6 (lance 12)."), and the reading empty.
    // No game but a scratch one of its own is touched.
    bool le(const std::string& texto, std::string* mensagem);

    // The FEN the reading starts from (empty for the start position) and
    // its moves, as Jogo::getRegistro holds them.
    const std::string& getFENInicial() const { return fenInicial; }
    const std::vector<LanceJogado>& getLances() const { return lances; }
    // The text was a PGN (false: a FEN, or nothing accepted yet).
    bool isPGN() const { return pgn; }

    // Sets jogo up from the reading: the FEN loaded (or a new game) and
    // every move carried out with Jogo::executaJogada, so that its record,
    // clocks, repetition history and castling and en passant rights are
    // exactly those of the game played. As after Jogo::reinicia, levels and
    // win counters stay, and the computer player's memory (its choice
    // counters) starts afresh; whether the game has ended is
    // Jogo::verificaFimDePartida's to say. On the live game, call it under
    // Jogo::getTrava() with no move under way. False only if the reading
    // does not replay, which a reading le accepted always does.
    bool aplica(Jogo* jogo) const;

private:
    std::string fenInicial;
    std::vector<LanceJogado> lances;
    bool pgn;
};

#endif
