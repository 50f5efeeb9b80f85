#ifndef TESTES_UCI_APOIOUCI_H
#define TESTES_UCI_APOIOUCI_H

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "Perft.h"
#include "PosicaoFEN.h"
#include "jogo/Peca.h"
#include "uci/PartidaUCI.h"

// The legal moves after "position" tokens, by the game's own rules.
inline std::vector<std::string> legaisApos(const std::string& posicao) {
    PartidaUCI partida;
    std::istringstream in(posicao);
    std::vector<std::string> args;
    for (std::string t; in >> t;) args.push_back(t);
    std::string erro;
    std::vector<std::string> nomes;
    if (!partida.posiciona(args, &erro)) return nomes;
    Jogo& jogo = partida.getJogo();
    bool isComp = jogo.isVezComputador();
    auto lances = Perft::legais(&jogo, jogo.getJogadorPecas(), jogo.getComputadorPecas(), isComp);
    for (auto& l : lances) {
        Peca* p = (isComp ? jogo.getComputadorPecas() : jogo.getJogadorPecas())[l.slot];
        nomes.push_back(PosicaoFEN::notacao(p, l.jogada));
    }
    Perft::libera(lances);
    return nomes;
}

inline bool contem(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

// What a UCI engine may write: nothing but protocol lines.
inline bool isLinhaDoProtocolo(const std::string& l) {
    static const char* const inicios[] = {"id name ", "id author ", "option name ", "info ", "bestmove "};
    if (l == "uciok" || l == "readyok") return true;
    for (const char* i : inicios) {
        if (l.rfind(i, 0) == 0) return true;
    }
    return false;
}

inline std::string bestmoveDe(const std::vector<std::string>& linhas) {
    if (linhas.empty()) return "";
    std::istringstream in(linhas.back());
    std::string palavra, lance;
    in >> palavra >> lance;
    return palavra == "bestmove" ? lance : "";
}

// Debian puts its chess engines in /usr/games, which is not always on PATH.
inline std::string achaPrograma(const std::string& nome) {
    std::string caminhos = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    caminhos += ":/usr/games";
    std::istringstream in(caminhos);
    for (std::string d; std::getline(in, d, ':');) {
        std::string c = d + "/" + nome;
        if (!d.empty() && access(c.c_str(), X_OK) == 0) return c;
    }
    return "";
}

#endif
