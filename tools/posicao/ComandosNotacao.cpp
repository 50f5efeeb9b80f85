#include "ComandosNotacao.h"

#include <ctime>
#include <iostream>
#include <string>

#include "AutoPartida.h"
#include "Colagem.h"
#include "Notacao.h"
#include "PartidaPGN.h"
#include "PosicaoFEN.h"
#include "jogo/Jogo.h"

const char* const ComandosNotacao::USO =
    " | san FEN MOVE... | pgn NIVEL_BRANCAS NIVEL_PRETAS SEMENTE [FEN] | le < FEN_OR_PGN";

namespace {

int falha(const std::string& msg) {
    std::cerr << "xadrez-posicao: " << msg << "\n";
    return 2;
}

std::string coordenadas(const LanceJogado& l) {
    static const char promocoes[] = " rnbq";
    std::string s = PosicaoFEN::casa(l.deX, l.deY) + PosicaoFEN::casa(l.paraX, l.paraY);
    if (l.promocao > 0 && l.promocao <= JogoConstantes::RAINHA) s += promocoes[l.promocao];
    return s;
}

}  // namespace

int ComandosNotacao::san(int argc, char** argv) {
    Jogo jogo(nullptr);
    jogo.reinicia();
    std::string msg;
    if (!PosicaoFEN::carrega(&jogo, argv[2], &msg)) return falha(msg);
    for (int i = 3; i < argc; i++) {
        LanceJogado lance{};
        std::string san;
        if (Notacao::leCoordenadas(jogo, argv[i], &lance) != Notacao::LIDO ||
            !Notacao::joga(jogo, lance, Notacao::INGLES, &san)) {
            return falha(std::string("illegal move ") + argv[i] + " (move " + std::to_string(i - 2) + " of the list)");
        }
        std::cout << san << "\n";
    }
    return 0;
}

int ComandosNotacao::pgn(Jogo& jogo, int nivelBrancas, int nivelPretas, long long semente) {
    int motivo = 0;
    int status = AutoPartida::joga(jogo, nivelBrancas, nivelPretas, semente,
                                   [](const std::string&) { return true; }, &motivo);
    PartidaPGN::Etiquetas etiquetas;
    etiquetas.data = PartidaPGN::data(std::time(nullptr));
    etiquetas.brancas = jogo.getNivelString(nivelBrancas);
    etiquetas.pretas = jogo.getNivelString(nivelPretas);
    etiquetas.resultado = PartidaPGN::resultado(status);
    std::cout << PartidaPGN::escreve(jogo.getFENInicial(), jogo.getRegistro(), etiquetas);
    return status < 0 ? 1 : 0;
}

int ComandosNotacao::le(std::istream& entrada) {
    // One byte more than a paste may have is enough to refuse it.
    std::string texto;
    char bloco[65536];
    while (texto.size() <= Colagem::BYTES_MAXIMOS && entrada.read(bloco, sizeof bloco).gcount() > 0) {
        texto.append(bloco, static_cast<std::size_t>(entrada.gcount()));
    }
    Colagem colagem;
    std::string msg;
    if (!colagem.le(texto, &msg)) return falha(PartidaPGN::latin1ParaUtf8(msg));
    Jogo jogo(nullptr);
    colagem.aplica(&jogo);
    std::cout << PosicaoFEN::escreve(&jogo) << "\n";
    for (const LanceJogado& l : colagem.getLances()) std::cout << coordenadas(l) << "\n";
    return 0;
}
