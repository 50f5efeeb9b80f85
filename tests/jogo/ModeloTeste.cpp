#include "Apoio.h"

#include "jogo/JogadaEnPassant.h"
#include "jogo/JogadaRoque.h"
#include "jogo/PecaMov.h"

namespace {

TEST(Jogo, PosicaoInicialEBuscasPorCasa) {
    Jogo jogo(nullptr);
    jogo.reinicia();
    EXPECT_EQ(jogo.getJogadorPeca(4), jogo.getPeca(4, 7));
    EXPECT_EQ(Jogo::REI, jogo.getPeca(4, 7)->getTipo());
    EXPECT_EQ(jogo.getComputadorPeca(3), jogo.getPeca(3, 0));
    EXPECT_EQ(Jogo::RAINHA, jogo.getPeca(3, 0)->getTipo());
    EXPECT_EQ(jogo.getJogadorPeca(8), jogo.getPeca(0, 6));
    EXPECT_EQ(nullptr, jogo.getPeca(4, 4));
    int tipos[8] = {1, 2, 3, 4, 5, 3, 2, 1};
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(tipos[i], jogo.getComputadorPeca(i)->getTipo());
        EXPECT_EQ(i, jogo.getComputadorPeca(i)->getPosX());
        EXPECT_EQ(0, jogo.getComputadorPeca(i)->getPosY());
        EXPECT_EQ(6, jogo.getJogadorPeca(8 + i)->getPosY());
        EXPECT_TRUE(jogo.getComputadorPeca(8 + i)->isDeComp());
        EXPECT_FALSE(jogo.getJogadorPeca(8 + i)->isDeComp());
    }
    EXPECT_FALSE(jogo.isVezComputador());
}

TEST(Jogo, PecaRemovidaEhIgnoradaNasBuscas) {
    Jogo jogo(nullptr);
    jogo.reinicia();
    Peca* velha = jogo.getComputadorPeca(10);
    velha->setPosX(2);
    velha->setPosY(2);
    velha->setRemovida(true);
    Peca* nova = jogo.getComputadorPeca(9);
    nova->setPosX(2);
    nova->setPosY(2);
    EXPECT_EQ(nova, jogo.getPeca(2, 2));
    EXPECT_EQ(nova, jogo.getComputadorPeca(2, 2));
    EXPECT_EQ(nova, jogo.getPeca(jogo.getJogadorPecas(), jogo.getComputadorPecas(), 2, 2));
    EXPECT_EQ(nullptr, jogo.getPeca(jogo.getComputadorPecas(), 10));
    EXPECT_EQ(nova, jogo.getPeca(jogo.getComputadorPecas(), 9));
    // The player's set is searched first, even if both sides stood there.
    Peca* branca = jogo.getJogadorPeca(0);
    branca->setPosX(2);
    branca->setPosY(2);
    EXPECT_EQ(branca, jogo.getPeca(2, 2));
}

TEST(Jogo, NiveisContadoresETextos) {
    Jogo jogo(nullptr);
    EXPECT_EQ(1, jogo.getNivel(false));
    EXPECT_EQ(3, jogo.getNivel(true));
    // White: Humano, then every level in rising strength; black: the levels, then Humano.
    std::vector<int> jog, comp;
    for (int i = 0; i < 10; i++) {
        jogo.incNivel(false);
        jog.push_back(jogo.getNivel(false));
        EXPECT_EQ(jogo.getNivel(false) == 1, jogo.isJogadorHumano());
    }
    for (int i = 0; i < 10; i++) {
        jogo.incNivel(true);
        comp.push_back(jogo.getNivel(true));
    }
    EXPECT_EQ((std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 1, 2}), jog);
    EXPECT_EQ((std::vector<int>{4, 5, 6, 7, 8, 9, 1, 2, 3, 4}), comp);

    EXPECT_EQ("", jogo.getNivelString(0));
    EXPECT_EQ("", jogo.getNivelString(10));
    EXPECT_EQ("Clube", jogo.getNivelString(7));
    EXPECT_EQ("Perito", jogo.getNivelString(9));
    EXPECT_EQ("Humano", jogo.getNivelString(1));
    EXPECT_EQ(std::string("F\xe1" "cil"), jogo.getNivelString(2));
    EXPECT_EQ("Normal", jogo.getNivelString(3));
    EXPECT_EQ(std::string("Dif\xed" "cil"), jogo.getNivelString(4));

    jogo.reinicia();
    jogo.incVitoriasCont(true);
    jogo.incVitoriasCont(false);
    jogo.incVitoriasCont(false);
    jogo.incEmpatesCont();
    jogo.incJogadaRepetidaCont(true);
    jogo.setAudioLigado(false);
    jogo.setPausa(true);
    jogo.setFim(true);
    jogo.setStatus(2);
    jogo.setVezComputador(true);
    jogo.setUltimoMov(new PecaMov(1, 1, 1, 3, true));
    jogo.reinicia();
    EXPECT_EQ(1, jogo.getVitoriasCont(true));
    EXPECT_EQ(2, jogo.getVitoriasCont(false));
    EXPECT_EQ(1, jogo.getEmpatesCont());
    EXPECT_EQ(1, jogo.getJogadaRepetidaCont(true));
    EXPECT_EQ(4, jogo.getNivel(true));
    EXPECT_EQ(2, jogo.getNivel(false));
    EXPECT_TRUE(jogo.isAudioLigado());
    EXPECT_FALSE(jogo.isPausa());
    EXPECT_FALSE(jogo.isFim());
    EXPECT_EQ(0, jogo.getStatus());
    EXPECT_FALSE(jogo.isVezComputador());
    EXPECT_EQ(nullptr, jogo.getUltimoMov(true));
    jogo.zeraJogadaRepetidaCont(true);
    EXPECT_EQ(0, jogo.getJogadaRepetidaCont(true));
}

TEST(Jogo, UltimoMovPorLado) {
    Jogo jogo(nullptr);
    jogo.reinicia();
    PecaMov* branco = new PecaMov(4, 6, 4, 4, false);
    jogo.setUltimoMov(branco);
    PecaMov* preto = new PecaMov(4, 1, 4, 3, true);
    jogo.setUltimoMov(preto);
    EXPECT_EQ(branco, jogo.getUltimoMov(false));
    EXPECT_EQ(preto, jogo.getUltimoMov(true));
    // The replaced record is released; the other side's stays.
    jogo.setUltimoMov(new PecaMov(3, 1, 3, 2, true));
    EXPECT_EQ(branco, jogo.getUltimoMov(false));
    EXPECT_EQ(2, jogo.getUltimoMov(true)->getY2());
}

TEST(Peca, CopiaEIgualdade) {
    Peca p(false, Jogo::PEAO, 3, 1);
    p.setTipo(Jogo::RAINHA);
    p.setMoveuContador(5);
    p.incJogadaCont();
    p.setAnimPosX(7);
    Peca* c = p.nova();
    EXPECT_NE(&p, c);
    EXPECT_EQ(Jogo::RAINHA, c->getTipo());
    EXPECT_EQ(5, c->getMoveuContador());
    EXPECT_EQ(1, c->getJogadaCont());
    EXPECT_EQ(7, c->getAnimPosX());
    Peca outra(true, Jogo::TORRE, 3, 1);
    outra.setRemovida(true);
    EXPECT_TRUE(p.isIgual(&outra));
    EXPECT_FALSE(p.isIgual(nullptr));
    c->setPosY(2);
    EXPECT_FALSE(p.isIgual(c));
    delete c;
}

TEST(Jogada, CopiasSaoDaJogadaENaoDaPosicao) {
    Peca capturada(true, Jogo::PEAO, 4, 3);
    {
        Jogada j(4, 3, &capturada, 1);
        ASSERT_NE(nullptr, j.getCaptura());
        EXPECT_NE(&capturada, j.getCaptura());
        capturada.setRemovida(true);
        EXPECT_FALSE(j.getCaptura()->isRemovida());
    }
    // Deleting the move left the piece alone.
    EXPECT_EQ(4, capturada.getPosX());

    Jogada semCaptura(1, 1, nullptr, 1);
    Jogada* copiaSem = semCaptura.nova();
    EXPECT_EQ(nullptr, copiaSem->getCaptura());
    delete copiaSem;

    JogadaEnPassant ep(5, 2, &capturada);
    Jogada* copiaEp = ep.nova();
    EXPECT_EQ(3, copiaEp->getTipo());
    EXPECT_EQ(nullptr, dynamic_cast<JogadaEnPassant*>(copiaEp));
    ASSERT_NE(nullptr, copiaEp->getCaptura());
    EXPECT_NE(ep.getCaptura(), copiaEp->getCaptura());

    Peca rei(true, Jogo::REI, 4, 0), torre(true, Jogo::TORRE, 7, 0);
    JogadaRoque* roque = new JogadaRoque(6, 0, 5, 0, nullptr, &rei, &torre);
    Jogada* copiaRoque = roque->nova();
    delete roque;
    JogadaRoque* r = dynamic_cast<JogadaRoque*>(copiaRoque);
    ASSERT_NE(nullptr, r);
    EXPECT_EQ(6, r->getReiPosX());
    EXPECT_EQ(5, r->getTorrePosX());
    EXPECT_EQ(4, r->getRei()->getPosX());
    EXPECT_EQ(7, r->getTorre()->getPosX());

    JogadaLista origem, destino;
    destino.addJogada(0, 0, nullptr);
    destino.addJogada(0, 1, nullptr);
    destino.addJogada(0, 2, nullptr);
    origem.addJogada(copiaEp);
    origem.addJogada(copiaRoque);
    origem.addJogada(2, 2, &rei);
    origem.copiaPara(&destino);
    ASSERT_EQ(3, destino.getTam());
    EXPECT_NE(nullptr, dynamic_cast<JogadaEnPassant*>(destino.getJogada(0)));
    EXPECT_NE(nullptr, dynamic_cast<JogadaRoque*>(destino.getJogada(1)));
    EXPECT_EQ(2, destino.getJogada(2)->getPosX());
    EXPECT_NE(origem.getJogada(2)->getCaptura(), destino.getJogada(2)->getCaptura());
    EXPECT_EQ(3, origem.getTam());
    destino.deletaTodasAsJogadas();
    EXPECT_EQ(0, destino.getTam());
    destino.deletaTodasAsJogadas();
    EXPECT_EQ(0, destino.getTam());
}

TEST(JogadaLista, ListaCheiaNaoEscreveAlemDoFim) {
    JogadaLista lista;
    for (int i = 0; i < JogadaLista::CAPACIDADE + 5; i++) lista.addJogada(i % 8, i / 8 % 8, nullptr);
    EXPECT_EQ(JogadaLista::CAPACIDADE, lista.getTam());
}

TEST(JogoPecas, CopiaIndependenteDaPosicao) {
    Jogo jogo(nullptr);
    jogo.reinicia();
    JogoPecas copia(&jogo);
    copia.setPecas(jogo.getJogadorPecas(), jogo.getComputadorPecas());
    EXPECT_NE(jogo.getJogadorPeca(4), copia.getJogadorPeca(4));
    copia.getPeca(4, 7)->setPosY(5);
    EXPECT_EQ(7, jogo.getJogadorPeca(4)->getPosY());
    EXPECT_EQ(copia.getJogadorPeca(4), copia.getJogadorPeca(4, 5));
    EXPECT_EQ(nullptr, copia.getComputadorPeca(4, 5));
    EXPECT_EQ(copia.getComputadorPeca(3), copia.getPeca(3, 0));
}

}  // namespace
