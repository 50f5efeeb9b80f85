#include "desenho/MensagemDesenho.h"

#include <SDL.h>

#include "desenho/DesenhoApoio.h"
#include "gui/GUI.h"
#include "gui/Tela.h"
#include "jogo/Jogo.h"

MensagemDesenho::MensagemDesenho() : margem(10) {}

void MensagemDesenho::setMensagem(std::string texto) {
    std::lock_guard<std::mutex> guarda(trava);
    mensagem = std::move(texto);
}

void MensagemDesenho::removeMensagem() {
    std::lock_guard<std::mutex> guarda(trava);
    mensagem.clear();
}

std::string MensagemDesenho::getMensagem() const {
    std::lock_guard<std::mutex> guarda(trava);
    return mensagem;
}

void MensagemDesenho::desenha(Jogo* jogo, GUI* gui, SDL_Renderer* renderer) {
    std::string texto = getMensagem();
    if (texto.empty()) {
        return;
    }
    // Without a font the box is still drawn (20 by 20) so the message is not lost
    // silently; only its text is skipped.
    TTF_Font* fonte = gui->getFonte();
    int tw, th;
    DesenhoApoio::medeTexto(fonte, texto.c_str(), &tw, &th);

    Tela* tela = jogo->getTela();
    int bx = tela->getTabuleiroX();
    int by = tela->getTabuleiroY();
    int bd = tela->getTabuleiroDIM();
    int x = bx + (bd - tw) / 2;
    int y = by + (bd - th) / 2;

    SDL_Rect caixa = {x - margem, y - margem, tw + 2 * margem, th + 2 * margem};
    DesenhoApoio::preencheRect(renderer, &caixa, 0, 0, 200, 255);
    DesenhoApoio::contornaRect(renderer, &caixa, 255, 255, 255, 255);

    SDL_Rect sombra = {x + 2, y + 2, tw, th};
    DesenhoApoio::desenhaTexto(renderer, fonte, texto.c_str(), SDL_Color{0, 0, 0, 0}, &sombra);
    SDL_Rect frente = {x, y, tw, th};
    DesenhoApoio::desenhaTexto(renderer, fonte, texto.c_str(), SDL_Color{255, 255, 255, 0},
                               &frente);
}
