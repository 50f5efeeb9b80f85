#include "SistemaTeste.h"

#include <algorithm>
#include <vector>

#include "Perft.h"

namespace {

using Partida = SistemaTeste;

std::string alvo(Jogada* j) { return PosicaoFEN::casa(j->getPosX(), j->getPosY()); }

TEST_F(Partida, HumanoJogaComOMouseEOComputadorResponde) {
    comecaJogo();
    clicaCasa("e2");
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        JogadaLista* possiveis = jogo->getJogadasPossiveis();
        ASSERT_EQ(2, possiveis->getTam());
        EXPECT_EQ("e3", alvo(possiveis->getJogada(0)));
        EXPECT_EQ("e4", alvo(possiveis->getJogada(1)));
        EXPECT_EQ(pecaEm("e2"), jogo->getJogadorJogadaPeca());
    }

    Peca* peao = nullptr;
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        peao = pecaEm("e2");
    }
    clicaCasa("e4");
    // The pawn slides: it has an offset before it is carried out.
    EXPECT_TRUE(espera([&] { return peao->getAnimPosY() != 0 || peao->getPosY() == 4; }));
    ASSERT_TRUE(espera([&] { return peao->getPosY() == 4; }));

    std::vector<std::string> respostas;
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(0, peao->getAnimPosX());
        EXPECT_EQ(0, peao->getAnimPosY());
        EXPECT_EQ(1, peao->getMoveuContador());
        EXPECT_TRUE(jogo->isVezComputador());
        EXPECT_EQ(0, jogo->getJogadasPossiveis()->getTam());
        EXPECT_EQ(nullptr, jogo->getJogadorJogadaPeca());
        PecaMov* ultimo = jogo->getUltimoMov(false);
        ASSERT_NE(nullptr, ultimo);
        EXPECT_EQ(6, ultimo->getY1());
        EXPECT_EQ(4, ultimo->getY2());
        // Black's legal answers, to check the computer's against.
        auto lances = Perft::legais(jogo, jogo->getJogadorPecas(), jogo->getComputadorPecas(), true);
        for (auto& l : lances) {
            Peca* p = jogo->getComputadorPeca(l.slot);
            respostas.push_back(PosicaoFEN::casa(p->getPosX(), p->getPosY()) + alvo(l.jogada));
        }
        Perft::libera(lances);
    }
    // The player's move sound was asked for and played by the next tick.
    EXPECT_TRUE(espera([&] { return s->getJogoAudio()->getUltimoEfeito() == 1; }));

    ASSERT_TRUE(espera([&] { return jogo->getUltimoMov(true) != nullptr && !jogo->isVezComputador(); }, 60000));
    std::lock_guard<std::recursive_mutex> t(trava());
    PecaMov* resposta = jogo->getUltimoMov(true);
    std::string lance = PosicaoFEN::casa(resposta->getX1(), resposta->getY1()) +
                        PosicaoFEN::casa(resposta->getX2(), resposta->getY2());
    EXPECT_NE(respostas.end(), std::find(respostas.begin(), respostas.end(), lance)) << lance;
    Peca* movida = jogo->getPeca(resposta->getX2(), resposta->getY2());
    ASSERT_NE(nullptr, movida);
    EXPECT_TRUE(movida->isDeComp());
    EXPECT_EQ(nullptr, jogo->getPeca(resposta->getX1(), resposta->getY1()));
    EXPECT_EQ(nullptr, jogo->getMovimento());
}

// The frame shows what the model says: a piece drawn on its new square and
// the square it left empty, tinted as the last move's.
TEST_F(Partida, TabuleiroMostraOLance) {
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        jogo->setNivel(true, Jogo::HUMANO);  // no answer comes to take the tint away
    }
    comecaJogo();
    clicaCasa("g1");
    clicaCasa("f3");
    ASSERT_TRUE(espera([&] { return pecaEm("f3") != nullptr && jogo->isVezComputador(); }));
    gui->repinta();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::lock_guard<std::recursive_mutex> t(trava());
    SDL_Surface* tela = gui->getTela();
    ASSERT_NE(nullptr, tela);
    auto cor = [&](int x, int y) { return corEm(tela, x, y); };
    Tela* geo = jogo->getTela();
    // g1 (6 + 7 odd) is a dark square, f3 (5 + 5 even) a light one.
    Uint32 vazio = cor(geo->getX(6), geo->getY(7));
    EXPECT_EQ(0xBC9830, vazio);  // the last move's dark tint (188, 152, 48)
    Uint32 cavalo = cor(geo->getX(5), geo->getY(5));
    EXPECT_NE(0xECD060, cavalo);  // not the tinted light square (236, 208, 96)
    EXPECT_NE(0xBC9830, cavalo);
}

}  // namespace
