#ifndef POSICAO_LISTASAN_H
#define POSICAO_LISTASAN_H

#include <string>
#include <vector>

#include "Notacao.h"
#include "jogo/Jogo.h"
#include "jogo/LanceJogado.h"

// The SAN of a game's moves, kept in step with its record as the game goes
// on: each update replays on a scratch game only the moves added since the
// last one, one SAN each, so a screen can update it after every move. The
// game itself is only read (through the record the caller hands in).
class ListaSAN {
public:
    explicit ListaSAN(Notacao::Alfabeto alfabeto = Notacao::PORTUGUES);

    ListaSAN(const ListaSAN&) = delete;
    ListaSAN& operator=(const ListaSAN&) = delete;

    // Brings the list in step with a record: the FEN the game began from
    // (Jogo::getFENInicial, empty for the start position) and its moves
    // (Jogo::getRegistro). When they extend what was seen last, only the new
    // moves are replayed; otherwise the list starts again. The list stops
    // before a move that does not replay.
    void atualiza(const std::string& fenInicial, const std::vector<LanceJogado>& registro);
    // Forgets everything: an empty list for the start position.
    void limpa();

    const std::vector<std::string>& getLances() const { return lances; }
    // The fullmove number of the first move and whether black made it, for
    // numbering the list ("1. e4 e5", "40... Kh7").
    long getPrimeiroNumero() const { return primeiroNumero; }
    bool isPretasComecam() const { return pretasComecam; }

private:
    Notacao::Alfabeto alfabeto;
    Jogo rascunho;
    std::string fen;
    std::vector<LanceJogado> registro;  // the moves replayed so far
    std::vector<std::string> lances;
    bool parada;  // a move did not replay: later ones are not tried
    long primeiroNumero;
    bool pretasComecam;
};

#endif
