#include <gtest/gtest.h>

#include "../apoio/DriverFixo.h"
#include "gui/Tela.h"

namespace {

TEST(Tela, JanelaDe640SemPainel) {
    DriverFixo driver(640, 640, 0);
    Tela tela(&driver);
    EXPECT_EQ(64, tela.getCelulaDIM());
    EXPECT_EQ(512, tela.getTabuleiroDIM());
    EXPECT_EQ(64, tela.getTabuleiroX());
    EXPECT_EQ(64, tela.getTabuleiroY());
    EXPECT_EQ(512, tela.getCelulaX(7));
    EXPECT_EQ(96, tela.getX(0));
    EXPECT_EQ(544, tela.getX(7));
    EXPECT_EQ(96, tela.getY(0));
}

TEST(Tela, PainelImparEhDivididoAntesDaSoma) {
    DriverFixo driver(640, 640, 81);
    Tela tela(&driver);
    EXPECT_EQ(84, tela.getTabuleiroY());
    EXPECT_EQ(116, tela.getY(0));
    EXPECT_EQ(84 + 64 * 3, tela.getCelulaY(3));
    // The board moves down as soon as the panel height is known.
    driver.painel = 0;
    EXPECT_EQ(64, tela.getTabuleiroY());
}

TEST(Tela, JanelaMaisAltaQueLarga) {
    DriverFixo driver(600, 800, 0);
    Tela tela(&driver);
    EXPECT_EQ(60, tela.getCelulaDIM());
    EXPECT_EQ(480, tela.getTabuleiroDIM());
    EXPECT_EQ(60, tela.getTabuleiroX());
    EXPECT_EQ(160, tela.getTabuleiroY());
    EXPECT_EQ(90, tela.getX(0));
}

TEST(Tela, MeioPixelTruncadoParaEsquerda) {
    // 645 - 512 = 133 is odd: the board starts at 66, not 66.5.
    DriverFixo driver(645, 640, 0);
    Tela tela(&driver);
    EXPECT_EQ(64, tela.getCelulaDIM());
    EXPECT_EQ(66, tela.getTabuleiroX());
    // 0.1 * 645 would round 64.5 up: the smaller side decides.
    DriverFixo largo(645, 645, 0);
    Tela telaLarga(&largo);
    EXPECT_EQ(65, telaLarga.getCelulaDIM());
}

}  // namespace
