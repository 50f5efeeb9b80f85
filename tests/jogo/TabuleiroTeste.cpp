// Moves made on an indexed position and taken back leave it exactly as it
// was, over whole trees of legal moves.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "PosicaoFEN.h"
#include "jogo/CopiaPecas.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"
#include "jogo/PecaMov.h"
#include "jogo/Tabuleiro.h"

namespace {

struct Visto {
    long lances = 0;
    long roques = 0;
    long enPassants = 0;
    long promocoes = 0;
};

void bytesDe(Tabuleiro& t, unsigned char* destino) {
    for (int i = 0; i < 16; i++) {
        std::memcpy(destino + i * sizeof(Peca), static_cast<void*>(t.getJogadorPeca(i)), sizeof(Peca));
        std::memcpy(destino + (16 + i) * sizeof(Peca), static_cast<void*>(t.getComputadorPeca(i)),
                    sizeof(Peca));
    }
}

// Every lookup of the kept index answers what an index built afresh does.
void confereIndice(Tabuleiro& t) {
    Tabuleiro novo(t.getJogadorPecas(), t.getComputadorPecas());
    for (int y = 0; y < 8; y++) {
        for (int x = 0; x < 8; x++) {
            ASSERT_EQ(novo.getJogadorPeca(x, y), t.getJogadorPeca(x, y)) << x << "," << y;
            ASSERT_EQ(novo.getComputadorPeca(x, y), t.getComputadorPeca(x, y)) << x << "," << y;
        }
    }
    for (int tipo = 1; tipo <= 6; tipo++) {
        ASSERT_EQ(novo.getCasas(false, tipo), t.getCasas(false, tipo));
        ASSERT_EQ(novo.getCasas(true, tipo), t.getCasas(true, tipo));
    }
    ASSERT_EQ(novo.getOcupadas(), t.getOcupadas());
}

// Plays every legal move as the game does (castling included), goes down,
// takes it back and checks that all 32 pieces and the index are restored.
void percorre(Jogo& jogo, Tabuleiro& t, bool isComp, int profundidade, Visto& visto) {
    if (profundidade == 0) return;
    unsigned char antes[32 * sizeof(Peca)];
    bytesDe(t, antes);
    Peca** lado = isComp ? t.getComputadorPecas() : t.getJogadorPecas();
    for (int i = 0; i < 16; i++) {
        Peca* p = lado[i];
        if (p->isRemovida()) continue;
        JogadaLista lista;
        jogo.calculaJogadasPossiveis(&lista, &t, p->getPosX(), p->getPosY(), p->getTipo(), isComp, false);
        jogo.filtraJogadas(&lista, t, p->getPosX(), p->getPosY(), isComp);
        for (int j = 0; j < lista.getTam(); j++) {
            Jogada* jogada = lista.getJogada(j);
            int x1 = p->getPosX(), y1 = p->getPosY();
            bool peao = p->getTipo() == Jogo::PEAO;
            int marca = t.marca();
            t.move2(p, jogada);
            p->setMoveuContador(p->getMoveuContador() + 1);
            jogo.setUltimoMov(new PecaMov(x1, y1, jogada->getPosX(), jogada->getPosY(), isComp));
            visto.lances++;
            visto.roques += jogada->getTipo() == Jogo::JOGADA_ROQUE;
            visto.enPassants += jogada->getTipo() == Jogo::JOGADA_EN_PASSANT;
            visto.promocoes += peao && p->getTipo() == Jogo::RAINHA;
            ASSERT_NO_FATAL_FAILURE(confereIndice(t));
            percorre(jogo, t, !isComp, profundidade - 1, visto);
            t.desfaz(marca);
            unsigned char depois[32 * sizeof(Peca)];
            bytesDe(t, depois);
            ASSERT_EQ(0, std::memcmp(antes, depois, sizeof antes))
                << PosicaoFEN::notacao(p, jogada) << " was not taken back exactly";
            ASSERT_NO_FATAL_FAILURE(confereIndice(t));
        }
    }
}

TEST(Tabuleiro, FazerEDesfazerRestauraAPosicaoExatamente) {
    const char* posicoes[] = {
        // castling both ways for both sides, pins, en passant chances
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -",
        // promotions of both sides, with captures
        "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
        // en passant open at once, and after the double steps of the tree
        "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3",
    };
    Visto visto;
    for (const char* fen : posicoes) {
        SCOPED_TRACE(fen);
        Jogo jogo(nullptr);
        std::string erro;
        ASSERT_TRUE(PosicaoFEN::carrega(&jogo, fen, &erro)) << erro;
        CopiaPecas copia(jogo.getJogadorPecas(), jogo.getComputadorPecas());
        Tabuleiro t(copia.getJogador(), copia.getComputador());
        percorre(jogo, t, jogo.isVezComputador(), 3, visto);
        EXPECT_EQ(0, t.marca()) << "every change was taken back";
    }
    EXPECT_GT(visto.lances, 100000);
    EXPECT_GT(visto.roques, 0);
    EXPECT_GT(visto.enPassants, 0);
    EXPECT_GT(visto.promocoes, 0);
}

}  // namespace
