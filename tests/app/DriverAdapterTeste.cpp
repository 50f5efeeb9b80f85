#include "../controle/SistemaTeste.h"

#include "app/DriverAdapter.h"

namespace {

using SistemaMontado = SistemaTeste;

TEST_F(SistemaMontado, AdaptadorRespondeAsMedidasDaJanela) {
    DriverAdapter* driver = s->getJogoDriver();
    EXPECT_EQ(640, driver->getTelaLargura());
    EXPECT_EQ(640, driver->getTelaAltura());
    EXPECT_DOUBLE_EQ(0.1, driver->getFatorCelulaDIM());
    // No game frame yet: no panel, and the board sits 64 pixels down.
    EXPECT_EQ(0, driver->getInfoPainelAltura());
    EXPECT_EQ(64, jogo->getTela()->getTabuleiroY());
    EXPECT_FALSE(driver->isPausa());

    comecaJogo();
    int painel = driver->getInfoPainelAltura();
    EXPECT_GT(painel, 50);
    EXPECT_EQ(((640 - painel / 2) - 512) / 2 + painel / 2, jogo->getTela()->getTabuleiroY());
    tecla(SDL_SCANCODE_RETURN);
    EXPECT_TRUE(driver->isPausa());
}

// A restart keeps the same objects and shows the opening screen.
TEST_F(SistemaMontado, ReinicioMantemOsObjetos) {
    Jogo* antes = s->getJogo();
    JogoGrafico* grafico = s->getJogoGrafico();
    comecaJogo();
    tecla(SDL_SCANCODE_ESCAPE);
    ASSERT_TRUE(espera([&] { return gui->getGraficoTipo() == GUI::TELA_ABERTURA; }));
    EXPECT_EQ(antes, s->getJogo());
    EXPECT_EQ(grafico, s->getJogoGrafico());
    EXPECT_EQ(9, s->getJogoAudio()->getMusica());
}

}  // namespace
