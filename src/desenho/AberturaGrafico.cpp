#include "desenho/AberturaGrafico.h"

#include <mutex>

#include "desenho/DesenhoApoio.h"
#include "gui/GUI.h"
#include "jogo/Jogo.h"

namespace {

const SDL_Color NIVEL_NORMAL = {50, 100, 225, 0};
const SDL_Color NIVEL_SOBRE = {0, 255, 0, 0};
const SDL_Color BT_NORMAL = {0, 0, 0, 255};
const SDL_Color BT_SOBRE = {50, 120, 180, 255};
const SDL_Color JOGAR_NORMAL = {255, 255, 255, 0};
const SDL_Color JOGAR_SOBRE = {200, 200, 200, 0};
const SDL_Color JOGAR_BT_NORMAL = {0, 0, 200, 255};
const SDL_Color BRANCO = {255, 255, 255, 0};
const SDL_Color PRETO = {0, 0, 0, 255};
const SDL_Color CONTORNO_BRANCO = {255, 255, 255, 255};

}  // namespace

AberturaGrafico::AberturaGrafico(GUI* gui, Jogo* jogo)
    : gui(gui),
      jogo(jogo),
      aberturaIMG(nullptr),
      jogadorRotuloRect{0, 0, 0, 0},
      computadorRotuloRect{0, 0, 0, 0},
      menuRect{0, 0, 0, 0},
      opcoesRect{0, 0, 0, 0},
      jogadorUmOpBT{0, 0, 0, 0},
      jogadorDoisOpBT{0, 0, 0, 0},
      jogarBT{0, 0, 0, 0},
      jogadorNivelRect{0, 0, 0, 0},
      computadorNivelRect{0, 0, 0, 0},
      jogarRect{0, 0, 0, 0},
      jogadorNivelCor(NIVEL_NORMAL),
      computadorNivelCor(NIVEL_NORMAL),
      jogarCor(JOGAR_NORMAL),
      jogadorBTCor(BT_NORMAL),
      computadorBTCor(BT_NORMAL),
      jogarBTCor(JOGAR_BT_NORMAL),
      opcoesTexto("Op\xe7\xf5" "es"),
      jogarTexto("Jogar"),
      jogadorRotulo("Brancas:"),
      computadorRotulo("Pretas:"),
      menuMargem(10),
      rotuloRecuo(20),
      nivelRecuo(20),
      jogarRecuo(50),
      menuEspaco(10),
      menuLargura(300),
      layoutPronto(false),
      opcao(0),
      avisoAte(0) {}

AberturaGrafico::~AberturaGrafico() { finaliza(); }

void AberturaGrafico::inicializa() {
    finaliza();
    aberturaIMG = DesenhoApoio::carregaIMG("img/abertura.png");
}

void AberturaGrafico::finaliza() {
    SDL_FreeSurface(aberturaIMG);
    aberturaIMG = nullptr;
}

void AberturaGrafico::desenha(SDL_Renderer* renderer) {
    // Held for the whole frame, as the game screen does, so that whoever
    // looks at the layout or the frame under the lock sees a finished one.
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);

    if (aberturaIMG != nullptr) {
        int largura = 0, altura = 0;
        gui->carregaTelaDIM(&largura, &altura);
        SDL_Rect destino = {(largura - aberturaIMG->w) / 2, (altura - aberturaIMG->h) / 2,
                            aberturaIMG->w, aberturaIMG->h};
        DesenhoApoio::copiaIMG(renderer, aberturaIMG, &destino);
    }

    desenhaMenu(renderer);
    desenhaAviso(renderer);
    SDL_RenderPresent(renderer);
}

void AberturaGrafico::setAviso(const std::string& texto, Uint32 ms) {
    aviso = texto;
    avisoAte = SDL_GetTicks() + ms;
}

std::string AberturaGrafico::getAviso() const {
    return SDL_TICKS_PASSED(SDL_GetTicks(), avisoAte) ? std::string() : aviso;
}

// Centred under the menu box, in the box's own black and white.
void AberturaGrafico::desenhaAviso(SDL_Renderer* renderer) {
    std::string texto = getAviso();
    if (texto.empty()) {
        return;
    }
    int tw = 0, th = 0;
    DesenhoApoio::medeTexto(gui->getFonte(), texto.c_str(), &tw, &th);
    int largura = 0, altura = 0;
    gui->carregaTelaDIM(&largura, &altura);
    SDL_Rect caixa = {(largura - tw) / 2 - menuMargem, menuRect.y + menuRect.h + 2 * menuEspaco,
                      tw + 2 * menuMargem, th + menuEspaco};
    DesenhoApoio::preencheRect(renderer, &caixa, 0, 0, 0, 255);
    DesenhoApoio::contornaRect(renderer, &caixa, 255, 255, 255, 255);
    SDL_Rect destino = {caixa.x + menuMargem, caixa.y + menuEspaco / 2, tw, th};
    DesenhoApoio::desenhaTexto(renderer, gui->getFonte(), texto.c_str(), SDL_Color{255, 210, 120, 0}, &destino);
}

void AberturaGrafico::desenhaMenu(SDL_Renderer* renderer) {
    std::string n0, n1;
    {
        std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
        n0 = jogo->getNivelString(jogo->getNivel(false));
        n1 = jogo->getNivelString(jogo->getNivel(true));
    }

    TTF_Font* fonte = gui->getFonte();
    int wJ, hJ, wC, hC, wO, hO, wN0, hN0, wN1, hN1, wG, hG;
    DesenhoApoio::medeTexto(fonte, jogadorRotulo.c_str(), &wJ, &hJ);
    DesenhoApoio::medeTexto(fonte, computadorRotulo.c_str(), &wC, &hC);
    DesenhoApoio::medeTexto(fonte, opcoesTexto.c_str(), &wO, &hO);
    DesenhoApoio::medeTexto(fonte, n0.c_str(), &wN0, &hN0);
    DesenhoApoio::medeTexto(fonte, n1.c_str(), &wN1, &hN1);
    DesenhoApoio::medeTexto(fonte, jogarTexto.c_str(), &wG, &hG);

    const int M = menuMargem, E = menuEspaco, W = menuLargura;
    const int R = rotuloRecuo, V = nivelRecuo, B = jogarRecuo;
    const int caixaLargura = W + 2 * M;

    opcoesRect = SDL_Rect{(W - wO) / 2 + M, E + M, wO, hO};
    int y1 = hO + 2 * E + 2 * M;
    jogadorUmOpBT = SDL_Rect{M, y1, W, hN0 + 2 * E};
    jogadorRotuloRect = SDL_Rect{R + M, y1 + E, wJ, hJ};
    jogadorNivelRect = SDL_Rect{R + M + V + wJ, y1 + E, wN0, hN0};
    int y2 = y1 + hN0 + 2 * E + M;
    jogadorDoisOpBT = SDL_Rect{M, y2, W, hN1 + 2 * E};
    computadorRotuloRect = SDL_Rect{R + M, y2 + E, wC, hC};
    computadorNivelRect = SDL_Rect{R + M + V + wC, y2 + E, wN1, hN1};
    int x3 = (caixaLargura - (wG + 2 * B)) / 2;
    int y3 = y2 + hN1 + 2 * E + M + E;
    jogarBT = SDL_Rect{x3, y3, wG + 2 * B, hG + E};
    jogarRect = SDL_Rect{x3 + B, y3 + 2, wG, hG};

    int largura = 0, altura = 0;
    gui->carregaTelaDIM(&largura, &altura);
    menuRect = SDL_Rect{(largura - caixaLargura) / 2, 235, caixaLargura, y3 + hG + 2 * M};
    layoutPronto = true;

    DesenhoApoio::preencheRect(renderer, &menuRect, 0, 0, 0, 0);
    DesenhoApoio::contornaRect(renderer, &menuRect, 255, 255, 255, 100);

    SDL_Color preto = PRETO;
    SDL_Color contornoBranco = CONTORNO_BRANCO;
    desenhaBTFundo(renderer, &jogadorUmOpBT, &jogadorBTCor, &preto);
    desenhaBTFundo(renderer, &jogadorDoisOpBT, &computadorBTCor, &preto);
    desenhaBTFundo(renderer, &jogarBT, &jogarBTCor, &contornoBranco);

    SDL_Color branco = BRANCO;
    desenhaTexto(renderer, &opcoesRect, opcoesTexto.c_str(), &branco);
    desenhaTexto(renderer, &jogadorRotuloRect, jogadorRotulo.c_str(), &branco);
    desenhaTexto(renderer, &jogadorNivelRect, n0.c_str(), &jogadorNivelCor);
    desenhaTexto(renderer, &computadorRotuloRect, computadorRotulo.c_str(), &branco);
    desenhaTexto(renderer, &computadorNivelRect, n1.c_str(), &computadorNivelCor);
    desenhaTexto(renderer, &jogarRect, jogarTexto.c_str(), &jogarCor);
}

void AberturaGrafico::desenhaTexto(SDL_Renderer* renderer, SDL_Rect* rect, const char* texto,
                                   SDL_Color* cor) {
    SDL_Rect destino = {rect->x + menuRect.x, rect->y + menuRect.y, rect->w, rect->h};
    DesenhoApoio::desenhaTexto(renderer, gui->getFonte(), texto, *cor, &destino);
}

void AberturaGrafico::desenhaBTFundo(SDL_Renderer* renderer, SDL_Rect* rect, SDL_Color* fundo,
                                     SDL_Color* contorno) {
    SDL_Rect destino = {rect->x + menuRect.x, rect->y + menuRect.y, rect->w, rect->h};
    DesenhoApoio::preencheRect(renderer, &destino, fundo->r, fundo->g, fundo->b, 255);
    DesenhoApoio::contornaRect(renderer, &destino, contorno->r, contorno->g, contorno->b, 255);
}

void AberturaGrafico::sobreOpcao(int opcao) {
    this->opcao = opcao;
    jogadorNivelCor = NIVEL_NORMAL;
    computadorNivelCor = NIVEL_NORMAL;
    jogadorBTCor = BT_NORMAL;
    computadorBTCor = BT_NORMAL;
    jogarCor = JOGAR_NORMAL;
    jogarBTCor = JOGAR_BT_NORMAL;
    switch (opcao) {
        case 1:
            jogadorNivelCor = NIVEL_SOBRE;
            jogadorBTCor = BT_SOBRE;
            break;
        case 2:
            computadorNivelCor = NIVEL_SOBRE;
            computadorBTCor = BT_SOBRE;
            break;
        case 3:
            jogarCor = JOGAR_SOBRE;
            jogarBTCor = BT_SOBRE;
            break;
        default:
            break;
    }
}

bool AberturaGrafico::isMouseJogadorUmOpBT(int x, int y) { return isMouseEmBT(&jogadorUmOpBT, x, y); }

bool AberturaGrafico::isMouseJogadorDoisOpBT(int x, int y) {
    return isMouseEmBT(&jogadorDoisOpBT, x, y);
}

bool AberturaGrafico::isMouseJogarBT(int x, int y) { return isMouseEmBT(&jogarBT, x, y); }

bool AberturaGrafico::isMouseEmBT(SDL_Rect* rect, int x, int y) {
    if (!layoutPronto) {
        return false;
    }
    int bx = rect->x + menuRect.x;
    int by = rect->y + menuRect.y;
    return bx <= x && x <= bx + rect->w && by <= y && y <= by + rect->h;
}
