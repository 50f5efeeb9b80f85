// The stronger levels through the protocol: the rating options, the bounds
// of go, and lines the game's rules play out.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "ApoioUCI.h"
#include "ProcessoUCI.h"
#include "uci/MotorUCI.h"

namespace {

std::vector<std::string> infos(const std::vector<std::string>& linhas) {
    std::vector<std::string> r;
    for (const auto& l : linhas) {
        if (l.rfind("info depth ", 0) == 0) r.push_back(l);
    }
    return r;
}

// Every pv move is legal in turn after the position.
void confereLinhas(const std::vector<std::string>& linhas, const std::string& posicao) {
    std::smatch m;
    for (const auto& l : infos(linhas)) {
        ASSERT_TRUE(std::regex_match(l, m, std::regex("info depth [0-9]+ seldepth [0-9]+ score (cp -?[0-9]+|mate -?[0-9]+) "
                                                      "nodes [0-9]+( nps [0-9]+)? time [0-9]+ pv( [a-h][1-8][a-h][1-8][nbrq]?)+")))
            << l;
        std::istringstream pv(l.substr(l.find(" pv ") + 4));
        std::string seguida = posicao + (posicao.find(" moves") == std::string::npos ? " moves" : "");
        for (std::string lance; pv >> lance; seguida += " " + lance) {
            // The rules list a promotion once, as a queen.
            std::string comoListado = lance.size() == 5 ? lance.substr(0, 4) + "q" : lance;
            ASSERT_TRUE(contem(legaisApos(seguida), comoListado)) << seguida << " then " << lance;
        }
    }
}

long campo(const std::string& info, const std::string& nome) {
    std::smatch m;
    if (!std::regex_search(info, m, std::regex(" " + nome + " ([0-9]+)"))) return -1;
    return std::stol(m[1]);
}

TEST(NiveisFortesUCI, EloEscolheONivelMaisProximo) {
    const int* elos = MotorUCI::ELO_POR_NIVEL;
    for (int nivel = 2; nivel <= 9; nivel++) {
        EXPECT_EQ(nivel, MotorUCI::nivelDoElo(elos[nivel - 2])) << nivel;
        if (nivel < 9) {
            EXPECT_EQ(nivel, MotorUCI::nivelDoElo(elos[nivel - 2] + (elos[nivel - 1] - elos[nivel - 2]) / 2 - 1));
            EXPECT_EQ(nivel + 1, MotorUCI::nivelDoElo(elos[nivel - 2] + (elos[nivel - 1] - elos[nivel - 2]) / 2 + 1));
        }
    }
    // Any clock leaves time over, however small, with or without increment.
    for (long long tempo : {1LL, 5LL, 40LL, 300LL, 5000LL, 600000LL}) {
        for (long long inc : {0LL, tempo / 2}) {
            for (int movimentos : {0, 1, 2, 40}) {
                long long ideal = 0, maximo = 0;
                MotorUCI::divideTempo(tempo, inc, movimentos, &ideal, &maximo);
                EXPECT_LE(ideal, maximo);
                EXPECT_LE(maximo, std::max(1LL, tempo * 3 / 4)) << tempo << " " << inc << " " << movimentos;
            }
        }
    }

    ProcessoUCI motor({XADREZ_UCI});
    motor.envia("uci");
    auto linhas = motor.esperaPor("uciok");
    EXPECT_TRUE(contem(linhas, "option name UCI_LimitStrength type check default false"));
    EXPECT_TRUE(contem(linhas, "option name UCI_Elo type spin default " + std::to_string(elos[1]) + " min " +
                                   std::to_string(elos[0]) + " max " + std::to_string(elos[7])));
    // The rating of Difícil plays Difícil (its info has no seldepth), the
    // top one Perito, whatever Nivel says.
    motor.envia("setoption name Nivel value 9");
    motor.envia("setoption name UCI_LimitStrength value true");
    motor.envia("setoption name UCI_Elo value " + std::to_string(elos[2]));
    motor.envia("position startpos");
    motor.envia("go");
    linhas = motor.esperaPor("bestmove");
    ASSERT_GE(linhas.size(), 2u);
    EXPECT_EQ(0u, linhas[linhas.size() - 2].rfind("info depth 4 nodes ", 0)) << linhas[linhas.size() - 2];
    motor.envia("setoption name Nivel value 2");
    motor.envia("setoption name UCI_Elo value " + std::to_string(elos[7]));
    motor.envia("go depth 3");
    linhas = motor.esperaPor("bestmove");
    ASSERT_FALSE(infos(linhas).empty());
    EXPECT_EQ(3, campo(infos(linhas).back(), "depth"));
    EXPECT_GE(campo(infos(linhas).back(), "seldepth"), 3);
    motor.envia("quit");
    EXPECT_EQ(0, motor.fecha());
}

TEST(NiveisFortesUCI, ProfundidadeNosELancesPermitidos) {
    ProcessoUCI motor({XADREZ_UCI});
    motor.envia("setoption name Nivel value 9");
    motor.envia("setoption name Semente value 3");
    const std::string posicao = "startpos moves e2e4 e7e5 g1f3 b8c6 f1c4 g8f6 d2d3 f8c5";
    motor.envia("position " + posicao);
    motor.envia("go depth 6");
    auto linhas = motor.esperaPor("bestmove");
    ASSERT_EQ(6u, infos(linhas).size());
    EXPECT_EQ(6, campo(infos(linhas).back(), "depth"));
    confereLinhas(linhas, "position " + posicao);
    EXPECT_TRUE(contem(legaisApos(posicao), bestmoveDe(linhas)));

    motor.envia("go nodes 3000");
    linhas = motor.esperaPor("bestmove");
    ASSERT_FALSE(infos(linhas).empty());
    for (const auto& l : infos(linhas)) EXPECT_LE(campo(l, "nodes"), 3000) << l;
    EXPECT_TRUE(contem(legaisApos(posicao), bestmoveDe(linhas)));

    // Castling is searched, and searchmoves keeps the choice to it; a
    // promotion names its piece.
    motor.envia("go depth 4 searchmoves e1g1 a2a9");
    linhas = motor.esperaPor("bestmove");
    EXPECT_TRUE(contem(linhas, "info string searchmoves: a2a9 left out: not a legal move here"));
    EXPECT_EQ("e1g1", bestmoveDe(linhas));
    motor.envia("position fen 8/2q1P1k1/8/8/8/8/P7/4K3 w - - 0 1");
    motor.envia("go movetime 500");
    linhas = motor.esperaPor("bestmove");
    EXPECT_EQ("e7e8n", bestmoveDe(linhas));
    confereLinhas(linhas, "position fen 8/2q1P1k1/8/8/8/8/P7/4K3 w - - 0 1");
    motor.envia("quit");
    EXPECT_EQ(0, motor.fecha());
    for (const auto& l : motor.getLidas()) EXPECT_TRUE(isLinhaDoProtocolo(l)) << l;
}

}  // namespace
