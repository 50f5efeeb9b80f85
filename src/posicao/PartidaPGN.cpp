#include "PartidaPGN.h"

#include <cstdio>

#include "Notacao.h"
#include "PosicaoFEN.h"
#include "jogo/Jogo.h"

namespace {

// A tag's value between its quotes: the quote and the backslash escaped,
// control characters (a line break would end the tag) made spaces.
std::string valorDaEtiqueta(const std::string& latin1, const char* desconhecido) {
    if (latin1.empty()) return desconhecido;
    std::string s;
    for (char c : PartidaPGN::latin1ParaUtf8(latin1)) {
        if (c == '"' || c == '\\') s += '\\';
        s += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
    }
    return s;
}

std::string etiqueta(const char* nome, const std::string& valor) {
    return std::string("[") + nome + " \"" + valor + "\"]\n";
}

}  // namespace

std::string PartidaPGN::latin1ParaUtf8(const std::string& texto) {
    std::string s;
    for (char c : texto) {
        unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            s += c;
        } else {
            s += static_cast<char>(0xc0 | (b >> 6));
            s += static_cast<char>(0x80 | (b & 0x3f));
        }
    }
    return s;
}

std::string PartidaPGN::data(std::time_t quando) {
    std::tm tm{};
#ifdef _WIN32
    // Windows' C library keeps localtime's answer per thread.
    std::tm* agora = std::localtime(&quando);
    if (agora != nullptr) tm = *agora;
#else
    localtime_r(&quando, &tm);
#endif
    char texto[32];
    std::snprintf(texto, sizeof texto, "%04d.%02d.%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
    return texto;
}

std::string PartidaPGN::resultado(int status) {
    switch (status) {
        case JogoConstantes::BRANCAS_VENCERAM: return "1-0";
        case JogoConstantes::PRETAS_VENCERAM: return "0-1";
        case JogoConstantes::EMPATE: return "1/2-1/2";
        default: return "*";
    }
}

std::string PartidaPGN::escreve(const std::string& fenInicial, const std::vector<LanceJogado>& registro,
                                const Etiquetas& etiquetas) {
    const std::string& r = etiquetas.resultado;
    std::string resultado = r == "1-0" || r == "0-1" || r == "1/2-1/2" ? r : "*";

    Jogo jogo(nullptr);
    jogo.reinicia();
    bool carregou = fenInicial.empty() || PosicaoFEN::carrega(&jogo, fenInicial, nullptr);

    std::string pgn = etiqueta("Event", "Jogo de Xadrez") + etiqueta("Site", "?") +
                      etiqueta("Date", valorDaEtiqueta(etiquetas.data, "????.??.??")) + etiqueta("Round", "-") +
                      etiqueta("White", valorDaEtiqueta(etiquetas.brancas, "?")) +
                      etiqueta("Black", valorDaEtiqueta(etiquetas.pretas, "?")) + etiqueta("Result", resultado);
    if (!fenInicial.empty()) {
        pgn += etiqueta("SetUp", "1");
        pgn += etiqueta("FEN", carregou ? PosicaoFEN::escreve(&jogo) : valorDaEtiqueta(fenInicial, "?"));
    }
    pgn += "\n";

    std::string linha;
    auto poe = [&](const std::string& palavra) {
        if (!linha.empty() && linha.size() + 1 + palavra.size() > LARGURA) {
            pgn += linha + "\n";
            linha.clear();
        }
        if (!linha.empty()) linha += ' ';
        linha += palavra;
    };
    long numero = PosicaoFEN::numeroDoLance(fenInicial);
    std::string san;
    for (std::size_t i = 0; carregou && i < registro.size(); i++) {
        bool pretas = jogo.isVezComputador();
        if (!Notacao::joga(jogo, registro[i], Notacao::INGLES, &san)) break;
        if (!pretas) {
            poe(std::to_string(numero) + ".");
        } else if (i == 0) {
            poe(std::to_string(numero) + "...");
        }
        poe(san);
        if (pretas) numero++;
    }
    poe(resultado);
    return pgn + linha + "\n";
}
