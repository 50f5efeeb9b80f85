// Games of the computer against itself with fixed seeds, as the game window
// plays them: every one ends, and no stretch without a capture or a pawn
// move outlasts the 75-move rule. XADREZ_AUTOPARTIDAS: games per level (30).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "AutoPartida.h"
#include "jogo/Jogo.h"

TEST(AutoPartidas, TodaPartidaTermina) {
    const char* v = std::getenv("XADREZ_AUTOPARTIDAS");
    const int partidas = v != nullptr && *v != '\0' ? std::atoi(v) : 30;
    for (int nivel = Jogo::FACIL; nivel <= Jogo::DIFICIL; nivel++) {
        for (int semente = 1; semente <= partidas; semente++) {
            Jogo jogo(nullptr);
            jogo.reinicia();
            int semCaptura = 0, motivo = 0;
            int status = AutoPartida::joga(jogo, nivel, nivel, semente, [&](const std::string&) {
                semCaptura = std::max(semCaptura, jogo.getLancesSemCaptura());
                return semCaptura <= Jogo::LANCES_SEM_CAPTURA_EMPATE;
            }, &motivo);
            EXPECT_TRUE(status > Jogo::EM_JOGO && motivo != 0) << "level " << nivel << " seed " << semente;
            EXPECT_LE(semCaptura, Jogo::LANCES_SEM_CAPTURA_EMPATE) << "level " << nivel << " seed " << semente;
        }
    }
}
