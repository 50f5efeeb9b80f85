// A whole session with the engine process, as a chess GUI holds it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <thread>

#include "ApoioUCI.h"
#include "ProcessoUCI.h"

namespace {

const char* const LANCES =
    "e2e4 d7d5 e4e5 f7f5 e5f6 b8c6 g1f3 c8e6 f1e2 d8d6 e1g1 e8c8 f6g7 d6d7 g7h8n";

bool temPrefixo(const std::vector<std::string>& linhas, const std::string& p) {
    for (const auto& l : linhas) {
        if (l.rfind(p, 0) == 0) return true;
    }
    return false;
}

TEST(SessaoUCI, RoteiroDeUmaInterface) {
    ProcessoUCI motor({XADREZ_UCI});
    ASSERT_TRUE(motor.isVivo());

    motor.envia("uci");
    auto linhas = motor.esperaPor("uciok");
    ASSERT_FALSE(linhas.empty());
    EXPECT_TRUE(temPrefixo(linhas, "id name Jogo de Xadrez "));
    EXPECT_TRUE(temPrefixo(linhas, "id author "));
    EXPECT_TRUE(contem(linhas, "option name Nivel type spin default 3 min 2 max 9"));
    EXPECT_TRUE(contem(linhas, "option name Semente type spin default 0 min 0 max 2147483647"));

    // Options: good ones are taken, bad ones only get an info string.
    motor.envia("setoption name Nivel value 2");
    motor.envia("setoption name Semente value 42");
    for (const char* ruim : {"setoption name Nivel value 10", "setoption name Nivel value dois",
                             "setoption name Nivel", "setoption name Cor value 1", "setoption name",
                             "setoption", "setoption name Semente value -1",
                             "setoption name Semente value 2147483648"}) {
        motor.envia(ruim);
        linhas = motor.esperaPor("info string");
        EXPECT_FALSE(linhas.empty()) << ruim;
    }
    motor.envia("isready");
    EXPECT_EQ(std::vector<std::string>{"readyok"}, motor.esperaPor("readyok"));

    // Castling, en passant and the opponent's under-promotion, then a search
    // at the level set before the bad values.
    std::string posicao = std::string("startpos moves ") + LANCES;
    motor.envia("position " + posicao);
    motor.envia("go wtime 60000 btime 60000 winc 0 binc 0 movestogo 40");
    linhas = motor.esperaPor("bestmove");
    ASSERT_FALSE(linhas.empty());
    EXPECT_FALSE(temPrefixo(linhas, "info string")) << linhas.front();
    // The whole expected line, at most the level's depth, from the move played.
    EXPECT_TRUE(std::regex_match(linhas[linhas.size() - 2],
                                 std::regex("info depth 2 nodes [0-9]+ time [0-9]+ nps [0-9]+ score cp -?[0-9]+ pv " +
                                            bestmoveDe(linhas) + "( [a-h][1-8][a-h][1-8]q?)?")))
        << linhas[linhas.size() - 2];
    std::vector<std::string> legais = legaisApos(posicao);
    ASSERT_FALSE(legais.empty());
    EXPECT_TRUE(contem(legais, bestmoveDe(linhas))) << bestmoveDe(linhas);

    // go infinite answers only after stop, and isready is answered meanwhile.
    motor.envia("setoption name Nivel value 4");
    motor.envia("go infinite");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    motor.envia("isready");
    linhas = motor.esperaPor("readyok");
    ASSERT_FALSE(linhas.empty());
    EXPECT_FALSE(temPrefixo(linhas, "bestmove"));
    motor.envia("stop");
    linhas = motor.esperaPor("bestmove");
    EXPECT_TRUE(contem(legais, bestmoveDe(linhas))) << bestmoveDe(linhas);

    // A stop at once still answers a legal move.
    motor.envia("go depth 30 movetime 100000");
    motor.envia("isready");
    motor.envia("stop");
    linhas = motor.esperaPor("bestmove");
    EXPECT_TRUE(contem(legais, bestmoveDe(linhas))) << bestmoveDe(linhas);
    // readyok comes whether the search was still running or not.
    if (!contem(linhas, "readyok")) {
        EXPECT_FALSE(motor.esperaPor("readyok").empty());
    }

    // ponder waits for ponderhit.
    motor.envia("go ponder");
    motor.envia("isready");
    linhas = motor.esperaPor("readyok");
    ASSERT_FALSE(linhas.empty());
    EXPECT_FALSE(temPrefixo(linhas, "bestmove"));
    motor.envia("ponderhit");
    EXPECT_TRUE(contem(legais, bestmoveDe(motor.esperaPor("bestmove"))));

    // Mate values, and the side that has no move.
    motor.envia("ucinewgame");
    motor.envia("position fen 7k/8/5K2/8/8/8/8/6Q1 w - -");
    motor.envia("go");
    linhas = motor.esperaPor("bestmove");
    ASSERT_GE(linhas.size(), 2u);
    EXPECT_NE(std::string::npos, linhas[linhas.size() - 2].find(" score mate 1 ")) << linhas[linhas.size() - 2];
    EXPECT_EQ("g1g7", bestmoveDe(linhas));
    motor.envia("position fen 7k/8/6KQ/8/8/8/8/8 b - -");
    motor.envia("go");
    linhas = motor.esperaPor("bestmove");
    EXPECT_NE(std::string::npos, linhas[linhas.size() - 2].find(" score mate -1 ")) << linhas[linhas.size() - 2];
    EXPECT_EQ("h8g8", bestmoveDe(linhas));
    motor.envia("position fen 7k/5Q2/6K1/8/8/8/8/8 b - -");
    motor.envia("go");
    linhas = motor.esperaPor("bestmove");
    EXPECT_TRUE(contem(linhas, "info string stalemate: the side to move has no legal move"));
    EXPECT_EQ("0000", bestmoveDe(linhas));
    motor.envia("position fen 7k/6Q1/6K1/8/8/8/8/8 b - -");
    motor.envia("go infinite");
    motor.envia("stop");
    linhas = motor.esperaPor("bestmove");
    EXPECT_TRUE(contem(linhas, "info string checkmate: the side to move has no legal move"));
    EXPECT_EQ("0000", bestmoveDe(linhas));

    motor.envia("quit");
    EXPECT_EQ(0, motor.fecha());
    for (const auto& l : motor.getLidas()) EXPECT_TRUE(isLinhaDoProtocolo(l)) << l;
}

// What a GUI shows of a search: which side stands better, and a choice
// kept to the moves it allowed.
TEST(SessaoUCI, PontosELancesPermitidos) {
    ProcessoUCI motor({XADREZ_UCI});
    auto busca = [&](const std::string& posicao, const std::string& go) {
        motor.envia("position " + posicao);
        motor.envia(go);
        return motor.esperaPor("bestmove");
    };
    auto centipeoes = [](const std::vector<std::string>& linhas) {
        std::smatch m;
        for (const auto& l : linhas) {
            if (std::regex_search(l, m, std::regex(" score cp (-?[0-9]+) "))) return std::stol(m[1]);
        }
        return -99999L;
    };
    const std::string semDama = "fen rnb1kbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR ";
    EXPECT_GE(centipeoes(busca(semDama + "w KQkq - 0 1", "go")), 400);
    long pretas = centipeoes(busca(semDama + "b KQkq - 0 1", "go"));
    EXPECT_LE(pretas, -400);
    EXPECT_GT(pretas, -99999L);
    EXPECT_LE(std::abs(centipeoes(busca("startpos", "go"))), 100);

    // Free, the rook takes the queen; kept to two king moves, it may not.
    const std::string dama = "fen 4k3/8/8/3q4/8/8/3R4/4K3 w - - 0 1";
    EXPECT_EQ("d2d5", bestmoveDe(busca(dama, "go")));
    auto linhas = busca(dama, "go wtime 1000 searchmoves e1f1 e1e3 e1f2 btime 1000");
    EXPECT_TRUE(contem(linhas, "info string searchmoves: e1e3 left out: not a move the computer player can make here"));
    std::string escolhido = bestmoveDe(linhas);
    EXPECT_TRUE(escolhido == "e1f1" || escolhido == "e1f2") << escolhido;

    // The line is one the rules play out, valued where it ends: at its third
    // ply the search takes en passant a pawn that passed before the root.
    motor.envia("setoption name Nivel value 3");
    motor.envia("setoption name Semente value 1");
    std::string posicao = "fen r1bqkbnr/pp1ppppp/n7/8/P1pP4/5N2/NPP1PPPP/R1BQKB1R b KQkq d3 0 5 moves";
    linhas = busca(posicao, "go");
    ASSERT_GE(linhas.size(), 2u);
    std::smatch m;
    const std::string info = linhas[linhas.size() - 2];
    ASSERT_TRUE(std::regex_search(info, m, std::regex(" score (.*) pv (.*)$"))) << info;
    EXPECT_EQ("cp 0", m.str(1));
    std::istringstream pv(m.str(2));
    for (std::string lance; pv >> lance; posicao += " " + lance) {
        EXPECT_TRUE(contem(legaisApos(posicao), lance)) << posicao << " then " << lance;
    }
}

// Standard input closing is a quit, also in the middle of a search.
TEST(SessaoUCI, FimDaEntradaDuranteABusca) {
    ProcessoUCI motor({XADREZ_UCI});
    motor.envia("setoption name Nivel value 4");
    motor.envia("position startpos moves e2e4 e7e5 g1f3 b8c6 f1c4 g8f6");
    motor.envia("go infinite");
    EXPECT_EQ(0, motor.fecha());
    std::string l;
    while (motor.leLinha(&l, 10000)) {
    }
    EXPECT_TRUE(contem(legaisApos("startpos moves e2e4 e7e5 g1f3 b8c6 f1c4 g8f6"), bestmoveDe(motor.getLidas())));
}

}  // namespace
