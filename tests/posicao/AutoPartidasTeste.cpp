// Games of the computer against itself with fixed seeds, as the game window
// plays them: every one ends, and the 75-move rule bounds every stretch
// without a capture or a pawn move. XADREZ_AUTOPARTIDAS sets the number of
// games per level (30; fewer under the sanitizers).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "AutoPartida.h"
#include "jogo/Jogo.h"

namespace {

TEST(AutoPartidas, TodaPartidaTermina) {
    const char* v = std::getenv("XADREZ_AUTOPARTIDAS");
    const int partidas = v != nullptr && *v != '\0' ? std::atoi(v) : 30;
    for (int nivel = Jogo::FACIL; nivel <= Jogo::DIFICIL; nivel++) {
        int maisLonga = 0;
        for (int semente = 1; semente <= partidas; semente++) {
            Jogo jogo(nullptr);
            jogo.reinicia();
            int lances = 0;
            int semCaptura = 0;
            int motivo = 0;
            int status = AutoPartida::joga(jogo, nivel, nivel, semente,
                                           [&](const std::string&) {
                                               lances++;
                                               semCaptura = std::max(semCaptura, jogo.getLancesSemCaptura());
                                               return semCaptura <= Jogo::LANCES_SEM_CAPTURA_EMPATE;
                                           },
                                           &motivo);
            EXPECT_TRUE(status == Jogo::BRANCAS_VENCERAM || status == Jogo::PRETAS_VENCERAM ||
                        status == Jogo::EMPATE)
                << "level " << nivel << " seed " << semente << ": status " << status << " after " << lances;
            EXPECT_LE(semCaptura, Jogo::LANCES_SEM_CAPTURA_EMPATE) << "level " << nivel << " seed " << semente;
            EXPECT_NE(0, motivo);
            maisLonga = std::max(maisLonga, lances);
        }
        std::printf("level %d: %d games, the longest %d plies\n", nivel, partidas, maisLonga);
    }
}

}  // namespace
