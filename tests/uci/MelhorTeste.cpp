// The engine chooses what the position tool's "melhor" chooses for the same
// level, seed and position: the same computer player behind both.
#include <gtest/gtest.h>

#include "ApoioUCI.h"
#include "ProcessoUCI.h"

namespace {

std::string melhor(int nivel, long long semente, const std::string& fen) {
    ProcessoUCI ferramenta({XADREZ_POSICAO, "melhor", std::to_string(nivel), std::to_string(semente), fen});
    std::string l;
    ferramenta.leLinha(&l);
    ferramenta.fecha();
    return l;
}

TEST(MelhorUCI, MesmaEscolhaQueAFerramenta) {
    struct Caso {
        const char* fen;
        long long semente;
    } casos[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 1700000037},
        {"rnbqkbnr/ppp1pppp/8/8/3pP3/5N2/PPPP1PPP/RNBQKB1R b KQkq e3 0 3", 1700000370},
        {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -", 1414},
        {"r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10", 1},
        {"6k1/4Pppp/8/8/8/1N5K/8/q7 w - -", 5},
    };
    ProcessoUCI motor({XADREZ_UCI});
    for (const Caso& c : casos) {
        for (int nivel = 2; nivel <= 4; nivel++) {
            std::string esperado = melhor(nivel, c.semente, c.fen);
            ASSERT_FALSE(esperado.empty()) << c.fen;
            // Unrelated positions are new games for a GUI too.
            motor.envia("ucinewgame");
            motor.envia("setoption name Nivel value " + std::to_string(nivel));
            motor.envia("setoption name Semente value " + std::to_string(c.semente));
            motor.envia(std::string("position fen ") + c.fen);
            motor.envia("go");
            EXPECT_EQ(esperado, bestmoveDe(motor.esperaPor("bestmove"))) << "level " << nivel << ", " << c.fen;
        }
    }
    motor.envia("quit");
    EXPECT_EQ(0, motor.fecha());
}

}  // namespace
