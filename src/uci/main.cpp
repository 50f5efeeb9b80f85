// xadrez-uci: the game's computer player as a UCI engine, for any chess
// program that speaks the protocol. Commands on standard input, answers on
// standard output, one line each; nothing else is written there.
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

#include "uci/LeitorComandos.h"
#include "uci/MotorUCI.h"

int main() {
    // A GUI that goes away must not kill us in the middle of a line; the end
    // of input ends the engine cleanly instead. Windows has no such signal.
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::ios::sync_with_stdio(false);

    MotorUCI motor([](const std::string& linha) {
        std::fwrite(linha.data(), 1, linha.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    });
    std::string linha;
    bool longa = false;
    while (LeitorComandos::leLinha(std::cin, &linha, &longa)) {
        if (longa) {
            motor.avisa("line longer than " + std::to_string(LeitorComandos::LINHA_MAXIMA) + " bytes ignored");
            continue;
        }
        if (!motor.processa(linha)) return 0;
    }
    motor.encerra();
    return 0;
}
