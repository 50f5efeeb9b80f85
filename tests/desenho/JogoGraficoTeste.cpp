#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <SDL_ttf.h>

#include "CenaJogo.h"
#include "DesenhoTesteApoio.h"
#include "desenho/ControlesDesenho.h"
#include "desenho/MensagemDesenho.h"
#include "desenho/PecaDesenho.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaEnPassant.h"
#include "jogo/JogadaLista.h"
#include "jogo/Peca.h"

namespace {

const int LUZ_R = 220, LUZ_G = 220, LUZ_B = 175;
const int MARC_R = 200, MARC_G = 200, MARC_B = 255;

// Legal moves of the piece on (x, y) become the game's selection, as the
// controller does on a click.
void seleciona(Jogo& jogo, int x, int y) {
    Peca* p = jogo.getPeca(x, y);
    ASSERT_NE(nullptr, p);
    JogadaLista* lista = jogo.getJogadasPossiveis();
    lista->deletaTodasAsJogadas();
    jogo.calculaJogadasPossiveis(lista, &jogo, x, y, p->getTipo(), p->isDeComp(), false);
    jogo.filtraJogadas(lista, jogo.getJogadorPecas(), jogo.getComputadorPecas(), x, y,
                       p->isDeComp());
    jogo.setJogadorJogadaPeca(p);
}

TEST(PecaDesenho, CadaTipoECorTemSeuArquivoEOResto) {
    ImagensTeste imagens;
    PecaDesenho desenho;
    {
        NoDiretorio aqui(imagens.getDir());
        desenho.carregaIMGs();
    }
    // Rook: white slot 4, black 3, red 5; pawn comes first in the slots.
    EXPECT_EQ(ImagensTeste::larguraPeca(4), desenho.getPecaIMG(1, 1)->w);
    EXPECT_EQ(ImagensTeste::larguraPeca(3), desenho.getPecaIMG(1, 2)->w);
    EXPECT_EQ(ImagensTeste::larguraPeca(5), desenho.getPecaIMG(1, 3)->w);
    EXPECT_EQ(ImagensTeste::larguraPeca(1), desenho.getPecaIMG(6, 1)->w);
    for (int tipo = 1; tipo <= 6; tipo++) {
        for (int cor = 1; cor <= 3; cor++) {
            ASSERT_NE(nullptr, desenho.getPecaIMG(tipo, cor));
            EXPECT_EQ(ImagensTeste::larguraPeca(ImagensTeste::slot(tipo, cor)),
                      desenho.getPecaIMG(tipo, cor)->w)
                << "tipo " << tipo << " cor " << cor;
        }
    }
    EXPECT_EQ(nullptr, desenho.getPecaIMG(0, 1));
    EXPECT_EQ(nullptr, desenho.getPecaIMG(7, 1));
    EXPECT_EQ(nullptr, desenho.getPecaIMG(1, 0));
    EXPECT_EQ(nullptr, desenho.getPecaIMG(1, 4));
    desenho.liberaIMGs();
    EXPECT_EQ(nullptr, desenho.getPecaIMG(4, 1));
}

TEST(JogoGrafico, PainelMedidoNoPrimeiroQuadroDesceOTabuleiroEAsCasasAlternam) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaJogo cena(gui, imagens);
        cena.posicao("7k/8/8/8/8/8/8/K7 w - - 0 1");
        EXPECT_EQ(0, cena.grafico->getInfoDesenho()->getPainelAltura());
        EXPECT_EQ(64, cena.tela()->getTabuleiroY());

        SDL_Surface* tela = cena.desenha();
        int w = 0, h = 0;
        ASSERT_EQ(0, TTF_SizeText(gui.getFonte(), "0", &w, &h));
        int painel = cena.grafico->getInfoDesenho()->getPainelAltura();
        EXPECT_EQ(h + 50, painel);
        // The board sits below the panel from this very frame on.
        int y0 = ((640 - painel / 2) - 512) / 2 + painel / 2;
        ASSERT_EQ(y0, cena.tela()->getTabuleiroY());
        ASSERT_GT(y0, 64);

        // Frame, 20 pixels around the board, then background.
        EXPECT_COR(pixel(tela, 64 - 20, y0 - 20), 100, 100, 50);
        EXPECT_COR(pixel(tela, 64 + 512 + 19, y0 + 512 + 19), 100, 100, 50);
        EXPECT_COR(pixel(tela, 64 - 1, y0 + 200), 100, 100, 50);
        EXPECT_COR(pixel(tela, 64 - 21, y0 - 21), 225, 225, 225);
        EXPECT_COR(pixel(tela, 64 + 512 + 20, y0 + 512 + 20), 225, 225, 225);

        // Top-left light; squares alternate; nothing is marked.
        EXPECT_COR(pixel(tela, 64, y0), LUZ_R, LUZ_G, LUZ_B);
        EXPECT_COR(pixel(tela, 64 + 511, y0 + 511), LUZ_R, LUZ_G, LUZ_B);
        EXPECT_COR(pixel(tela, 64 + 64, y0), 150, 150, 100);
        for (int i = 0; i < 8; i++) {
            for (int j = 0; j < 8; j++) {
                EXPECT_TRUE(corDeCasa(pixel(tela, cena.cantoX(i), cena.cantoY(j)), i, j))
                    << i << "," << j;
                if (cena.jogo.getPeca(i, j) == nullptr) {
                    EXPECT_TRUE(corDeCasa(pixel(tela, cena.centroX(i), cena.centroY(j)), i, j))
                        << i << "," << j;
                }
            }
        }
    });
}

TEST(JogoGrafico, AlvosEPecaSelecionadaMarcadosCapturaVermelha) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaJogo cena(gui, imagens);
        // White rook d4 with a black knight d5 in front of it.
        cena.posicao("4k3/8/8/3n4/3R4/8/8/4K3 w - - 0 1");
        seleciona(cena.jogo, 3, 4);
        ASSERT_EQ(11, cena.jogo.getJogadasPossiveis()->getTam());
        SDL_Surface* tela = cena.desenha();

        bool alvo[8][8] = {};
        JogadaLista* lista = cena.jogo.getJogadasPossiveis();
        for (int k = 0; k < lista->getTam(); k++) {
            alvo[lista->getJogada(k)->getPosX()][lista->getJogada(k)->getPosY()] = true;
        }
        alvo[3][4] = true;  // the selected rook's own square
        for (int i = 0; i < 8; i++) {
            for (int j = 0; j < 8; j++) {
                SDL_Color canto = pixel(tela, cena.cantoX(i), cena.cantoY(j));
                if (alvo[i][j]) {
                    EXPECT_COR(canto, MARC_R, MARC_G, MARC_B) << " at " << i << "," << j;
                } else {
                    EXPECT_TRUE(corDeCasa(canto, i, j)) << i << "," << j;
                }
            }
        }
        // The marker's one-pixel outline lies on the cell's own edge.
        EXPECT_COR(pixel(tela, cena.tela()->getCelulaX(2), cena.centroY(4)), 150, 150, 100);
        EXPECT_COR(pixel(tela, cena.tela()->getCelulaX(2) + 1, cena.centroY(4)), MARC_R, MARC_G,
                   MARC_B);
        // An empty target shows the marker at its centre; the knight is red
        // over the marker, the rook is its white self.
        EXPECT_COR(pixel(tela, cena.centroX(0), cena.centroY(4)), MARC_R, MARC_G, MARC_B);
        EXPECT_TRUE(igual(pixel(tela, cena.centroX(3), cena.centroY(3)),
                          ImagensTeste::corPeca(ImagensTeste::slot(2, 3))));
        EXPECT_TRUE(igual(pixel(tela, cena.centroX(3), cena.centroY(4)),
                          ImagensTeste::corPeca(ImagensTeste::slot(1, 1))));

        // Selected but without moves: no marker anywhere.
        lista->deletaTodasAsJogadas();
        tela = cena.desenha();
        EXPECT_TRUE(corDeCasa(pixel(tela, cena.cantoX(3), cena.cantoY(4)), 3, 4));
        EXPECT_TRUE(corDeCasa(pixel(tela, cena.cantoX(3), cena.cantoY(3)), 3, 3));
        EXPECT_TRUE(igual(pixel(tela, cena.centroX(3), cena.centroY(3)),
                          ImagensTeste::corPeca(ImagensTeste::slot(2, 2))));
    });
}

TEST(JogoGrafico, ReiCapturavelNuncaVermelhoOutrasPecasSimDeQualquerLado) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaJogo cena(gui, imagens);
        cena.posicao("4k3/8/8/8/8/8/3P4/4K3 w - - 0 1");
        JogadaLista* lista = cena.jogo.getJogadasPossiveis();
        lista->addJogada(4, 0, cena.jogo.getPeca(4, 0));  // black king
        lista->addJogada(4, 7, cena.jogo.getPeca(4, 7));  // white king
        lista->addJogada(3, 6, cena.jogo.getPeca(3, 6));  // white pawn
        SDL_Surface* tela = cena.desenha();

        EXPECT_TRUE(igual(pixel(tela, cena.centroX(4), cena.centroY(0)),
                          ImagensTeste::corPeca(ImagensTeste::slot(5, 2))));
        EXPECT_TRUE(igual(pixel(tela, cena.centroX(4), cena.centroY(7)),
                          ImagensTeste::corPeca(ImagensTeste::slot(5, 1))));
        EXPECT_TRUE(igual(pixel(tela, cena.centroX(3), cena.centroY(6)),
                          ImagensTeste::corPeca(ImagensTeste::slot(6, 3))));
        // The kings' squares are still marked as targets.
        EXPECT_COR(pixel(tela, cena.cantoX(4), cena.cantoY(0)), MARC_R, MARC_G, MARC_B);
    });
}

TEST(JogoGrafico, EnPassantVermelhoNoPeaoCapturadoMarcadorNoAlvoVazio) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaJogo cena(gui, imagens);
        cena.posicao("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
        seleciona(cena.jogo, 4, 3);
        JogadaLista* lista = cena.jogo.getJogadasPossiveis();
        bool temEnPassant = false;
        for (int k = 0; k < lista->getTam(); k++) {
            temEnPassant |= lista->getJogada(k)->getTipo() == Jogo::JOGADA_EN_PASSANT;
        }
        ASSERT_TRUE(temEnPassant);
        SDL_Surface* tela = cena.desenha();

        // d6: empty target, marked. d5: the captured pawn in red, not marked.
        EXPECT_COR(pixel(tela, cena.centroX(3), cena.centroY(2)), MARC_R, MARC_G, MARC_B);
        EXPECT_TRUE(igual(pixel(tela, cena.centroX(3), cena.centroY(3)),
                          ImagensTeste::corPeca(ImagensTeste::slot(6, 3))));
        EXPECT_TRUE(corDeCasa(pixel(tela, cena.cantoX(3), cena.cantoY(3)), 3, 3));
        // The plain push to e6 is marked too, and the pawn's own square.
        EXPECT_COR(pixel(tela, cena.centroX(4), cena.centroY(2)), MARC_R, MARC_G, MARC_B);
        EXPECT_COR(pixel(tela, cena.cantoX(4), cena.cantoY(3)), MARC_R, MARC_G, MARC_B);
    });
}

TEST(JogoGrafico, PecasRemovidasNaoSaoDesenhadasAsOutrasCentradasNaCasa) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaJogo cena(gui, imagens);
        cena.jogo.getComputadorPeca(3)->setRemovida(true);  // black queen d8
        cena.jogo.getJogadorPeca(12)->setRemovida(true);    // white pawn e2
        SDL_Surface* tela = cena.desenha();

        EXPECT_TRUE(corDeCasa(pixel(tela, cena.centroX(3), cena.centroY(0)), 3, 0));
        EXPECT_TRUE(corDeCasa(pixel(tela, cena.centroX(4), cena.centroY(6)), 4, 6));

        // The black king next door: slot 15, 45 by 29, centred with
        // truncating halves: left at +9, top at +17.
        int s = ImagensTeste::slot(5, 2);
        int x = cena.tela()->getCelulaX(4) + (64 - ImagensTeste::larguraPeca(s)) / 2;
        int y = cena.tela()->getCelulaY(0) + (64 - ImagensTeste::alturaPeca(s)) / 2;
        SDL_Color rei = ImagensTeste::corPeca(s);
        EXPECT_TRUE(igual(pixel(tela, x, y), rei));
        EXPECT_TRUE(igual(pixel(tela, x + 44, y + 28), rei));
        EXPECT_FALSE(igual(pixel(tela, x - 1, y), rei));
        EXPECT_FALSE(igual(pixel(tela, x + 45, y), rei));
        EXPECT_FALSE(igual(pixel(tela, x, y - 1), rei));
        EXPECT_FALSE(igual(pixel(tela, x, y + 29), rei));
    });
}

TEST(JogoGrafico, PecaDeslizandoNoDesvioEPorBaixoDasDesenhadasDepois) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaJogo cena(gui, imagens);
        Peca* torre = cena.jogo.getJogadorPeca(7);  // h1
        torre->setAnimPosX(-10);
        torre->setAnimPosY(-7);
        // Pawn slot 8 (a2) onto a7, under the black pawn of slot 8; pawn slot
        // 9 (b2) onto a7 as well, drawn after it, so on top.
        cena.jogo.getJogadorPeca(8)->setAnimPosY(-5 * 64);
        SDL_Surface* tela = cena.desenha();

        int s = ImagensTeste::slot(1, 1);
        SDL_Color cor = ImagensTeste::corPeca(s);
        int x = cena.tela()->getCelulaX(7) + (64 - ImagensTeste::larguraPeca(s)) / 2 - 10;
        int y = cena.tela()->getCelulaY(7) + (64 - ImagensTeste::alturaPeca(s)) / 2 - 7;
        EXPECT_TRUE(igual(pixel(tela, x, y), cor));
        EXPECT_FALSE(igual(pixel(tela, x - 1, y), cor));
        EXPECT_FALSE(igual(pixel(tela, x, y - 1), cor));
        int xd = x + ImagensTeste::larguraPeca(s) - 1;
        EXPECT_TRUE(igual(pixel(tela, xd, y), cor));
        EXPECT_FALSE(igual(pixel(tela, xd + 1, y), cor));

        EXPECT_TRUE(igual(pixel(tela, cena.centroX(0), cena.centroY(1)),
                          ImagensTeste::corPeca(ImagensTeste::slot(6, 2))));
        // a2 is left empty while its pawn slides.
        EXPECT_TRUE(corDeCasa(pixel(tela, cena.centroX(0), cena.centroY(6)), 0, 6));

        cena.jogo.getJogadorPeca(9)->setAnimPosX(-64);
        cena.jogo.getJogadorPeca(9)->setAnimPosY(-5 * 64);
        tela = cena.desenha();
        EXPECT_TRUE(igual(pixel(tela, cena.centroX(0), cena.centroY(1)),
                          ImagensTeste::corPeca(ImagensTeste::slot(6, 1))));
    });
}

TEST(JogoGrafico, FaixaCentradaNoTabuleiroVintePixelsMaiorQueOTexto) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaJogo cena(gui, imagens);
        cena.posicao("k7/8/8/8/8/8/8/7K w - - 0 1");
        MensagemDesenho* mensagem = cena.grafico->getMensagemDesenho();
        for (const char* texto : {"X", "Movimento inv\xe1lido!"}) {
            SCOPED_TRACE(texto);
            mensagem->setMensagem(texto);
            EXPECT_EQ(texto, mensagem->getMensagem());
            SDL_Surface* tela = cena.desenha();

            int tw = 0, th = 0;
            ASSERT_EQ(0, TTF_SizeText(gui.getFonte(), texto, &tw, &th));
            int by = cena.tela()->getTabuleiroY();
            ASSERT_GT(by, 64);  // the panel moved the board, and the banner with it
            int x = 64 + (512 - tw) / 2;
            int y = by + (512 - th) / 2;
            int esq = x - 10, topo = y - 10;

            // The outline runs exactly tw + 20 along the top and th + 20 down
            // the left side; the whole row and column are scanned.
            EXPECT_EQ(tw + 20, contaCor(tela, SDL_Rect{0, topo, 640, 1}, 255, 255, 255));
            EXPECT_EQ(th + 20, contaCor(tela, SDL_Rect{esq, 0, 1, 640}, 255, 255, 255));
            EXPECT_COR(pixel(tela, esq, topo), 255, 255, 255);
            EXPECT_COR(pixel(tela, esq + tw + 19, topo + th + 19), 255, 255, 255);
            EXPECT_COR(pixel(tela, esq + 1, topo + 1), 0, 0, 200);
            EXPECT_COR(pixel(tela, esq + tw + 18, topo + th + 18), 0, 0, 200);
            EXPECT_EQ(0, contaCor(tela, SDL_Rect{0, topo - 1, 640, 1}, 0, 0, 200));
            EXPECT_EQ(0, contaCor(tela, SDL_Rect{0, topo + th + 20, 640, 1}, 0, 0, 200));

            // White text over its black shadow, both opaque.
            SDL_Rect area = {x, y, tw + 2, th + 2};
            EXPECT_GT(contaCor(tela, area, 255, 255, 255), 10);
            EXPECT_GT(contaCor(tela, area, 0, 0, 0), 10);
        }

        mensagem->removeMensagem();
        EXPECT_EQ("", mensagem->getMensagem());
        SDL_Surface* tela = cena.desenha();
        SDL_Rect tabuleiro = {64, cena.tela()->getTabuleiroY(), 512, 512};
        EXPECT_EQ(0, contaCor(tela, tabuleiro, 0, 0, 200));
        EXPECT_EQ(0, contaCor(tela, tabuleiro, 255, 255, 255));
        mensagem->setMensagem("");
        tela = cena.desenha();
        EXPECT_EQ(0, contaCor(tela, tabuleiro, 0, 0, 200));
    });
}

// Turned, h1 is drawn top left; the last move's squares are tinted; the
// files and ranks follow the board; the column shows only once asked to,
// its take back dimmed while there is nothing to take back.
TEST(JogoGrafico, GiradoUltimoLanceCoordenadasEControles) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaJogo cena(gui, imagens);
        // Pixels of the letter under a column: far lighter than the frame.
        auto contaLetras = [&](SDL_Surface* tela, int coluna) {
            int n = 0, y0 = cena.tela()->getTabuleiroY() + 512;
            for (int x = 64 + 64 * coluna; x < 128 + 64 * coluna; x++) {
                for (int y = y0; y < y0 + 20; y++) n += pixel(tela, x, y).r > 170;
            }
            return n;
        };
        SDL_Surface* tela = cena.desenha();
        int a = contaLetras(tela, 0), h = contaLetras(tela, 7);
        ASSERT_GT(a, 0);
        ASSERT_NE(a, h);

        seleciona(cena.jogo, 4, 6);
        cena.jogo.executaJogada(cena.jogo.getPeca(4, 6), cena.jogo.getJogada(4, 4));
        cena.jogo.getJogadasPossiveis()->deletaTodasAsJogadas();
        cena.jogo.setJogadorJogadaPeca(nullptr);
        cena.tela()->setGirado(true);
        tela = cena.desenha();
        int y0 = cena.tela()->getTabuleiroY();
        EXPECT_COR(pixel(tela, 64 + 3 * 64 + 2, y0 + 1 * 64 + 2), 236, 208, 96);  // e2
        EXPECT_COR(pixel(tela, 64 + 3 * 64 + 2, y0 + 3 * 64 + 2), 236, 208, 96);  // e4
        EXPECT_TRUE(igual(pixel(tela, 64 + 3 * 64 + 32, y0 + 7 * 64 + 32),
                          ImagensTeste::corPeca(ImagensTeste::slot(5, 2))));  // black's king on e8
        EXPECT_EQ(a, contaLetras(tela, 7));
        EXPECT_EQ(h, contaLetras(tela, 0));

        ControlesDesenho* controles = cena.grafico->getControlesDesenho();
        SDL_Rect girar = controles->getBotaoRect(ControlesDesenho::GIRAR);
        SDL_Rect desfazer = controles->getBotaoRect(ControlesDesenho::DESFAZER);
        EXPECT_COR(pixel(tela, girar.x + 5, girar.y + 5), 225, 225, 225);
        EXPECT_EQ(0, controles->getBotaoEm(girar.x + 5, girar.y + 5));
        controles->setVisivel(true);
        tela = cena.desenha();
        EXPECT_EQ(ControlesDesenho::GIRAR, controles->getBotaoEm(girar.x + 5, girar.y + 5));
        EXPECT_TRUE(igual(pixel(tela, girar.x + 5, girar.y + 5), ImagensTeste::corControle(1)));
        EXPECT_TRUE(igual(pixel(tela, desfazer.x + 5, desfazer.y + 5), ImagensTeste::corControle(0)));
        cena.jogo.setNivel(false, Jogo::FACIL);
        tela = cena.desenha();
        SDL_Color apagado = pixel(tela, desfazer.x + 5, desfazer.y + 5);
        EXPECT_FALSE(igual(apagado, ImagensTeste::corControle(0)));
        EXPECT_GT(apagado.r, 225);  // over the background, towards the picture's red
    });
}

// The frame must never see a list or a piece that the game thread is
// changing or freeing. The other thread keeps restarting the game,
// refilling the selection and replacing the banner, under the game's lock
// like the controller does; a frame that read without it would touch freed
// pieces and moves (crash, or a report under the sanitizers).
TEST(JogoGrafico, QuadroNaoLeOJogoEnquantoOutraThreadOMuda) {
    ImagensTeste imagens;
    naJanela([&](GUI& gui) {
        CenaJogo cena(gui, imagens);
        std::atomic<bool> parar{false};
        std::atomic<int> mudancas{0};
        std::thread jogoThread([&] {
            int n = 0;
            while (!parar) {
                {
                    std::lock_guard<std::recursive_mutex> trava(cena.jogo.getTrava());
                    cena.jogo.reinicia();
                    seleciona(cena.jogo, n % 8, 6);
                    cena.jogo.getJogadorPeca(8 + n % 8)->setAnimPosY(-(n % 64));
                }
                cena.grafico->getMensagemDesenho()->setMensagem(std::string(1 + n % 30, 'x'));
                cena.grafico->getMensagemDesenho()->removeMensagem();
                mudancas++;
                n++;
            }
        });
        int quadros = 0;
        while (quadros < 150 || mudancas < 150) {
            cena.desenha();
            quadros++;
        }
        parar = true;
        jogoThread.join();
        EXPECT_GE(quadros, 150);
        EXPECT_GE(mudancas.load(), 150);
    });
}

}  // namespace
