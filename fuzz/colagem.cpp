// One input is a pasted text, read as the game screen reads the clipboard.
// Whatever the bytes, a refusal is one short line the banner can show and
// leaves the reading empty; whatever is accepted carries out on a game to
// the same record, and written out as PGN reads back to the same moves and
// the same final position, and its final position written as FEN loads
// back to the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "Colagem.h"
#include "PartidaPGN.h"
#include "PosicaoFEN.h"
#include "jogo/Jogo.h"

namespace {

void falha(const char* o, const std::string& detalhe) {
    std::fprintf(stderr, "%s\n%s\n", o, detalhe.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    Colagem colagem;
    std::string msg;
    if (!colagem.le(texto, &msg)) {
        if (msg.empty() || msg.size() > 48) falha("refusal of a bad size", msg);
        for (char c : msg) {
            unsigned char b = static_cast<unsigned char>(c);
            if (b < 0x20 || (b >= 0x7f && b < 0xa0)) falha("refusal the banner cannot show", msg);
        }
        if (!colagem.getLances().empty() || !colagem.getFENInicial().empty()) falha("refusal left a reading", msg);
        return 0;
    }

    Jogo jogo(nullptr);
    if (!colagem.aplica(&jogo)) falha("accepted reading does not carry out", texto);
    if (jogo.getRegistro() != colagem.getLances()) falha("record differs from the reading", texto);

    // The final position written as FEN loads back to itself.
    std::string fen = PosicaoFEN::escreve(&jogo);
    Jogo carregado(nullptr);
    std::string erro;
    if (!PosicaoFEN::carrega(&carregado, fen, &erro)) falha(("FEN written is refused: " + erro).c_str(), fen);
    if (PosicaoFEN::escreve(&carregado) != fen || !(carregado.getPosicao() == jogo.getPosicao())) {
        falha("FEN written loads elsewhere", fen + "\n" + PosicaoFEN::escreve(&carregado));
    }

    std::string pgn = PartidaPGN::escreve(colagem.getFENInicial(), colagem.getLances(),
                                          {"2026.12.10", "F\xe1" "cil", "Dif\xed" "cil", "*"});
    std::istringstream linhas(pgn);
    std::string linha;
    while (std::getline(linhas, linha)) {
        if (linha.size() > PartidaPGN::LARGURA && linha[0] != '[') falha("movetext line over 80", pgn);
    }
    Colagem relida;
    if (!relida.le(pgn, &msg)) falha(("PGN written is refused: " + msg).c_str(), pgn);
    if (relida.getLances() != colagem.getLances()) falha("PGN read back gives other moves", pgn);
    Jogo outro(nullptr);
    if (!relida.aplica(&outro) || PosicaoFEN::escreve(&outro) != PosicaoFEN::escreve(&jogo)) {
        falha("PGN read back ends elsewhere", pgn + "\n" + PosicaoFEN::escreve(&jogo));
    }
    return 0;
}
