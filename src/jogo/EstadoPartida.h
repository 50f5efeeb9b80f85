#ifndef JOGO_ESTADOPARTIDA_H
#define JOGO_ESTADOPARTIDA_H

#include <cstddef>
#include <memory>
#include <vector>

#include "jogo/Peca.h"
#include "jogo/PecaMov.h"
#include "jogo/Posicao.h"

// The whole game as it stood before a move was carried out, which a take
// back puts back as it was. It owns its copies of the 32 pieces until they
// are handed back to the game.
struct EstadoPartida {
    Peca* jogador[16] = {};
    Peca* computador[16] = {};
    std::unique_ptr<PecaMov> jogUltimoMov;
    std::unique_ptr<PecaMov> compUltimoMov;
    int jogJogadaRepetidaCont = 0;
    int compJogadaRepetidaCont = 0;
    int lancesSemCaptura = 0;
    // The positions since the last capture or pawn move only grow until
    // such a move clears them, and the record only grows: their lengths are
    // enough, and a copy of the positions only when the move cleared them.
    std::size_t historicoTam = 0;
    bool historicoLimpo = false;
    std::vector<Posicao> historico;
    std::size_t registroTam = 0;
    bool vezComputador = false;

    EstadoPartida() = default;
    EstadoPartida(const EstadoPartida&) = delete;
    EstadoPartida& operator=(const EstadoPartida&) = delete;
    ~EstadoPartida() {
        for (int i = 0; i < 16; i++) {
            delete jogador[i];
            delete computador[i];
        }
    }
};

#endif
