#include "ListaSAN.h"

#include <algorithm>

#include "PosicaoFEN.h"

ListaSAN::ListaSAN(Notacao::Alfabeto alfabeto)
    : alfabeto(alfabeto), rascunho(nullptr), parada(false), primeiroNumero(1), pretasComecam(false) {
    rascunho.reinicia();
}

void ListaSAN::limpa() {
    rascunho.reinicia();
    fen.clear();
    registro.clear();
    lances.clear();
    parada = false;
    primeiroNumero = 1;
    pretasComecam = false;
}

void ListaSAN::atualiza(const std::string& fenInicial, const std::vector<LanceJogado>& novo) {
    bool continua = fenInicial == fen && novo.size() >= registro.size() &&
                    std::equal(registro.begin(), registro.end(), novo.begin());
    if (!continua) {
        limpa();
        fen = fenInicial;
        primeiroNumero = PosicaoFEN::numeroDoLance(fen);
        pretasComecam = PosicaoFEN::isPretasJogam(fen);
        parada = !fen.empty() && !PosicaoFEN::carrega(&rascunho, fen, nullptr);
    }
    std::string san;
    for (std::size_t i = registro.size(); i < novo.size(); i++) {
        registro.push_back(novo[i]);
        if (parada) continue;
        if (!Notacao::joga(rascunho, novo[i], alfabeto, &san)) {
            parada = true;
            continue;
        }
        lances.push_back(san);
    }
}
