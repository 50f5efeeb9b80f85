// One input is a whole session: its bytes are read as the engine reads
// standard input, line by line, and every line goes to the engine. Whatever
// the bytes, the engine must write only whole protocol lines of printable
// ASCII, and stop cleanly at the end.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "uci/LeitorComandos.h"
#include "uci/MotorUCI.h"

namespace {

bool isLinhaDoProtocolo(const std::string& l) {
    static const char* const inicios[] = {"id name ", "id author ", "option name ", "info ", "bestmove "};
    for (char c : l) {
        if (c < ' ' || c > '~') return false;
    }
    if (l == "uciok" || l == "readyok") return true;
    for (const char* i : inicios) {
        if (l.rfind(i, 0) == 0) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    std::istringstream entrada(std::string(reinterpret_cast<const char*>(dados), tamanho));
    MotorUCI motor([](const std::string& linha) {
        if (!isLinhaDoProtocolo(linha)) {
            std::fprintf(stderr, "not a protocol line: %s\n", linha.c_str());
            std::abort();
        }
    });
    std::string linha;
    bool longa = false;
    while (LeitorComandos::leLinha(entrada, &linha, &longa)) {
        if (longa) continue;
        if (!motor.processa(linha)) return 0;
    }
    motor.encerra();
    return 0;
}
