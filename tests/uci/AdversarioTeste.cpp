// Whole games against an engine nobody here wrote: Debian's stockfish is the
// opponent and the judge. Every move of ours must be among its legal moves,
// every move of its must be legal for us, and a side without moves must be
// one for both.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "ApoioUCI.h"
#include "ProcessoUCI.h"

namespace {

std::string posicao(const std::vector<std::string>& lances) {
    std::string p = "position startpos";
    if (!lances.empty()) p += " moves";
    for (const auto& l : lances) p += " " + l;
    return p;
}

std::vector<std::string> legaisDoJuiz(ProcessoUCI& juiz, const std::vector<std::string>& lances) {
    juiz.envia(posicao(lances));
    juiz.envia("go perft 1");
    std::vector<std::string> legais;
    for (const auto& l : juiz.esperaPor("Nodes searched")) {
        std::size_t dois = l.find(": ");
        if (dois != std::string::npos && l.rfind("Nodes", 0) != 0) legais.push_back(l.substr(0, dois));
    }
    return legais;
}

TEST(AdversarioUCI, UmaPartidaPorNivelContraOStockfish) {
    const std::string stockfish = achaPrograma("stockfish");
    ASSERT_FALSE(stockfish.empty()) << "stockfish not found (scripts/setup installs it)";
    const int limite = 200;

    for (int nivel = 2; nivel <= 4; nivel++) {
        // Ours plays white at the even levels, black at the odd one.
        const bool nossoBranco = nivel % 2 == 0;
        ProcessoUCI nosso({XADREZ_UCI});
        ProcessoUCI rival({stockfish});
        rival.envia("uci");
        ASSERT_FALSE(rival.esperaPor("uciok").empty());
        // Weak and quick, so that games are played out rather than crushed at once.
        rival.envia("setoption name Threads value 1");
        rival.envia("setoption name Skill Level value 0");
        nosso.envia("setoption name Nivel value " + std::to_string(nivel));
        nosso.envia("setoption name Semente value 2024");
        nosso.envia("ucinewgame");
        rival.envia("ucinewgame");

        std::vector<std::string> lances;
        std::string fim = "200 plies";
        while (static_cast<int>(lances.size()) < limite) {
            bool vezNossa = (lances.size() % 2 == 0) == nossoBranco;
            std::vector<std::string> legais = legaisDoJuiz(rival, lances);
            std::string lance;
            if (vezNossa) {
                nosso.envia(posicao(lances));
                nosso.envia("go wtime 30000 btime 30000");
                auto linhas = nosso.esperaPor("bestmove");
                ASSERT_FALSE(linhas.empty()) << "level " << nivel << ": no bestmove after " << posicao(lances);
                for (const auto& l : linhas) {
                    EXPECT_EQ(std::string::npos, l.find("illegal")) << l;
                    EXPECT_TRUE(isLinhaDoProtocolo(l)) << l;
                }
                lance = bestmoveDe(linhas);
                if (lance == "0000") {
                    EXPECT_TRUE(legais.empty()) << "level " << nivel << ": we saw no move in " << posicao(lances);
                    fim = contem(linhas, "info string checkmate: the side to move has no legal move") ? "we are mated"
                                                                                                      : "we are stalemated";
                    break;
                }
                ASSERT_TRUE(contem(legais, lance)) << "level " << nivel << ": " << lance << " after " << posicao(lances);
            } else {
                rival.envia(posicao(lances));
                rival.envia("go depth 3");
                lance = bestmoveDe(rival.esperaPor("bestmove"));
                ASSERT_FALSE(lance.empty());
                if (lance == "(none)") {
                    EXPECT_TRUE(legais.empty());
                    EXPECT_TRUE(legaisApos(posicao(lances).substr(9)).empty()) << posicao(lances);
                    fim = "stockfish has no move";
                    break;
                }
                // Our rules list a promotion once, as a queen's; the engine
                // takes the other pieces on top of it.
                std::string comoRainha = lance;
                if (comoRainha.size() == 5) comoRainha[4] = 'q';
                EXPECT_TRUE(contem(legaisApos(posicao(lances).substr(9)), comoRainha)) << lance << " after " << posicao(lances);
            }
            lances.push_back(lance);
        }
        std::printf("level %d, ours %s: %zu plies, %s\n", nivel, nossoBranco ? "white" : "black", lances.size(),
                    fim.c_str());
        nosso.envia("quit");
        rival.envia("quit");
        EXPECT_EQ(0, nosso.fecha());
        rival.fecha();
    }
}

}  // namespace
