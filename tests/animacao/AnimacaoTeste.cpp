#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "PosicaoFEN.h"
#include "animacao/Animacao.h"
#include "animacao/Movimento.h"
#include "animacao/MovimentoSimples.h"
#include "animacao/PecaAnim.h"
#include "../apoio/DriverFixo.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/JogadaRoque.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"

namespace {

class AnimacaoTeste : public ::testing::Test {
protected:
    AnimacaoTeste() : driver(640, 640, 81), jogo(&driver), animacao(&jogo) {}

    void monta(const std::string& fen) {
        std::string erro;
        ASSERT_TRUE(PosicaoFEN::carrega(&jogo, fen, &erro)) << erro;
    }

    // The generated move of the piece on (x, y) to (tx, ty), as the game
    // would hand it over; the list keeps it.
    Jogada* jogadaPara(int x, int y, int tx, int ty) {
        Peca* p = jogo.getPeca(x, y);
        EXPECT_NE(nullptr, p);
        if (p == nullptr) return nullptr;
        lista.deletaTodasAsJogadas();
        jogo.calculaJogadasPossiveis(&lista, &jogo, x, y, p->getTipo(), p->isDeComp(), false);
        for (int i = 0; i < lista.getTam(); i++) {
            Jogada* j = lista.getJogada(i);
            if (j->getPosX() == tx && j->getPosY() == ty) return j;
        }
        ADD_FAILURE() << "no move from (" << x << "," << y << ") to (" << tx << "," << ty << ")";
        return nullptr;
    }

    DriverFixo driver;
    Jogo jogo;
    Animacao animacao;
    JogadaLista lista;
};

// Calls move(..., 10) until it answers true; answers the number of calls.
int chamadasAteChegar(Animacao& animacao, Movimento* m, int limite = 200) {
    for (int i = 1; i <= limite; i++) {
        if (animacao.move(m, 10)) return i;
    }
    return -1;
}

TEST_F(AnimacaoTeste, TorreDeUmaCasaChegaNaSetimaChamada) {
    monta("4k3/8/8/8/8/8/8/R3K3 w - - 0 1");
    Peca* torre = jogo.getPeca(0, 7);
    ASSERT_NE(nullptr, torre);
    Jogada* jogada = jogadaPara(0, 7, 1, 7);
    ASSERT_NE(nullptr, jogada);

    Movimento* m = animacao.criaMovimentos(jogada, torre);
    EXPECT_EQ(jogada, m->getJogada());
    ASSERT_NE(nullptr, m->getMovimento1());
    EXPECT_EQ(nullptr, m->getMovimento2());
    for (int i = 0; i < 6; i++) {
        EXPECT_FALSE(animacao.move(m, 10)) << "call " << i + 1;
        EXPECT_EQ(10 * i, torre->getAnimPosX());
        EXPECT_EQ(0, torre->getAnimPosY());
    }
    EXPECT_TRUE(animacao.move(m, 10));
    EXPECT_EQ(64, torre->getAnimPosX());
    EXPECT_EQ(0, torre->getAnimPosY());
    EXPECT_TRUE(m->getMovimento1()->isMoveu());
    // The board is not touched: only the offsets.
    EXPECT_EQ(0, torre->getPosX());
    EXPECT_EQ(torre, jogo.getPeca(0, 7));
    delete m;
}

TEST_F(AnimacaoTeste, PassoSegueATelaDoJogo) {
    // 600 by 800: cells of 60 pixels, so 10 pixels remain after five steps.
    driver.w = 600;
    driver.h = 800;
    monta("4k3/8/8/8/8/8/8/R3K3 w - - 0 1");
    Peca* torre = jogo.getPeca(0, 7);
    Jogada* jogada = jogadaPara(0, 7, 0, 6);
    ASSERT_NE(nullptr, jogada);
    Movimento* m = animacao.criaMovimentos(jogada, torre);
    EXPECT_EQ(6, chamadasAteChegar(animacao, m));
    EXPECT_EQ(0, torre->getAnimPosX());
    EXPECT_EQ(-60, torre->getAnimPosY());
    delete m;
}

TEST_F(AnimacaoTeste, DeslocamentoCresceDeDezEmDezEAcabaNaDistancia) {
    monta("4k3/8/8/8/8/8/8/R3K3 w - - 0 1");
    Peca* torre = jogo.getPeca(0, 7);
    Movimento* m = animacao.criaMovimentos(jogadaPara(0, 7, 3, 7), torre);
    int anterior = 0;
    int chamadas = 0;
    while (!animacao.move(m, 10)) {
        chamadas++;
        int atual = torre->getAnimPosX();
        if (chamadas > 1) {
            EXPECT_EQ(10, atual - anterior) << "call " << chamadas;
        }
        EXPECT_LT(atual, 192);
        anterior = atual;
        ASSERT_LT(chamadas, 100);
    }
    // 192 pixels: shown at 0 .. 190, placed on the end at the 20th call.
    EXPECT_EQ(19, chamadas);
    EXPECT_EQ(192, torre->getAnimPosX());
    EXPECT_EQ(0, torre->getAnimPosY());
    delete m;
}

TEST_F(AnimacaoTeste, DiagonalAvancaDezPixelsPorPasso) {
    // En passant slides straight onto the empty target square.
    monta("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
    Peca* peao = jogo.getPeca(4, 3);
    ASSERT_NE(nullptr, peao);
    Jogada* jogada = jogadaPara(4, 3, 3, 2);
    ASSERT_NE(nullptr, jogada);
    EXPECT_EQ(Jogo::JOGADA_EN_PASSANT, jogada->getTipo());
    Movimento* m = animacao.criaMovimentos(jogada, peao);
    EXPECT_EQ(nullptr, m->getMovimento2());

    int ax = 0, ay = 0, chamadas = 0;
    while (!animacao.move(m, 10)) {
        chamadas++;
        int x = peao->getAnimPosX(), y = peao->getAnimPosY();
        // Up and to the left, along the diagonal.
        EXPECT_LE(x, 0);
        EXPECT_EQ(x, y) << "call " << chamadas;
        if (chamadas > 1) {
            double passo = std::hypot(x - ax, y - ay);
            EXPECT_NEAR(10.0, passo, 1.5) << "call " << chamadas;
        }
        ax = x;
        ay = y;
        ASSERT_LT(chamadas, 100);
    }
    EXPECT_EQ(-64, peao->getAnimPosX());
    EXPECT_EQ(-64, peao->getAnimPosY());
    delete m;
}

TEST_F(AnimacaoTeste, CavaloAndaPelaLinhaDepoisPelaColuna) {
    jogo.reinicia();
    Peca* cavalo = jogo.getPeca(1, 7);
    ASSERT_EQ(Jogo::CAVALO, cavalo->getTipo());
    // The computer animates copies; the live piece must still get the offsets.
    Jogada* jogada = jogadaPara(1, 7, 2, 5)->nova();
    Peca* copia = cavalo->nova();
    Movimento* m = animacao.criaMovimentos(jogada, copia);

    MovimentoSimples* linha = m->getMovimento1();
    MovimentoSimples* coluna = m->getMovimento2();
    ASSERT_NE(nullptr, linha);
    ASSERT_NE(nullptr, coluna);
    EXPECT_EQ(1, linha->getPosX1());
    EXPECT_EQ(7, linha->getPosY1());
    EXPECT_EQ(2, linha->getPosX2());
    EXPECT_EQ(7, linha->getPosY2());
    EXPECT_EQ(2, coluna->getPosX1());
    EXPECT_EQ(7, coluna->getPosY1());
    EXPECT_EQ(2, coluna->getPosX2());
    EXPECT_EQ(5, coluna->getPosY2());

    for (int i = 1; i <= 7; i++) {
        EXPECT_FALSE(animacao.move(m, 10)) << "call " << i;
        EXPECT_EQ(0, cavalo->getAnimPosY()) << "no vertical move along the row";
        EXPECT_FALSE(coluna->isMoveu());
    }
    EXPECT_TRUE(linha->isMoveu());
    EXPECT_FALSE(m->isMoveu());
    EXPECT_EQ(64, cavalo->getAnimPosX());

    // 128 pixels up: shown at 0 .. 120, on the end at the 13th call.
    for (int i = 1; i <= 12; i++) {
        EXPECT_FALSE(animacao.move(m, 10)) << "second slide, call " << i;
        EXPECT_EQ(64, cavalo->getAnimPosX());
        EXPECT_EQ(-10 * (i - 1), cavalo->getAnimPosY());
    }
    EXPECT_TRUE(animacao.move(m, 10));
    EXPECT_TRUE(m->isMoveu());
    EXPECT_EQ(64, cavalo->getAnimPosX());
    EXPECT_EQ(-128, cavalo->getAnimPosY());
    EXPECT_EQ(0, copia->getAnimPosX());
    EXPECT_EQ(0, copia->getAnimPosY());

    // Further calls keep it on the end.
    EXPECT_TRUE(animacao.move(m, 10));
    EXPECT_EQ(-128, cavalo->getAnimPosY());
    delete m;
    delete jogada;
    delete copia;
}

TEST_F(AnimacaoTeste, RoqueMoveOReiVivoDepoisATorreViva) {
    monta("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    Peca* rei = jogo.getPeca(4, 7);
    Peca* torre = jogo.getPeca(7, 7);
    Peca* outraTorre = jogo.getPeca(0, 7);
    Jogada* jogada = jogadaPara(4, 7, 6, 7);
    ASSERT_NE(nullptr, jogada);
    ASSERT_EQ(Jogo::JOGADA_ROQUE, jogada->getTipo());
    JogadaRoque* roque = static_cast<JogadaRoque*>(jogada);
    ASSERT_NE(rei, roque->getRei());
    ASSERT_NE(torre, roque->getTorre());

    Movimento* m = animacao.criaMovimentos(jogada, rei);
    ASSERT_NE(nullptr, m->getMovimento2());
    EXPECT_EQ(roque->getRei(), m->getMovimento1()->getPeca());
    EXPECT_EQ(roque->getTorre(), m->getMovimento2()->getPeca());

    // King: two columns to the right, 128 pixels, 13 calls; the rook waits.
    for (int i = 1; i <= 13; i++) {
        EXPECT_FALSE(animacao.move(m, 10)) << "call " << i;
        EXPECT_EQ(0, torre->getAnimPosX());
    }
    EXPECT_EQ(128, rei->getAnimPosX());
    EXPECT_EQ(0, rei->getAnimPosY());

    // Rook: from column 7 to 5, to the left.
    int chamadas = chamadasAteChegar(animacao, m);
    EXPECT_EQ(13, chamadas);
    EXPECT_EQ(-128, torre->getAnimPosX());
    EXPECT_EQ(0, torre->getAnimPosY());
    EXPECT_EQ(128, rei->getAnimPosX());
    EXPECT_EQ(0, outraTorre->getAnimPosX());
    EXPECT_EQ(0, roque->getRei()->getAnimPosX());
    EXPECT_EQ(0, roque->getTorre()->getAnimPosX());
    delete m;
}

TEST_F(AnimacaoTeste, RoqueDasPretasPeloLadoDaRainha) {
    monta("r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1");
    Peca* rei = jogo.getPeca(4, 0);
    Peca* torre = jogo.getPeca(0, 0);
    Jogada* jogada = jogadaPara(4, 0, 2, 0);
    ASSERT_NE(nullptr, jogada);
    ASSERT_EQ(Jogo::JOGADA_ROQUE, jogada->getTipo());
    Movimento* m = animacao.criaMovimentos(jogada, rei);
    // 128 pixels left for the king, then 192 pixels right for the rook.
    EXPECT_EQ(13 + 20, chamadasAteChegar(animacao, m));
    EXPECT_EQ(-128, rei->getAnimPosX());
    EXPECT_EQ(192, torre->getAnimPosX());
    delete m;
}

TEST_F(AnimacaoTeste, DeslizeParaAPropriaCasaChegaNaPrimeiraChamada) {
    jogo.reinicia();
    Peca* bispo = jogo.getPeca(2, 7);
    PecaAnim pecaAnim(&jogo);
    MovimentoSimples parado(bispo, 2, 7, 2, 7);
    EXPECT_EQ(0, pecaAnim.move(&parado, 10));
    EXPECT_EQ(0, bispo->getAnimPosX());
    EXPECT_EQ(0, bispo->getAnimPosY());

    Jogada jogada(2, 7, nullptr, Jogo::JOGADA_NORMAL);
    Movimento* m = animacao.criaMovimentos(&jogada, bispo);
    EXPECT_TRUE(animacao.move(m, 10));
    delete m;

    // A description without slides never finishes and touches nothing.
    Movimento vazio(&jogada);
    EXPECT_FALSE(vazio.isMoveu());
    EXPECT_FALSE(animacao.move(&vazio, 10));
}

TEST_F(AnimacaoTeste, PassoNaoMexeNoQuadradoVazio) {
    // A slide whose square has no live piece (the piece left meanwhile)
    // still reports its distance and writes nowhere.
    jogo.reinicia();
    Peca fantasma(false, Jogo::TORRE, 3, 4);
    PecaAnim pecaAnim(&jogo);
    MovimentoSimples s(&fantasma, 3, 4, 4, 4);
    EXPECT_EQ(64, pecaAnim.move(&s, 10));
    EXPECT_EQ(10, s.getRaio());
    EXPECT_EQ(0, fantasma.getAnimPosX());
}

}  // namespace
