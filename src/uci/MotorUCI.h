#ifndef UCI_MOTORUCI_H
#define UCI_MOTORUCI_H

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Perft.h"
#include "algoritmo/Algoritmo.h"
#include "algoritmo/AlgoritmoGerenciador.h"
#include "uci/PartidaUCI.h"

// The computer player behind the UCI protocol. Commands arrive one line at
// a time on the caller's thread; a search runs on a thread of its own, so
// that stop, isready and quit are answered while it runs. Every line out
// goes through the writer handed in, one whole line per call.
class MotorUCI {
public:
    typedef std::function<void(const std::string&)> Saida;

    explicit MotorUCI(Saida saida);
    ~MotorUCI();

    MotorUCI(const MotorUCI&) = delete;
    MotorUCI& operator=(const MotorUCI&) = delete;

    // False once the line was quit.
    bool processa(const std::string& linha);
    // Stops the search and waits for it; its bestmove is still written.
    void encerra();
    // An info string line.
    void avisa(const std::string& texto);

    PartidaUCI& getPartida() { return partida; }

    static constexpr int NIVEL_PADRAO = 3;
    static constexpr long long SEMENTE_MAXIMA = 2147483647LL;

private:
    enum Modo { NORMAL, INFINITO, PONDER };

    void uci();
    void setoption(const std::vector<std::string>& args);
    void go(const std::vector<std::string>& args);
    void para();
    void ponderhit();
    // Asks a running search to end and waits until its bestmove is out.
    void terminaBusca();
    void busca();
    // The moves of searchmoves that the computer player can make, out of
    // the legal ones; the others are reported.
    std::vector<Algoritmo::Lance> permitidos(const std::vector<Perft::Lance>& legais, Peca** lado);
    void escreve(const std::string& linha);

    Saida saida;
    std::mutex saidaTrava;
    PartidaUCI partida;
    AlgoritmoGerenciador gerenciador;
    int nivel;
    long long semente;
    // The moves after searchmoves in the last go.
    std::vector<std::string> procurados;

    std::thread buscaThread;
    std::mutex estadoTrava;
    std::condition_variable estadoCond;
    bool buscando;
    // stop (or quit) was asked of the running search.
    bool parada;
    // bestmove may go out: always in NORMAL, after stop or ponderhit otherwise.
    bool liberada;
};

#endif
