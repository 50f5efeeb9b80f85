#ifndef UCI_PARTIDAUCI_H
#define UCI_PARTIDAUCI_H

#include <string>
#include <vector>

#include "jogo/Jogo.h"

class Jogada;

// The game an engine plays through the protocol: the live position that
// "position" sets up, moved the way the game window carries out a move, so
// that castling rights, en passant and the computer player's memory (the
// pieces' choice counters, the repeated-piece counters, the last moves)
// evolve as they do in the window.
class PartidaUCI {
public:
    PartidaUCI();
    ~PartidaUCI();

    PartidaUCI(const PartidaUCI&) = delete;
    PartidaUCI& operator=(const PartidaUCI&) = delete;

    // The tokens after "position". When they repeat the last position set
    // up plus new moves, only the new moves are played and the computer
    // player's memory is kept; otherwise the game starts afresh from them.
    // On bad input, one line in *erro, and the game stays as it was.
    bool posiciona(const std::vector<std::string>& args, std::string* erro);

    // Start position, memory cleared.
    void novaPartida();

    Jogo& getJogo() { return viva; }
    // The live position (pieces, last moves, turn) copied onto jogo.
    void copiaViva(Jogo& jogo);
    // The same from any game onto another.
    static void copia(Jogo& de, Jogo& para);
    // Plays lances ("e2e4") on jogo one after the other as long as the
    // game's rules allow them there; answers how many it played.
    static std::size_t jogaEnquantoLegais(Jogo& jogo, const std::vector<std::string>& lances);
    // Moves played on the live position since the last fresh set-up.
    long getLancesJogados() const { return lancesJogados; }

    // Longest move list accepted after the base position.
    static constexpr std::size_t LANCES_MAXIMOS = 20000;

private:
    struct Lance {
        int slot;
        Jogada* jogada;
        int tipo;  // the piece a pawn becomes, or 0
    };

    bool montaBase(Jogo& jogo, const std::string& fen, std::string* erro);
    static bool leLance(Jogo& jogo, const std::string& texto, Lance* lance, std::string* erro);
    static void joga(Jogo& jogo, const Lance& lance);
    static void libera(std::vector<Lance>& lances);

    Jogo viva;
    // Every move is tried here first, so a bad list leaves viva untouched.
    Jogo rascunho;
    std::string fenBase;  // empty for startpos
    std::vector<std::string> lances;
    long lancesJogados;
};

#endif
