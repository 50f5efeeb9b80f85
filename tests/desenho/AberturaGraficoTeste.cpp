#include <gtest/gtest.h>

#include <memory>

#include <SDL_ttf.h>

#include "DesenhoTesteApoio.h"
#include "desenho/AberturaGrafico.h"
#include "jogo/Jogo.h"

namespace {

struct CenaAbertura {
    CenaAbertura(GUI& gui, const ImagensTeste& imagens) : gui(gui), jogo(&driver) {
        abertura.reset(new AberturaGrafico(&gui, &jogo));
        NoDiretorio aqui(imagens.getDir());
        abertura->inicializa();
    }
    ~CenaAbertura() { abertura->finaliza(); }
    SDL_Surface* desenha() {
        abertura->desenha(gui.getRenderer());
        return gui.getTela();
    }
    // A menu-relative rectangle in window coordinates.
    SDL_Rect naJanela(SDL_Rect r) {
        SDL_Rect m = abertura->getMenuRect();
        return SDL_Rect{r.x + m.x, r.y + m.y, r.w, r.h};
    }

    GUI& gui;
    DriverTeste driver;
    Jogo jogo;
    std::unique_ptr<AberturaGrafico> abertura;
};

int altura(GUI& gui, const char* texto) {
    int w = 0, h = 0;
    EXPECT_EQ(0, TTF_SizeText(gui.getFonte(), texto, &w, &h));
    return h;
}

TEST(AberturaGrafico, CaixaDe320EmY235SobreOFundoCentrado) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaAbertura cena(gui, imagens);
        SDL_Surface* tela = cena.desenha();
        SDL_Color fundo = ImagensTeste::corAbertura();

        SDL_Rect m = cena.abertura->getMenuRect();
        int h = altura(gui, "Op\xe7\xf5" "es") + altura(gui, "Humano") + altura(gui, "Normal") +
                altura(gui, "Jogar") + 130;
        EXPECT_EQ(160, m.x);
        EXPECT_EQ(235, m.y);
        EXPECT_EQ(320, m.w);
        EXPECT_EQ(h, m.h);

        // Picture centred: 400 by 400 from (120, 120); black around it.
        EXPECT_TRUE(igual(pixel(tela, 120, 120), fundo));
        EXPECT_TRUE(igual(pixel(tela, 519, 519), fundo));
        EXPECT_COR(pixel(tela, 119, 200), 0, 0, 0);
        EXPECT_COR(pixel(tela, 520, 200), 0, 0, 0);
        EXPECT_COR(pixel(tela, 200, 119), 0, 0, 0);
        EXPECT_COR(pixel(tela, 200, 520), 0, 0, 0);

        // White outline on the box's own edge, black fill inside.
        EXPECT_COR(pixel(tela, 160, 240), 255, 255, 255);
        EXPECT_COR(pixel(tela, 479, 240), 255, 255, 255);
        EXPECT_COR(pixel(tela, 300, 235), 255, 255, 255);
        EXPECT_COR(pixel(tela, 300, 235 + h - 1), 255, 255, 255);
        EXPECT_TRUE(igual(pixel(tela, 159, 240), fundo));
        EXPECT_TRUE(igual(pixel(tela, 480, 240), fundo));
        EXPECT_TRUE(igual(pixel(tela, 300, 234), fundo));
        EXPECT_TRUE(igual(pixel(tela, 300, 235 + h), fundo));
        EXPECT_COR(pixel(tela, 162, 237), 0, 0, 0);

        // Level buttons 300 wide at x 10 with a 10-pixel gap; the start
        // button centred, 20 below the second one, filled blue with a white
        // outline.
        SDL_Rect b1 = cena.abertura->getJogadorUmOpBT();
        SDL_Rect b2 = cena.abertura->getJogadorDoisOpBT();
        SDL_Rect bj = cena.abertura->getJogarBT();
        EXPECT_EQ(10, b1.x);
        EXPECT_EQ(300, b1.w);
        EXPECT_EQ(b1.y + b1.h + 10, b2.y);
        EXPECT_EQ(b2.y + b2.h + 20, bj.y);
        EXPECT_EQ(320 - bj.w - bj.x, bj.x + (320 - bj.w) % 2);
        EXPECT_EQ(m.h, bj.y + bj.h + 10);
        SDL_Rect j = cena.naJanela(bj);
        EXPECT_COR(pixel(tela, j.x + 3, j.y + 3), 0, 0, 200);
        EXPECT_COR(pixel(tela, j.x, j.y + 3), 255, 255, 255);
        EXPECT_COR(pixel(tela, j.x + j.w - 1, j.y + j.h - 1), 255, 255, 255);

        // Texts in their colours: the title white, the levels blue.
        EXPECT_GT(contaCor(tela, cena.naJanela(cena.abertura->getOpcoesRect()), 255, 255, 255), 10);
        EXPECT_GT(contaCor(tela, cena.naJanela(cena.abertura->getJogadorNivelRect()), 50, 100, 225), 10);
        EXPECT_GT(contaCor(tela, cena.naJanela(cena.abertura->getComputadorNivelRect()), 50, 100, 225), 10);
        EXPECT_GT(contaCor(tela, cena.naJanela(cena.abertura->getJogarRect()), 255, 255, 255), 10);
    });
}

TEST(AberturaGrafico, AcertosInclusivosNasBordasEFalsosAntesDoPrimeiroQuadro) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaAbertura cena(gui, imagens);
        AberturaGrafico* a = cena.abertura.get();
        for (int x = 0; x < 640; x += 7) {
            for (int y = 0; y < 640; y += 7) {
                ASSERT_FALSE(a->isMouseJogadorUmOpBT(x, y) || a->isMouseJogadorDoisOpBT(x, y) ||
                             a->isMouseJogarBT(x, y))
                    << x << "," << y;
            }
        }
        cena.desenha();

        struct Caso {
            SDL_Rect bt;
            bool (AberturaGrafico::*teste)(int, int);
        } casos[3] = {{a->getJogadorUmOpBT(), &AberturaGrafico::isMouseJogadorUmOpBT},
                      {a->getJogadorDoisOpBT(), &AberturaGrafico::isMouseJogadorDoisOpBT},
                      {a->getJogarBT(), &AberturaGrafico::isMouseJogarBT}};
        for (int k = 0; k < 3; k++) {
            SCOPED_TRACE(k);
            SDL_Rect b = cena.naJanela(casos[k].bt);
            auto acerta = [&](int x, int y) { return (a->*casos[k].teste)(x, y); };
            EXPECT_TRUE(acerta(b.x, b.y));
            EXPECT_TRUE(acerta(b.x + b.w, b.y + b.h));
            EXPECT_TRUE(acerta(b.x + b.w, b.y));
            EXPECT_TRUE(acerta(b.x, b.y + b.h));
            EXPECT_FALSE(acerta(b.x - 1, b.y));
            EXPECT_FALSE(acerta(b.x, b.y - 1));
            EXPECT_FALSE(acerta(b.x + b.w + 1, b.y));
            EXPECT_FALSE(acerta(b.x, b.y + b.h + 1));
            EXPECT_TRUE(a->isMouseEmBT(&casos[k].bt, b.x + b.w / 2, b.y + b.h / 2));
        }
        // Only one button answers for a point of the first one.
        SDL_Rect b1 = cena.naJanela(a->getJogadorUmOpBT());
        EXPECT_FALSE(a->isMouseJogadorDoisOpBT(b1.x + 5, b1.y + 5));
        EXPECT_FALSE(a->isMouseJogarBT(b1.x + 5, b1.y + 5));
        EXPECT_EQ(170, b1.x);
    });
}

TEST(AberturaGrafico, DestaqueSoNaOpcaoSobOMouse) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaAbertura cena(gui, imagens);
        AberturaGrafico* a = cena.abertura.get();
        auto fundoDe = [&](SDL_Surface* tela, SDL_Rect bt) {
            SDL_Rect b = cena.naJanela(bt);
            return pixel(tela, b.x + 3, b.y + 3);
        };

        a->sobreOpcao(1);
        SDL_Surface* tela = cena.desenha();
        EXPECT_COR(fundoDe(tela, a->getJogadorUmOpBT()), 50, 120, 180);
        EXPECT_COR(fundoDe(tela, a->getJogadorDoisOpBT()), 0, 0, 0);
        EXPECT_COR(fundoDe(tela, a->getJogarBT()), 0, 0, 200);
        EXPECT_GT(contaCor(tela, cena.naJanela(a->getJogadorNivelRect()), 0, 255, 0), 10);
        EXPECT_EQ(0, contaCor(tela, cena.naJanela(a->getComputadorNivelRect()), 0, 255, 0));
        EXPECT_GT(contaCor(tela, cena.naJanela(a->getComputadorNivelRect()), 50, 100, 225), 10);
        // The button keeps its black outline.
        SDL_Rect b1 = cena.naJanela(a->getJogadorUmOpBT());
        EXPECT_COR(pixel(tela, b1.x, b1.y + 3), 0, 0, 0);

        a->sobreOpcao(2);
        tela = cena.desenha();
        EXPECT_COR(fundoDe(tela, a->getJogadorUmOpBT()), 0, 0, 0);
        EXPECT_COR(fundoDe(tela, a->getJogadorDoisOpBT()), 50, 120, 180);
        EXPECT_GT(contaCor(tela, cena.naJanela(a->getComputadorNivelRect()), 0, 255, 0), 10);

        a->sobreOpcao(3);
        tela = cena.desenha();
        EXPECT_COR(fundoDe(tela, a->getJogadorDoisOpBT()), 0, 0, 0);
        EXPECT_COR(fundoDe(tela, a->getJogarBT()), 50, 120, 180);
        EXPECT_GT(contaCor(tela, cena.naJanela(a->getJogarRect()), 200, 200, 200), 10);
        EXPECT_EQ(0, contaCor(tela, cena.naJanela(a->getJogarRect()), 255, 255, 255));

        a->sobreOpcao(0);
        tela = cena.desenha();
        EXPECT_COR(fundoDe(tela, a->getJogadorUmOpBT()), 0, 0, 0);
        EXPECT_COR(fundoDe(tela, a->getJogadorDoisOpBT()), 0, 0, 0);
        EXPECT_COR(fundoDe(tela, a->getJogarBT()), 0, 0, 200);
        EXPECT_EQ(0, contaCor(tela, cena.naJanela(a->getJogadorNivelRect()), 0, 255, 0));
    });
}

TEST(AberturaGrafico, SemFundoPretoENivelForaDaTabelaSemNome) {
    ImagensTeste imagens({"img/abertura.png"});
    naJanela([&](GUI& gui) {
        testing::internal::CaptureStderr();
        CenaAbertura cena(gui, imagens);
        std::string erros = testing::internal::GetCapturedStderr();
        EXPECT_NE(std::string::npos, erros.find("xadrez: cannot load " + imagens.getDir() + "/img/abertura.png: ")) << erros;

        cena.jogo.setNivel(false, 10);
        cena.jogo.setNivel(true, 2);
        SDL_Surface* tela = cena.desenha();
        EXPECT_COR(pixel(tela, 10, 10), 0, 0, 0);
        EXPECT_COR(pixel(tela, 630, 630), 0, 0, 0);
        EXPECT_COR(pixel(tela, 160, 240), 255, 255, 255);

        AberturaGrafico* a = cena.abertura.get();
        EXPECT_EQ(0, a->getJogadorNivelRect().w);
        // Nothing but the fill right of the label in the player's button.
        SDL_Rect b1 = cena.naJanela(a->getJogadorUmOpBT());
        SDL_Rect nivel = cena.naJanela(a->getJogadorNivelRect());
        SDL_Rect resto = {nivel.x, b1.y + 1, b1.x + b1.w - 1 - nivel.x, b1.h - 2};
        EXPECT_EQ(resto.w * resto.h, contaCor(tela, resto, 0, 0, 0));
        // "Fácil" for the computer's side, drawn from its Latin-1 bytes.
        int w = 0, h = 0;
        TTF_SizeText(gui.getFonte(), "F\xe1" "cil", &w, &h);
        EXPECT_EQ(w, a->getComputadorNivelRect().w);
        EXPECT_GT(contaCor(tela, cena.naJanela(a->getComputadorNivelRect()), 50, 100, 225), 10);
    });
}

}  // namespace
