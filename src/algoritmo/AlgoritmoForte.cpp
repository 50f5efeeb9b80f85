#include "algoritmo/AlgoritmoForte.h"

#include <algorithm>
#include <mutex>

#include "algoritmo/Relogio.h"
#include "jogo/CopiaPecas.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"
#include "jogo/Tabuleiro.h"

namespace {

typedef PosicaoBusca P;

// The game's piece codes for the pieces a pawn may become.
int tipoDoJogo(int tipo) {
    switch (tipo) {
        case P::CAVALO: return JogoConstantes::CAVALO;
        case P::BISPO: return JogoConstantes::BISPO;
        case P::TORRE: return JogoConstantes::TORRE;
        case P::RAINHA: return JogoConstantes::RAINHA;
        default: return 0;
    }
}

std::uint64_t mistura(std::uint64_t z) {
    z += 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace

AlgoritmoForte::Parametros AlgoritmoForte::getParametros(int nivel) {
    switch (nivel) {
        case JogoConstantes::AMADOR: return {3000, 2, 200};
        case JogoConstantes::AVANCADO: return {5500, 3, 150};
        case JogoConstantes::CLUBE: return {16000, 4, 80};
        case JogoConstantes::FORTE: return {60000, 6, 60};
        default: return {200000, 0, 0};
    }
}

AlgoritmoForte::AlgoritmoForte(Jogo* jogo, std::size_t megabytesTabela)
    : jogo(jogo), limpar(false), busca(megabytesTabela), ultimosNos(0), ultimaInterrompida(false) {}

long long AlgoritmoForte::getNos() {
    std::lock_guard<std::mutex> trava(buscaTrava);
    return ultimosNos;
}

void AlgoritmoForte::carregaPosicao(PosicaoBusca& p, bool isComp) {
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    Posicao atual = jogo->getPosicao();
    if (atual.vezComputador != isComp) {
        // Asked for the side not to move: no en passant, no record.
        atual.vezComputador = isComp;
        atual.enPassant = -1;
        p.carrega(atual, jogo->getLancesSemCaptura(), {});
    } else {
        p.carrega(atual, jogo->getLancesSemCaptura(), jogo->getHistorico());
    }
}

AlgoritmoForte::Escolha AlgoritmoForte::escolhe(bool isComp, int nivel, const LimitesBusca& extras, bool comRuido,
                                                bool comOrcamento,
                                                const std::function<void(const InfoBusca&)>& aoIterar,
                                                const std::function<bool()>& aceita) {
    std::lock_guard<std::mutex> trava(buscaTrava);
    if (limpar.exchange(false)) busca.limpa();
    Escolha escolha;
    {
        // The caller stops a search under the game's lock: a request made
        // before this point finds the game already changed (aceita), one
        // made after it is not forgotten. The stop is cleared before aceita
        // is asked, so that a request without the lock is not lost either.
        std::lock_guard<std::recursive_mutex> jogoTrava(jogo->getTrava());
        busca.limpaParada();
        if (aceita && !aceita()) {
            escolha.resultado.interrompida = true;
            ultimosNos = 0;
            ultimaInterrompida = true;
            return escolha;
        }
        carregaPosicao(posicao, isComp);
    }
    std::uint64_t semente = mistura(static_cast<std::uint64_t>(Relogio::agora()) ^ mistura(posicao.getChave()));

    Parametros par = getParametros(nivel);
    LimitesBusca limites = extras;
    // The weaker levels' budgets are their strength and always hold;
    // Perito's gives way when the caller bounds the search itself.
    if (nivel < JogoConstantes::PERITO || comOrcamento) {
        limites.nos = extras.nos > 0 ? std::min(extras.nos, par.nos) : par.nos;
    }
    if (par.profundidade > 0) {
        limites.profundidade =
            extras.profundidade > 0 ? std::min(extras.profundidade, par.profundidade) : par.profundidade;
    }
    limites.margem = comRuido ? par.margem : 0;

    escolha.resultado = busca.procura(posicao, limites, aoIterar);
    ultimosNos = escolha.resultado.nos;
    ultimaInterrompida = escolha.resultado.interrompida;
    if (escolha.resultado.lance == P::NENHUM) return escolha;

    P::Lance lance = escolha.resultado.lance;
    const auto& candidatos = escolha.resultado.candidatos;
    if (limites.margem > 0 && candidatos.size() > 1) {
        // Each candidate's value plus a draw of up to the margin: a move a
        // little worse than the best is chosen often, one near the edge of
        // the margin seldom.
        int melhor = -Busca::INFINITO;
        std::uint64_t s = semente;
        for (const auto& c : candidatos) {
            s = mistura(s);
            int v = c.second + static_cast<int>(s % static_cast<std::uint64_t>(limites.margem + 1));
            // A mate found is never given away.
            if (std::abs(candidatos.front().second) >= Busca::MATE_LIMITE && c.second != candidatos.front().second) {
                continue;
            }
            if (v > melhor) {
                melhor = v;
                lance = c.first;
            }
        }
    }
    escolha.lance = lance;
    escolha.achou = true;
    escolha.deX = P::origem(lance) % 8;
    escolha.deY = P::origem(lance) / 8;
    escolha.paraX = P::destino(lance) % 8;
    escolha.paraY = P::destino(lance) / 8;
    escolha.promocao = tipoDoJogo(P::promoveA(lance));
    return escolha;
}

bool AlgoritmoForte::calculaMelhorJogada(int* x, int* y, Jogada** jogada, int* promocao, bool isComp, int nivel,
                                         bool comRuido, const std::function<bool()>& aceita) {
    LimitesBusca limites;
    limites.tempoMaximoMs = TEMPO_MAXIMO_MS;
    limites.deveParar = [this] { return jogo->isFim(); };
    // Only the cap on time: the level's budget decides.
    Escolha e = escolhe(isComp, nivel, limites, comRuido, true, nullptr, aceita);
    if (!e.achou) return false;

    // The game's own move object for it: castling and en passant come out
    // of the piece's generator as the window would make them.
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    CopiaPecas copia(jogo->getJogadorPecas(), jogo->getComputadorPecas());
    Tabuleiro t(copia.getJogador(), copia.getComputador());
    Peca* peca = t.getPeca(e.deX, e.deY);
    if (peca == nullptr || peca->isDeComp() != isComp) return false;
    JogadaLista lista;
    jogo->calculaJogadasLegais(&lista, t, e.deX, e.deY, peca->getTipo(), isComp, false);
    for (int i = 0; i < lista.getTam(); i++) {
        Jogada* j = lista.getJogada(i);
        if (j->getPosX() == e.paraX && j->getPosY() == e.paraY) {
            *x = e.deX;
            *y = e.deY;
            *jogada = j->nova();
            *promocao = e.promocao;
            return true;
        }
    }
    return false;
}
