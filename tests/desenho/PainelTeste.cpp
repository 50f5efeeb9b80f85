#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <SDL_image.h>
#include <SDL_ttf.h>

#include "CenaJogo.h"
#include "DesenhoTesteApoio.h"
#include "desenho/AudioLigadoDesenho.h"
#include "desenho/MensagemDesenho.h"
#include "desenho/PecaDesenho.h"
#include "jogo/Peca.h"

namespace {

int larguraInfo(GUI& gui, const char* texto) {
    int w = 0, h = 0;
    EXPECT_EQ(0, TTF_SizeText(gui.getInfoFonte(), texto, &w, &h));
    return w;
}

int conta(const std::string& todo, const std::string& parte) {
    int n = 0;
    for (size_t i = todo.find(parte); i != std::string::npos; i = todo.find(parte, i + 1)) n++;
    return n;
}

TEST(InfoDesenho, ItensCentradosNaJanelaComIconeETextoEmDecimal) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaJogo cena(gui, imagens);
        for (int i = 0; i < 12; i++) cena.jogo.incVitoriasCont(false);
        cena.jogo.incEmpatesCont();
        cena.jogo.setNivel(true, 4);
        SDL_Surface* tela = cena.desenha();

        const char* textos[5] = {"Humano", "Dif\xed" "cil", "12", "0", "1"};
        int slots[5] = {ImagensTeste::slot(5, 1), ImagensTeste::slot(5, 2), ImagensTeste::slot(5, 1),
                        ImagensTeste::slot(5, 2), ImagensTeste::slot(5, 3)};
        int total = 0;
        for (const char* t : textos) total += 66 + larguraInfo(gui, t);
        int x = (640 - total) / 2;
        for (int i = 0; i < 5; i++) {
            SCOPED_TRACE(textos[i]);
            // Icon scaled into (x, 16, 36, 36).
            SDL_Color icone = ImagensTeste::corPeca(slots[i]);
            EXPECT_TRUE(igual(pixel(tela, x + 18, 34), icone));
            EXPECT_TRUE(igual(pixel(tela, x + 1, 17), icone));
            EXPECT_TRUE(igual(pixel(tela, x + 34, 50), icone));
            EXPECT_COR(pixel(tela, x + 18, 14), 225, 225, 225);
            EXPECT_COR(pixel(tela, x + 18, 54), 225, 225, 225);
            // Text 46 pixels after the icon's left edge, from y = 25.
            int w = larguraInfo(gui, textos[i]);
            int h = TTF_FontHeight(gui.getInfoFonte());
            EXPECT_GT(contaCor(tela, SDL_Rect{x + 46, 25, w, h}, 0, 50, 200), 0);
            EXPECT_EQ(0, contaCor(tela, SDL_Rect{x + 36, 10, 10, 50}, 0, 50, 200));
            x += 66 + w;
        }
    });
}

TEST(AudioLigadoDesenho, BotaoNoCantoComAreaUmPixelMaiorQueAImagem) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        AudioLigadoDesenho antes;
        EXPECT_FALSE(antes.isMouseEmAudioBT(0, 0));
        EXPECT_FALSE(antes.isMouseEmAudioBT(600, 20));

        CenaJogo cena(gui, imagens);
        AudioLigadoDesenho* audio = cena.grafico->getAudioLigadoDesenho();
        const int w = ImagensTeste::AUDIO_LIGADO_W, h = ImagensTeste::AUDIO_LIGADO_H;
        SDL_Rect bt = audio->getAudioBT();
        EXPECT_EQ(640 - w - 25, bt.x);
        EXPECT_EQ(10, bt.y);
        EXPECT_EQ(w, bt.w);
        EXPECT_EQ(h, bt.h);

        EXPECT_TRUE(audio->isMouseEmAudioBT(bt.x, bt.y));
        EXPECT_TRUE(audio->isMouseEmAudioBT(bt.x + w, bt.y + h));
        EXPECT_TRUE(audio->isMouseEmAudioBT(bt.x + w, bt.y));
        EXPECT_FALSE(audio->isMouseEmAudioBT(bt.x - 1, bt.y));
        EXPECT_FALSE(audio->isMouseEmAudioBT(bt.x, bt.y - 1));
        EXPECT_FALSE(audio->isMouseEmAudioBT(bt.x + w + 1, bt.y));
        EXPECT_FALSE(audio->isMouseEmAudioBT(bt.x, bt.y + h + 1));

        SDL_Surface* tela = cena.desenha();
        EXPECT_TRUE(igual(pixel(tela, bt.x, bt.y), ImagensTeste::corAudioLigado()));
        EXPECT_TRUE(igual(pixel(tela, bt.x + w - 1, bt.y + h - 1), ImagensTeste::corAudioLigado()));
        EXPECT_COR(pixel(tela, bt.x + w, bt.y + h), 225, 225, 225);

        // Sound off: the other picture, stretched to the same rectangle.
        cena.jogo.setAudioLigado(false);
        tela = cena.desenha();
        EXPECT_TRUE(igual(pixel(tela, bt.x + 1, bt.y + 1), ImagensTeste::corAudioDesligado()));
        EXPECT_TRUE(igual(pixel(tela, bt.x + w - 2, bt.y + h - 2), ImagensTeste::corAudioDesligado()));
        EXPECT_COR(pixel(tela, bt.x + w, bt.y + h), 225, 225, 225);
    });
}

TEST(JogoGrafico, ImagemFaltandoAvisadaUmaVezEPulada) {
    ImagensTeste imagens({"img/peao-branco.png", "img/rei-preto.png", "img/audio-ligado.png"});
    naJanela([&](GUI& gui) {
        testing::internal::CaptureStderr();
        std::string erros;
        {
            CenaJogo cena(gui, imagens);
            SDL_Surface* tela = cena.desenha();
            cena.desenha();
            erros = testing::internal::GetCapturedStderr();

            for (int i = 0; i < 8; i++) {
                EXPECT_TRUE(corDeCasa(pixel(tela, cena.centroX(i), cena.centroY(6)), i, 6));
                EXPECT_TRUE(igual(pixel(tela, cena.centroX(i), cena.centroY(1)),
                                  ImagensTeste::corPeca(ImagensTeste::slot(6, 2))));
            }
            EXPECT_TRUE(corDeCasa(pixel(tela, cena.centroX(4), cena.centroY(0)), 4, 0));
            EXPECT_TRUE(igual(pixel(tela, cena.centroX(4), cena.centroY(7)),
                              ImagensTeste::corPeca(ImagensTeste::slot(5, 1))));

            // Only the sound-off picture: the button takes its size.
            SDL_Rect bt = cena.grafico->getAudioLigadoDesenho()->getAudioBT();
            EXPECT_EQ(ImagensTeste::AUDIO_DESLIGADO_W, bt.w);
            EXPECT_EQ(640 - ImagensTeste::AUDIO_DESLIGADO_W - 25, bt.x);
            EXPECT_COR(pixel(tela, bt.x + 2, bt.y + 2), 225, 225, 225);
        }
        EXPECT_EQ(1, conta(erros, "xadrez: cannot load " + imagens.getDir() + "/img/peao-branco.png: ")) << erros;
        EXPECT_EQ(1, conta(erros, "xadrez: cannot load " + imagens.getDir() + "/img/rei-preto.png: ")) << erros;
        EXPECT_EQ(1, conta(erros, "xadrez: cannot load " + imagens.getDir() + "/img/audio-ligado.png: ")) << erros;
        EXPECT_EQ(3, conta(erros, "\n")) << erros;
    });
}

TEST(JogoGrafico, SemFonteDesenhaTudoMenosOsTextos) {
    ImagensTeste imagens;
    // No arial.ttf in the pictures' folder: the window opens without fonts.
    NoDiretorio aqui(imagens.getDir());
    testing::internal::CaptureStderr();
    naJanela([&](GUI& gui) {
        ASSERT_EQ(nullptr, gui.getFonte());
        CenaJogo cena(gui, imagens);
        cena.grafico->getMensagemDesenho()->setMensagem("Pausa!");
        SDL_Surface* tela = cena.desenha();
        EXPECT_EQ(50, cena.grafico->getInfoDesenho()->getPainelAltura());
        // An empty box of 2 x 10 pixels around the board's centre.
        int by = cena.tela()->getTabuleiroY();
        EXPECT_EQ(20, contaCor(tela, SDL_Rect{0, by + 256 - 10, 640, 1}, 255, 255, 255));
        EXPECT_TRUE(igual(pixel(tela, cena.centroX(0), cena.centroY(7)),
                          ImagensTeste::corPeca(ImagensTeste::slot(1, 1))));
    });
    std::string erros = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, erros.find("arial.ttf")) << erros;
}

// The pictures generated by the build, drawn as the game draws them.
TEST(JogoGrafico, ImagensDoJogoCabemNaCasaEApareceNoTabuleiro) {
    for (int s = 0; s < PecaDesenho::NUM_IMGS; s++) {
        if (!std::filesystem::exists(PecaDesenho::getArquivo(s))) {
            GTEST_SKIP() << PecaDesenho::getArquivo(s) << " not generated";
        }
    }
    naJanela([&](GUI& gui) {
        DriverTeste driver;
        Jogo jogo(&driver);
        JogoGrafico grafico(&jogo, &gui);
        grafico.inicializa();
        driver.info = grafico.getInfoDesenho();
        jogo.reinicia();
        for (int tipo = 1; tipo <= 6; tipo++) {
            for (int cor = 1; cor <= 3; cor++) {
                SDL_Surface* img = grafico.getPecaDesenho()->getPecaIMG(tipo, cor);
                ASSERT_NE(nullptr, img);
                EXPECT_LE(img->w, 64);
                EXPECT_LE(img->h, 64);
            }
        }
        grafico.desenha(gui.getRenderer());
        Tela* t = jogo.getTela();
        for (int i = 0; i < 8; i++) {
            for (int j : {0, 1, 6, 7}) {
                SDL_Rect casa = {t->getCelulaX(i), t->getCelulaY(j), 64, 64};
                int cor = (i + j) % 2 == 0 ? 0 : 1;
                int fundo = cor == 0 ? contaCor(gui.getTela(), casa, 220, 220, 175)
                                     : contaCor(gui.getTela(), casa, 150, 150, 100);
                EXPECT_LT(fundo, 64 * 64 - 300) << "piece at " << i << "," << j;
            }
        }
        grafico.finaliza();
    });
}

}  // namespace
