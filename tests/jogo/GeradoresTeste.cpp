#include "Apoio.h"

#include "jogo/JogadaEnPassant.h"
#include "jogo/JogadaRoque.h"
#include "jogo/PecaMov.h"

namespace {

TEST(Geradores, TorreNoCantoDoTabuleiroVazio) {
    Jogo jogo(nullptr);
    limpa(jogo);
    poe(jogo, true, 0, Jogo::TORRE, "a8");
    EXPECT_EQ((Casas{"b8", "c8", "d8", "e8", "f8", "g8", "h8", "a7", "a6", "a5", "a4", "a3", "a2", "a1"}),
              candidatas(jogo, 0, 0));
}

TEST(Geradores, DirecoesParamNaPrimeiraPeca) {
    Jogo jogo(nullptr);
    limpa(jogo);
    poe(jogo, false, 2, Jogo::BISPO, "d4");
    poe(jogo, false, 8, Jogo::PEAO, "c5");   // own piece up-left: nothing that way
    poe(jogo, true, 8, Jogo::PEAO, "e5");    // enemy up-right: the capture only
    EXPECT_EQ((Casas{"e5", "c3", "b2", "a1", "e3", "f2", "g1"}), candidatas(jogo, 3, 4));

    // The queen runs the rook's directions, then the bishop's.
    poe(jogo, false, 3, Jogo::RAINHA, "h1");
    poe(jogo, false, 9, Jogo::PEAO, "g1");
    poe(jogo, false, 10, Jogo::PEAO, "h3");
    EXPECT_EQ((Casas{"h2", "g2", "f3", "e4", "d5", "c6", "b7", "a8"}), candidatas(jogo, 7, 7));
}

TEST(Geradores, CavaloEReiVisitamCasasNaOrdemFixa) {
    Jogo jogo(nullptr);
    limpa(jogo);
    poe(jogo, false, 1, Jogo::CAVALO, "a8");
    EXPECT_EQ((Casas{"c7", "b6"}), candidatas(jogo, 0, 0));
    poe(jogo, false, 6, Jogo::CAVALO, "d4");
    EXPECT_EQ((Casas{"b5", "b3", "f5", "f3", "c6", "e6", "c2", "e2"}), candidatas(jogo, 3, 4));

    poe(jogo, true, 4, Jogo::REI, "e5");
    EXPECT_EQ((Casas{"d6", "d5", "d4", "e6", "e4", "f6", "f5", "f4"}), candidatas(jogo, 4, 3));
}

TEST(Geradores, TipoDesconhecidoNaoAcrescentaNada) {
    Jogo jogo(nullptr);
    jogo.reinicia();
    JogadaLista lista;
    jogo.calculaJogadasPossiveis(&lista, &jogo, 0, 7, 0, false, false);
    jogo.calculaJogadasPossiveis(&lista, &jogo, 0, 7, 7, false, false);
    EXPECT_EQ(0, lista.getTam());
}

TEST(Geradores, PeaoPassoDuploSoComCaminhoLivre) {
    Jogo jogo(nullptr);
    limpa(jogo);
    poe(jogo, true, 11, Jogo::PEAO, "d7", 0);
    poe(jogo, false, 8, Jogo::PEAO, "d5");
    EXPECT_EQ((Casas{"d6"}), candidatas(jogo, 3, 1));
    poe(jogo, false, 8, Jogo::PEAO, "d6");
    EXPECT_EQ((Casas{}), candidatas(jogo, 3, 1));
    // Order: step, double step, capture left, capture right.
    poe(jogo, false, 8, Jogo::PEAO, "c6");
    poe(jogo, false, 9, Jogo::CAVALO, "e6");
    EXPECT_EQ((Casas{"d6", "d5", "c6", "e6"}), candidatas(jogo, 3, 1));
    // A pawn of the other side is not moved by a generator asked for this side.
    JogadaLista lista;
    jogo.calculaJogadasPossiveis(&lista, &jogo, 3, 1, Jogo::PEAO, false, false);
    EXPECT_EQ(0, lista.getTam());
}

TEST(Geradores, EnPassantSoComoRespostaImediataAoPassoDuplo) {
    Jogo jogo(nullptr);
    limpa(jogo);
    poe(jogo, false, 8, Jogo::PEAO, "a5");
    Peca* preto = poe(jogo, true, 9, Jogo::PEAO, "b5", 1);
    poe(jogo, true, 10, Jogo::PEAO, "c7", 0);

    // No last move recorded: the pawn may have arrived long ago.
    EXPECT_EQ((Casas{"a6"}), candidatas(jogo, 0, 3));

    jogo.setUltimoMov(new PecaMov(1, 1, 1, 3, true));
    JogadaLista lista;
    jogo.calculaJogadasPossiveis(&lista, &jogo, 0, 3, Jogo::PEAO, false, false);
    ASSERT_EQ(2, lista.getTam());
    Jogada* ep = lista.getJogada(1);
    EXPECT_EQ(Jogo::JOGADA_EN_PASSANT, ep->getTipo());
    EXPECT_NE(nullptr, dynamic_cast<JogadaEnPassant*>(ep));
    EXPECT_EQ(1, ep->getPosX());
    EXPECT_EQ(2, ep->getPosY());
    EXPECT_EQ(1, ep->getCaptura()->getPosX());
    EXPECT_EQ(3, ep->getCaptura()->getPosY());

    // Black then plays another move: the chance is gone.
    jogo.setUltimoMov(new PecaMov(2, 1, 2, 2, true));
    EXPECT_EQ((Casas{"a6"}), candidatas(jogo, 0, 3));

    // A pawn that moved twice, or another piece type, is never taken en passant.
    jogo.setUltimoMov(new PecaMov(1, 1, 1, 3, true));
    preto->setMoveuContador(2);
    EXPECT_EQ((Casas{"a6"}), candidatas(jogo, 0, 3));
    preto->setMoveuContador(1);
    preto->setTipo(Jogo::TORRE);
    EXPECT_EQ((Casas{"a6"}), candidatas(jogo, 0, 3));
}

TEST(Geradores, EnPassantParaOsDoisLadosEmOrdem) {
    Jogo jogo(nullptr);
    monta(jogo, "4k3/8/8/8/3pPp2/8/8/4K3 b - e3");
    // The black pawn on d4 takes left then right; here e3 is to its right.
    EXPECT_EQ((Casas{"d3", "e3"}), candidatas(jogo, col("d4"), lin("d4")));
    EXPECT_EQ((Casas{"f3", "e3"}), candidatas(jogo, col("f4"), lin("f4")));
}

TEST(Geradores, RoqueDosDoisLados) {
    Jogo jogo(nullptr);
    monta(jogo, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
    EXPECT_EQ((Casas{"d2", "d1", "e2", "f2", "f1", "c1", "g1"}), candidatas(jogo, 4, 7));
    JogadaLista lista;
    jogo.calculaJogadasPossiveis(&lista, &jogo, 4, 0, Jogo::REI, true, false);
    ASSERT_EQ(7, lista.getTam());
    JogadaRoque* dama = dynamic_cast<JogadaRoque*>(lista.getJogada(5));
    JogadaRoque* rei = dynamic_cast<JogadaRoque*>(lista.getJogada(6));
    ASSERT_NE(nullptr, dama);
    ASSERT_NE(nullptr, rei);
    EXPECT_EQ(2, dama->getReiPosX());
    EXPECT_EQ(3, dama->getTorrePosX());
    EXPECT_EQ(0, dama->getTorre()->getPosX());
    EXPECT_EQ(6, rei->getReiPosX());
    EXPECT_EQ(5, rei->getTorrePosX());
    EXPECT_EQ(7, rei->getTorre()->getPosX());
    EXPECT_EQ(4, rei->getRei()->getPosX());
    EXPECT_EQ(nullptr, rei->getCaptura());

    // Castling left out: only the one-square steps.
    EXPECT_EQ((Casas{"d2", "d1", "e2", "f2", "f1"}), candidatas(jogo, 4, 7, false));
}

TEST(Geradores, CondicoesDoRoque) {
    Jogo jogo(nullptr);
    // The knight on a3 attacks b1, which the king never crosses: the
    // queen's side is still allowed, as in chess.
    monta(jogo, "4k3/8/8/8/8/n7/8/R3K2R w KQ -");
    EXPECT_EQ((Casas{"d2", "d1", "e2", "f2", "f1", "c1", "g1"}), candidatas(jogo, 4, 7));
    // d1 attacked: no queen's side; the king's side stands on its own.
    monta(jogo, "3rk3/8/8/8/8/8/8/R3K2R w KQ -");
    EXPECT_EQ((Casas{"d2", "d1", "e2", "f2", "f1", "g1"}), candidatas(jogo, 4, 7));
    // b1 occupied: no queen's side.
    monta(jogo, "4k3/8/8/8/8/8/8/RN2K2R w KQ -");
    EXPECT_EQ((Casas{"d2", "d1", "e2", "f2", "f1", "g1"}), candidatas(jogo, 4, 7));
    // In check: neither side.
    monta(jogo, "4k3/8/8/8/8/8/4r3/R3K2R w KQ -");
    EXPECT_EQ((Casas{"d2", "d1", "e2", "f2", "f1"}), candidatas(jogo, 4, 7));
    // The king has moved once (and came back): never again.
    monta(jogo, "4k3/8/8/8/8/8/8/R3K2R w KQ -");
    jogo.getPeca(4, 7)->setMoveuContador(1);
    EXPECT_EQ((Casas{"d2", "d1", "e2", "f2", "f1"}), candidatas(jogo, 4, 7));
    // A rook that has moved gives no castling on its side.
    monta(jogo, "4k3/8/8/8/8/8/8/R3K2R w K -");
    EXPECT_EQ((Casas{"d2", "d1", "e2", "f2", "f1", "g1"}), candidatas(jogo, 4, 7));
    // g1 attacked through the open g-file.
    monta(jogo, "4k1r1/8/8/8/8/8/8/R3K2R w KQ -");
    EXPECT_EQ((Casas{"d2", "d1", "e2", "f2", "f1", "c1"}), candidatas(jogo, 4, 7));
}

}  // namespace
