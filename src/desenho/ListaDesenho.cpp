#include "desenho/ListaDesenho.h"

#include <algorithm>

#include "desenho/DesenhoApoio.h"
#include "gui/GUI.h"
#include "gui/Tela.h"
#include "jogo/Jogo.h"

namespace {

const int MARGEM = 10;
const int ESPACO = 8;  // between the columns
const SDL_Color COR_LANCE = {235, 235, 225, 0};
const SDL_Color COR_NUMERO = {150, 150, 160, 0};
const SDL_Color COR_ULTIMO = {255, 200, 80, 0};

std::string resultado(int status) {
    switch (status) {
        case Jogo::BRANCAS_VENCERAM: return "1-0";
        case Jogo::PRETAS_VENCERAM: return "0-1";
        case Jogo::EMPATE: return "\xbd-\xbd";
        default: return "";
    }
}

}  // namespace

ListaDesenho::ListaDesenho() : visivel(false), rect{0, 0, 0, 0} {}

bool ListaDesenho::isEm(int x, int y) const {
    SDL_Point p = {x, y};
    return visivel && SDL_PointInRect(&p, &rect);
}

std::vector<ListaDesenho::Linha> ListaDesenho::montaLinhas(int status) const {
    const std::vector<std::string>& lances = lista.getLances();
    std::vector<Linha> saida;
    long numero = lista.getPrimeiroNumero();
    // With black first the first pair has only its second half.
    std::size_t i = 0;
    bool pretas = lista.isPretasComecam();
    while (i < lances.size()) {
        Linha l{std::to_string(numero) + (pretas ? "..." : "."), "", "", 0};
        if (!pretas) {
            l.brancas = lances[i++];
            if (i == lances.size()) l.ultimo = 1;
        }
        if (i < lances.size()) {
            l.pretas = lances[i++];
            if (i == lances.size()) l.ultimo = 2;
        }
        saida.push_back(l);
        pretas = false;
        numero++;
    }
    std::string fim = resultado(status);
    if (!fim.empty()) {
        saida.push_back(Linha{fim, "", "", 0});
    }
    return saida;
}

void ListaDesenho::desenha(Jogo* jogo, GUI* gui, SDL_Renderer* renderer) {
    linhas.clear();
    if (!visivel) {
        return;
    }
    lista.atualiza(jogo->getFENInicial(), jogo->getRegistro());

    Tela* tela = jogo->getTela();
    int dim = tela->getTabuleiroDIM();
    rect = SDL_Rect{tela->getTabuleiroX() + dim / 2, tela->getTabuleiroY(), dim - dim / 2, dim};

    SDL_BlendMode modo = SDL_BLENDMODE_NONE;
    SDL_GetRenderDrawBlendMode(renderer, &modo);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    DesenhoApoio::preencheRect(renderer, &rect, 16, 18, 26, 228);
    SDL_SetRenderDrawBlendMode(renderer, modo);

    TTF_Font* fonte = gui->getFonte();
    int w = 0, alturaLinha = 0;
    DesenhoApoio::medeTexto(fonte, "0", &w, &alturaLinha);
    if (alturaLinha <= 0) {
        return;
    }

    std::vector<Linha> todas = montaLinhas(jogo->getStatus());
    int cabem = std::max(1, (rect.h - 2 * MARGEM) / alturaLinha);
    std::size_t primeira = todas.size() > static_cast<std::size_t>(cabem) ? todas.size() - cabem : 0;

    // The numbers' column is as wide as the widest number shown (a FEN may
    // bring any), up to a third of the panel; the moves share the rest.
    int larguraNumero = 0;
    for (std::size_t i = primeira; i < todas.size(); i++) {
        int lw = 0, lh = 0;
        if (!todas[i].brancas.empty() || !todas[i].pretas.empty()) {
            DesenhoApoio::medeTexto(fonte, todas[i].numero.c_str(), &lw, &lh);
        }
        larguraNumero = std::max(larguraNumero, lw);
    }
    larguraNumero = std::min(larguraNumero, (rect.w - 2 * MARGEM) / 3);
    int xNumero = rect.x + MARGEM;
    int xBrancas = xNumero + larguraNumero + ESPACO;
    int xPretas = xBrancas + (rect.x + rect.w - MARGEM - xBrancas + ESPACO) / 2;

    SDL_Rect recorte = rect;
    SDL_RenderSetClipRect(renderer, &recorte);
    auto escreve = [&](const std::string& texto, int x, int y, SDL_Color cor) {
        int tw = 0, th = 0;
        DesenhoApoio::medeTexto(fonte, texto.c_str(), &tw, &th);
        SDL_Rect destino = {x, y, tw, th};
        DesenhoApoio::desenhaTexto(renderer, fonte, texto.c_str(), cor, &destino);
    };
    if (todas.empty()) {
        escreve("Nenhum lance.", xNumero, rect.y + MARGEM, COR_NUMERO);
    }
    int y = rect.y + MARGEM;
    for (std::size_t i = primeira; i < todas.size(); i++, y += alturaLinha) {
        const Linha& l = todas[i];
        bool soNumero = l.brancas.empty() && l.pretas.empty();
        escreve(l.numero, xNumero, y, soNumero ? COR_LANCE : COR_NUMERO);
        escreve(l.brancas, xBrancas, y, l.ultimo == 1 ? COR_ULTIMO : COR_LANCE);
        escreve(l.pretas, xPretas, y, l.ultimo == 2 ? COR_ULTIMO : COR_LANCE);
        std::string lida = l.numero;
        for (const std::string* lance : {&l.brancas, &l.pretas}) {
            if (!lance->empty()) lida += " " + *lance;
        }
        linhas.push_back(lida);
    }
    SDL_RenderSetClipRect(renderer, nullptr);
}
