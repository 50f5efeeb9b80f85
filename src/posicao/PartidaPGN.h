#ifndef POSICAO_PARTIDAPGN_H
#define POSICAO_PARTIDAPGN_H

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

#include "jogo/LanceJogado.h"

// A game's record written as PGN, the text the clipboard takes: UTF-8, the
// seven tag roster, the movetext in SAN with move numbers, at most 80
// characters a line, ending with a newline.
class PartidaPGN {
public:
    // The tags' values that the record does not hold. Texts are Latin-1, as
    // the game's own ("F\xe1" "cil"); the PGN has them in UTF-8. An empty
    // date or name is written as unknown ("????.??.??", "?").
    struct Etiquetas {
        std::string data;       // the day the game began, "YYYY.MM.DD"
        std::string brancas;    // White: the level as the menu names it
        std::string pretas;     // Black
        std::string resultado;  // "1-0", "0-1", "1/2-1/2" or "*" (anything else is "*")
    };

    static constexpr std::size_t LARGURA = 80;

    // The PGN of a record: the FEN the game began from (empty for the start
    // position; otherwise the tags SetUp "1" and FEN follow the roster, the
    // FEN written in full as PosicaoFEN::escreve has it) and its moves. The
    // movetext stops before a move that does not replay, and holds none
    // when the FEN does not load.
    static std::string escreve(const std::string& fenInicial, const std::vector<LanceJogado>& registro,
                               const Etiquetas& etiquetas);

    // The local date of a moment as the Date tag wants it.
    static std::string data(std::time_t quando);
    // The result token of a game's status (Jogo::BRANCAS_VENCERAM ...);
    // "*" for a game that goes on or was abandoned.
    static std::string resultado(int status);
    static std::string latin1ParaUtf8(const std::string& texto);
};

#endif
