#include <gtest/gtest.h>

#include <string>

#include "Perft.h"
#include "PosicaoFEN.h"
#include "jogo/Jogo.h"

namespace {

long perft(const std::string& fen, int profundidade) {
    Jogo jogo(nullptr);
    std::string erro;
    EXPECT_TRUE(PosicaoFEN::carrega(&jogo, fen, &erro)) << erro;
    long total = 0;
    for (const auto& r : Perft::divide(&jogo, jogo.isVezComputador(), profundidade)) total += r.second;
    return total;
}

// The published counts include under-promotions, which this game never
// plays (a pawn always becomes a queen). Every depth below is one at which
// no promotion is reachable, so the counts must match exactly.

TEST(Perft, PosicaoInicial) {
    EXPECT_EQ(20, perft("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 1));
    EXPECT_EQ(8902, perft("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 3));
    EXPECT_EQ(197281, perft("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 4));
}

// Castling both ways, en passant, pins and checks.
TEST(Perft, Kiwipete) {
    EXPECT_EQ(48, perft("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -", 1));
    EXPECT_EQ(2039, perft("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -", 2));
    EXPECT_EQ(97862, perft("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -", 3));
}

// En passant along a rank with both kings on it: the discovered checks.
TEST(Perft, FinalDeTorreEPeoes) {
    EXPECT_EQ(14, perft("8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -", 1));
    EXPECT_EQ(2812, perft("8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -", 3));
    EXPECT_EQ(674624, perft("8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -", 5));
}

// White in check, castling rights on black's side only, and its mirror.
TEST(Perft, XequeComDireitoDeRoque) {
    EXPECT_EQ(6, perft("r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 1));
    EXPECT_EQ(6, perft("r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1", 1));
}

}  // namespace
