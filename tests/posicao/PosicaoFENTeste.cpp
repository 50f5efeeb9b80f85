#include <gtest/gtest.h>

#include <string>

#include "PosicaoFEN.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"
#include "jogo/PecaMov.h"

namespace {

TEST(PosicaoFEN, PecasOcupamOsSlotsDoSeuTipo) {
    Jogo jogo(nullptr);
    std::string erro;
    ASSERT_TRUE(PosicaoFEN::carrega(&jogo, "r3k3/1p6/8/8/8/8/P6P/QQ2K2R w K -", &erro)) << erro;
    // The first queen takes slot 3, the second the first free pawn slot.
    EXPECT_EQ(jogo.getJogadorPeca(3), jogo.getPeca(0, 7));
    EXPECT_EQ(jogo.getJogadorPeca(9), jogo.getPeca(1, 7));
    EXPECT_EQ(Jogo::RAINHA, jogo.getJogadorPeca(9)->getTipo());
    // Pawns take slot 8 + column when it is free.
    EXPECT_EQ(jogo.getJogadorPeca(8), jogo.getPeca(0, 6));
    EXPECT_EQ(jogo.getJogadorPeca(15), jogo.getPeca(7, 6));
    EXPECT_EQ(jogo.getComputadorPeca(9), jogo.getPeca(1, 1));
    // A lone rook on a8 takes slot 0; h1 takes 0 too on white's side.
    EXPECT_EQ(jogo.getComputadorPeca(0), jogo.getPeca(0, 0));
    EXPECT_EQ(jogo.getJogadorPeca(0), jogo.getPeca(7, 7));
    // Empty slots hold removed pieces of their own type on their start square.
    Peca* vazio = jogo.getJogadorPeca(7);
    EXPECT_TRUE(vazio->isRemovida());
    EXPECT_EQ(Jogo::TORRE, vazio->getTipo());
    EXPECT_EQ(7, vazio->getPosX());
    EXPECT_EQ(7, vazio->getPosY());
    EXPECT_TRUE(jogo.getComputadorPeca(3)->isRemovida());
    EXPECT_FALSE(jogo.isVezComputador());
}

TEST(PosicaoFEN, ContadoresSeguemOCampoDeRoqueEEnPassant) {
    Jogo jogo(nullptr);
    std::string erro;
    ASSERT_TRUE(PosicaoFEN::carrega(&jogo, "r3k2r/pppppppp/8/8/4P3/8/PPPP1PPP/R3K2R b Kq e3", &erro)) << erro;
    EXPECT_EQ(0, jogo.getPeca(4, 7)->getMoveuContador());   // white king
    EXPECT_EQ(0, jogo.getPeca(7, 7)->getMoveuContador());   // h1: K
    EXPECT_EQ(1, jogo.getPeca(0, 7)->getMoveuContador());   // a1: no Q
    EXPECT_EQ(0, jogo.getPeca(0, 0)->getMoveuContador());   // a8: q
    EXPECT_EQ(1, jogo.getPeca(7, 0)->getMoveuContador());   // h8: no k
    EXPECT_EQ(0, jogo.getPeca(0, 6)->getMoveuContador());   // pawn at home
    EXPECT_EQ(1, jogo.getPeca(4, 4)->getMoveuContador());   // pawn that just moved
    EXPECT_TRUE(jogo.isVezComputador());
    PecaMov* ultimo = jogo.getUltimoMov(false);
    ASSERT_NE(nullptr, ultimo);
    EXPECT_EQ(4, ultimo->getX1());
    EXPECT_EQ(6, ultimo->getY1());
    EXPECT_EQ(4, ultimo->getX2());
    EXPECT_EQ(4, ultimo->getY2());
    EXPECT_EQ(nullptr, jogo.getUltimoMov(true));

    // A bishop on a corner never stands for a rook that may castle.
    ASSERT_TRUE(PosicaoFEN::carrega(&jogo, "4k3/8/8/8/8/8/8/4K2B w K -", &erro)) << erro;
    EXPECT_EQ(1, jogo.getPeca(7, 7)->getMoveuContador());
}

TEST(PosicaoFEN, EntradaRuimEhRecusadaComUmaMensagem) {
    const char* ruins[] = {
        "",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR",      // no side to move
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w",              // seven ranks
        "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w",
        "rnbqkbnr/ppppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNX w",
        "8/8/8/8/8/8/8/8 w",                                  // no kings
        "4k3/8/8/8/8/8/8/4K2K w",                             // two white kings
        "4k2P/8/8/8/8/8/8/4K3 w",                             // pawn on the last rank
        "4k3/8/8/8/8/8/8/p3K3 w",
        "4k3/8/8/8/8/8/8/4K3 w Kx",
        "4k3/8/8/8/8/8/8/4K3 w - e4",
        "4k3/8/8/8/8/8/8/4K3 b - e3",                         // no pawn passed e3
        "QQQQQQQQ/QQQQQQQQ/QQ6/8/8/8/8/k3K3 w",               // too many pieces
        "4k3/p7/8/8/8/8/8/4RK2 w - - 0 1",                    // the side not to move is in check
        "4k3/3n4/8/3pP3/8/8/8/4K3 w - d6 0 1",                // d7 taken: d5 came from elsewhere
        "4k3/8/3n4/3pP3/8/8/8/4K3 w - d6 0 1",                // d6 taken
        "4k3/8/8/8/8/8/8/4K3 w - - abc 100",                  // the clocks: whole numbers only
        "4k3/8/8/8/8/8/8/4K3 w - - -5 1",
        "4k3/8/8/8/8/8/8/4K3 w - - 0 1x",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 junk",  // a seventh field
    };
    for (const char* fen : ruins) {
        Jogo jogo(nullptr);
        std::string erro;
        EXPECT_FALSE(PosicaoFEN::carrega(&jogo, fen, &erro)) << fen;
        EXPECT_FALSE(erro.empty()) << fen;
        EXPECT_EQ(std::string::npos, erro.find('\n')) << fen;
        // The game is left on a usable start position.
        EXPECT_EQ(Jogo::REI, jogo.getPeca(4, 7)->getTipo()) << fen;
    }
}

TEST(PosicaoFEN, Notacao) {
    EXPECT_EQ("a8", PosicaoFEN::casa(0, 0));
    EXPECT_EQ("h1", PosicaoFEN::casa(7, 7));
    EXPECT_EQ("e2", PosicaoFEN::casa(4, 6));
}

}  // namespace
