#include "uci/PartidaUCI.h"

#include <mutex>

#include "Perft.h"
#include "PosicaoFEN.h"
#include "jogo/Jogada.h"
#include "jogo/Peca.h"
#include "jogo/PecaMov.h"
#include "uci/LeitorComandos.h"

namespace {

int tipoDaPromocao(char c) {
    switch (c) {
        case 'q': case 'Q': return JogoConstantes::RAINHA;
        case 'r': case 'R': return JogoConstantes::TORRE;
        case 'b': case 'B': return JogoConstantes::BISPO;
        case 'n': case 'N': return JogoConstantes::CAVALO;
        default: return 0;
    }
}

bool leCasa(const std::string& s, std::size_t i, int* x, int* y) {
    if (s[i] < 'a' || s[i] > 'h' || s[i + 1] < '1' || s[i + 1] > '8') return false;
    *x = s[i] - 'a';
    *y = '8' - s[i + 1];
    return true;
}

}  // namespace

PartidaUCI::PartidaUCI() : viva(nullptr), rascunho(nullptr), lancesJogados(0) {
    viva.reinicia();
    rascunho.reinicia();
}

PartidaUCI::~PartidaUCI() = default;

void PartidaUCI::novaPartida() {
    std::lock_guard<std::recursive_mutex> trava(viva.getTrava());
    viva.reinicia();
    viva.zeraJogadaRepetidaCont(false);
    viva.zeraJogadaRepetidaCont(true);
    fenBase.clear();
    lances.clear();
    lancesJogados = 0;
}

bool PartidaUCI::montaBase(Jogo& jogo, const std::string& fen, std::string* erro) {
    if (fen.empty()) {
        jogo.reinicia();
        return true;
    }
    std::string msg;
    if (!PosicaoFEN::carrega(&jogo, fen, &msg)) {
        *erro = msg;
        return false;
    }
    return true;
}

void PartidaUCI::copiaViva(Jogo& jogo) { copia(viva, jogo); }

void PartidaUCI::copia(Jogo& viva, Jogo& jogo) { jogo.copiaPosicao(viva); }

std::size_t PartidaUCI::jogaEnquantoLegais(Jogo& jogo, const std::vector<std::string>& lista) {
    std::size_t n = 0;
    for (; n < lista.size(); n++) {
        Lance l{};
        std::string erro;
        if (!leLance(jogo, lista[n], &l, &erro)) break;
        joga(jogo, l);
        delete l.jogada;
    }
    return n;
}

bool PartidaUCI::leLance(Jogo& jogo, const std::string& texto, Lance* lance, std::string* erro) {
    int x1, y1, x2, y2;
    int tipo = 0;
    bool forma = (texto.size() == 4 || texto.size() == 5) && leCasa(texto, 0, &x1, &y1) && leCasa(texto, 2, &x2, &y2);
    if (forma && texto.size() == 5) {
        tipo = tipoDaPromocao(texto[4]);
        forma = tipo != 0;
    }
    if (!forma) {
        *erro = "malformed move '" + LeitorComandos::mostra(texto) + "'";
        return false;
    }
    bool isComp = jogo.isVezComputador();
    Peca** lado = isComp ? jogo.getComputadorPecas() : jogo.getJogadorPecas();
    std::vector<Perft::Lance> legais = Perft::legais(&jogo, jogo.getJogadorPecas(), jogo.getComputadorPecas(), isComp);
    bool achou = false;
    for (Perft::Lance& l : legais) {
        Peca* p = lado[l.slot];
        if (p->getPosX() != x1 || p->getPosY() != y1 || l.jogada->getPosX() != x2 || l.jogada->getPosY() != y2) {
            continue;
        }
        bool promove = p->getTipo() == JogoConstantes::PEAO && (y2 == 0 || y2 == 7);
        if (promove != (tipo != 0)) break;
        lance->slot = l.slot;
        lance->jogada = l.jogada;
        lance->tipo = tipo;
        l.jogada = nullptr;
        achou = true;
        break;
    }
    Perft::libera(legais);
    if (!achou) {
        *erro = "illegal move " + texto;
    }
    return achou;
}

void PartidaUCI::joga(Jogo& jogo, const Lance& lance) {
    // As the game window carries out a move at the end of its slide; the
    // game itself only ever makes a queen, the opponent may ask for less.
    Peca* peca = (jogo.isVezComputador() ? jogo.getComputadorPecas() : jogo.getJogadorPecas())[lance.slot];
    jogo.executaJogada(peca, lance.jogada, lance.tipo);
}

void PartidaUCI::libera(std::vector<Lance>& lista) {
    for (Lance& l : lista) delete l.jogada;
    lista.clear();
}

bool PartidaUCI::posiciona(const std::vector<std::string>& args, std::string* erro) {
    std::size_t i = 0;
    while (i < args.size() && args[i] != "startpos" && args[i] != "fen") i++;
    if (i == args.size()) {
        *erro = "position needs startpos or fen";
        return false;
    }
    std::string fen;
    if (args[i] == "fen") {
        for (i++; i < args.size() && args[i] != "moves"; i++) {
            if (!fen.empty()) fen += ' ';
            fen += args[i];
        }
        if (fen.empty()) {
            *erro = "position fen without a FEN";
            return false;
        }
    } else {
        while (i < args.size() && args[i] != "moves") i++;
    }
    std::vector<std::string> novos;
    if (i < args.size()) {
        novos.assign(args.begin() + static_cast<long>(i) + 1, args.end());
    }
    if (novos.size() > LANCES_MAXIMOS) {
        *erro = "position with more than " + std::to_string(LANCES_MAXIMOS) + " moves";
        return false;
    }

    bool continua = fen == fenBase && novos.size() >= lances.size();
    for (std::size_t k = 0; continua && k < lances.size(); k++) {
        continua = novos[k] == lances[k];
    }

    std::lock_guard<std::recursive_mutex> trava(viva.getTrava());
    if (continua) {
        copiaViva(rascunho);
    } else {
        std::string msg;
        if (!montaBase(rascunho, fen, &msg)) {
            *erro = msg;
            return false;
        }
    }
    std::vector<Lance> jogados;
    for (std::size_t k = continua ? lances.size() : 0; k < novos.size(); k++) {
        Lance l{};
        std::string msg;
        if (!leLance(rascunho, novos[k], &l, &msg)) {
            *erro = msg + " (move " + std::to_string(k + 1) + " of the list)";
            libera(jogados);
            return false;
        }
        joga(rascunho, l);
        jogados.push_back(l);
    }

    if (!continua) {
        std::string msg;
        montaBase(viva, fen, &msg);
        // A fresh start forgets the repeated-piece streaks, as a new Jogo would.
        viva.zeraJogadaRepetidaCont(false);
        viva.zeraJogadaRepetidaCont(true);
        lancesJogados = 0;
    }
    for (const Lance& l : jogados) joga(viva, l);
    lancesJogados += static_cast<long>(jogados.size());
    libera(jogados);
    fenBase = fen;
    lances = novos;
    return true;
}
