#include "Apoio.h"

#include "jogo/JogadaRoque.h"
#include "jogo/PecaMov.h"

namespace {

Jogada* primeiraPara(JogadaLista& lista, int x, int y) {
    for (int i = 0; i < lista.getTam(); i++) {
        if (lista.getJogada(i)->getPosX() == x && lista.getJogada(i)->getPosY() == y) return lista.getJogada(i);
    }
    return nullptr;
}

TEST(Regras, PeaoDoReiNaAbertura) {
    Jogo jogo(nullptr);
    jogo.reinicia();
    EXPECT_EQ((Casas{"e3", "e4"}), legais(jogo, 4, 6));
    // Both targets are in the selected piece's list, and getJogada finds them by square.
    JogadaLista* possiveis = jogo.getJogadasPossiveis();
    jogo.calculaJogadasPossiveis(possiveis, &jogo, 4, 6, Jogo::PEAO, false, false);
    EXPECT_EQ(possiveis->getJogada(1), jogo.getJogada(4, 4));
    EXPECT_EQ(nullptr, jogo.getJogada(4, 3));
}

TEST(Regras, MoveECapturaMarcamRemovida) {
    Jogo jogo(nullptr);
    monta(jogo, "4k3/8/8/3p4/4P3/8/8/4K3 w - -");
    Peca* branco = jogo.getPeca(4, 4);
    Peca* preto = jogo.getPeca(3, 3);
    int contador = branco->getMoveuContador();
    JogadaLista lista;
    jogo.calculaJogadasPossiveis(&lista, &jogo, 4, 4, Jogo::PEAO, false, false);
    Jogada* captura = primeiraPara(lista, 3, 3);
    ASSERT_NE(nullptr, captura);
    jogo.move2(branco, captura);
    EXPECT_TRUE(preto->isRemovida());
    EXPECT_EQ(3, preto->getPosX());
    EXPECT_EQ(3, preto->getPosY());
    EXPECT_EQ(branco, jogo.getPeca(3, 3));
    // Counting moves is the caller's business.
    EXPECT_EQ(contador, branco->getMoveuContador());

    // A plain move from an empty square answers false but still captures.
    Peca* reiPreto = jogo.getPeca(4, 0);
    EXPECT_FALSE(jogo.move(jogo.getJogadorPecas(), jogo.getComputadorPecas(), 0, 0, 4, 0));
    EXPECT_TRUE(reiPreto->isRemovida());
}

TEST(Regras, PromocaoARainhaNoMesmoSlot) {
    Jogo jogo(nullptr);
    monta(jogo, "4k3/P7/8/8/8/8/8/4K3 w - -");
    Peca* peao = jogo.getJogadorPeca(8);
    ASSERT_EQ(peao, jogo.getPeca(0, 1));
    Jogada paraCima(0, 0, nullptr, 1);
    jogo.move2(peao, &paraCima);
    EXPECT_EQ(Jogo::RAINHA, jogo.getJogadorPeca(8)->getTipo());
    EXPECT_EQ(0, peao->getPosY());
    Peca* copia = peao->nova();
    EXPECT_EQ(Jogo::RAINHA, copia->getTipo());
    delete copia;

    monta(jogo, "4k3/8/P7/8/8/8/8/4K3 w - -");
    Peca* outro = jogo.getPeca(0, 2);
    Jogada umPasso(0, 1, nullptr, 1);
    jogo.move2(outro, &umPasso);
    EXPECT_EQ(Jogo::PEAO, outro->getTipo());
}

TEST(Regras, RoqueEEnPassantExecutados) {
    Jogo jogo(nullptr);
    monta(jogo, "r3k2r/8/8/8/8/8/8/4K3 b kq -");
    JogadaLista lista;
    jogo.calculaJogadasPossiveis(&lista, &jogo, 4, 0, Jogo::REI, true, false);
    Jogada* roque = primeiraPara(lista, 6, 0);
    ASSERT_NE(nullptr, roque);
    ASSERT_EQ(Jogo::JOGADA_ROQUE, roque->getTipo());
    Peca* rei = jogo.getPeca(4, 0);
    Peca* torre = jogo.getPeca(7, 0);
    rei->setAnimPosX(30);
    torre->setAnimPosY(12);
    jogo.move2(rei, roque);
    EXPECT_EQ(6, rei->getPosX());
    EXPECT_EQ(5, torre->getPosX());
    EXPECT_EQ(0, torre->getAnimPosY());
    EXPECT_EQ(0, rei->getAnimPosX());
    for (int i = 0; i < 16; i++) {
        Peca* p = jogo.getComputadorPeca(i);
        if (p->getTipo() == Jogo::TORRE && p != torre && p->getPosX() == 0) {
            EXPECT_FALSE(p->isRemovida());
        }
    }
    EXPECT_FALSE(rei->isRemovida());
    EXPECT_FALSE(torre->isRemovida());

    monta(jogo, "4k3/8/8/3pP3/8/8/8/4K3 w - d6");
    Peca* branco = jogo.getPeca(4, 3);
    Peca* passado = jogo.getPeca(3, 3);
    lista.deletaTodasAsJogadas();
    jogo.calculaJogadasPossiveis(&lista, &jogo, 4, 3, Jogo::PEAO, false, false);
    Jogada* ep = primeiraPara(lista, 3, 2);
    ASSERT_NE(nullptr, ep);
    jogo.move2(branco, ep);
    EXPECT_TRUE(passado->isRemovida());
    EXPECT_EQ(branco, jogo.getPeca(3, 2));
    EXPECT_EQ(nullptr, jogo.getPeca(3, 3));
}

TEST(Regras, XequeMateEAfogamento) {
    Jogo jogo(nullptr);
    // Fool's mate: white is mated whatever side is to move.
    monta(jogo, "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq -");
    EXPECT_EQ(2, jogo.isEstaEmXequeMateOuEmpate(false));
    jogo.setVezComputador(true);
    EXPECT_EQ(2, jogo.isEstaEmXequeMateOuEmpate(false));
    EXPECT_EQ(0, jogo.isEstaEmXequeMateOuEmpate(true));
    EXPECT_TRUE(jogo.isOutroReiEmXeque(true));
    EXPECT_FALSE(jogo.isOutroReiEmXeque(false));

    // Black king stalemated: a draw only when black is to move.
    monta(jogo, "7k/5Q2/6K1/8/8/8/8/8 b - -");
    EXPECT_EQ(3, jogo.isEstaEmXequeMateOuEmpate(true));
    jogo.setVezComputador(false);
    EXPECT_EQ(0, jogo.isEstaEmXequeMateOuEmpate(true));

    // Mate of the black king by a queen.
    monta(jogo, "7k/6Q1/6K1/8/8/8/8/8 b - -");
    EXPECT_EQ(1, jogo.isEstaEmXequeMateOuEmpate(true));

    // A bare king against king and queen plays on.
    monta(jogo, "8/8/3k4/8/8/3QK3/8/8 b - -");
    EXPECT_EQ(0, jogo.isEstaEmXequeMateOuEmpate(true));
    EXPECT_EQ(0, jogo.isEstaEmXequeMateOuEmpate(false));
}

TEST(Regras, DireitoDeRoqueSemRoquePossivelNaoImpedeAfogamento) {
    Jogo jogo(nullptr);
    // White keeps the right to castle on the king's side, but the bishop on
    // g1 is in the way and nothing else can move: stalemate.
    monta(jogo, "k2r4/8/8/1b6/b7/5p1p/5P1P/4K1BR w K -");
    EXPECT_EQ(0, jogo.getPeca(4, 7)->getMoveuContador());
    EXPECT_EQ(0, jogo.getPeca(7, 7)->getMoveuContador());
    EXPECT_EQ(3, jogo.isEstaEmXequeMateOuEmpate(false));
}

TEST(Regras, CasaAtacadaPorPeoesReisEPecas) {
    Jogo jogo(nullptr);
    monta(jogo, "4k3/8/8/8/8/2PPR3/8/4K3 w - -");
    Peca** j = jogo.getJogadorPecas();
    Peca** c = jogo.getComputadorPecas();
    // d3 holds a white pawn: the rook beside it does not count as covering it.
    EXPECT_EQ(nullptr, jogo.capturaOutraPeca(j, j, c, 3, 5, false, true));
    // A pawn diagonally behind it does.
    monta(jogo, "4k3/8/8/8/8/2PPR3/4P3/4K3 w - -");
    Peca* atacante = jogo.capturaOutraPeca(j, j, c, 3, 5, false, true);
    ASSERT_NE(nullptr, atacante);
    EXPECT_EQ(Jogo::PEAO, atacante->getTipo());
    EXPECT_EQ(4, atacante->getPosX());
    EXPECT_EQ(6, atacante->getPosY());
    EXPECT_EQ(atacante, jogo.getJogadorPeca(12));

    // f1 is reached by the king only: kings count only when asked.
    EXPECT_EQ(nullptr, jogo.capturaOutraPeca(j, j, c, 5, 7, false, false));
    Peca* rei = jogo.capturaOutraPeca(j, j, c, 5, 7, false, true);
    ASSERT_NE(nullptr, rei);
    EXPECT_EQ(Jogo::REI, rei->getTipo());
    EXPECT_TRUE(jogo.isCapturaOutraPeca(j, j, c, 5, 7, false));
    // A pawn attacks an empty diagonal, never the square in front of it.
    EXPECT_TRUE(jogo.isCapturaOutraPeca(j, j, c, 1, 4, false));
    EXPECT_FALSE(jogo.isCapturaOutraPeca(j, j, c, 0, 3, false));
    // The rook reaches along its rank and file.
    EXPECT_EQ(jogo.getJogadorPeca(0), jogo.capturaOutraPeca(j, j, c, 7, 5, false, true));
}

TEST(Regras, PecaCravadaEReiNaoEntramEmXeque) {
    Jogo jogo(nullptr);
    // The white rook on e4 is pinned by the rook on e8; the pawn on g3 covers f2.
    monta(jogo, "4r1k1/8/8/8/4R3/6p1/8/4K3 w - -");
    EXPECT_EQ((Casas{"e5", "e6", "e7", "e8", "e3", "e2"}), legais(jogo, 4, 4));
    EXPECT_EQ((Casas{"d2", "d1", "e2", "f2", "f1"}), candidatas(jogo, 4, 7, false));
    EXPECT_EQ((Casas{"d2", "d1", "e2", "f1"}), legais(jogo, 4, 7));
}

TEST(Regras, EnPassantTestadoSemOPeaoCapturado) {
    Jogo jogo(nullptr);
    monta(jogo, "8/8/8/3k4/4pP2/8/8/6K1 b - f3");
    EXPECT_EQ((Casas{"e3", "f3"}), legais(jogo, 4, 4));

    // ...d7d5 gives check to the king on e4; taking the checker en passant
    // is the pawn's only legal move.
    monta(jogo, "7k/8/8/3pP3/4K3/8/8/8 w - d6");
    EXPECT_TRUE(jogo.isOutroReiEmXeque(true));
    EXPECT_EQ((Casas{"d6"}), legais(jogo, 4, 3));

    // Taking en passant would empty the fifth rank between rook and king.
    monta(jogo, "8/8/8/K2Pp2r/8/8/8/7k w - e6");
    EXPECT_EQ((Casas{"d6"}), legais(jogo, 3, 3));
}

}  // namespace
