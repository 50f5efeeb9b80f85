#ifndef UCI_MOTORUCI_H
#define UCI_MOTORUCI_H

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Perft.h"
#include "algoritmo/Algoritmo.h"
#include "algoritmo/AlgoritmoGerenciador.h"
#include "algoritmo/Busca.h"
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
    // Each level's rating on the README's scale, from "Fácil" (2) up; with
    // UCI_LimitStrength the level nearest UCI_Elo plays.
    static const int ELO_POR_NIVEL[];
    static int nivelDoElo(int elo);

    // How long a move at levels Amador to Perito may take on a clock of
    // tempo ms with incremento ms a move and movimentos moves to the next
    // control (0: unknown): the time after which no new iteration starts,
    // and the time by which the answer goes out.
    static void divideTempo(long long tempo, long long incremento, int movimentos, long long* ideal,
                            long long* maximo);

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
    // The search of the levels Amador to Perito, on the search thread.
    std::string buscaForte(bool isComp);
    // The level that plays now: Nivel, or the one UCI_Elo names.
    int nivelEmJogo() const;
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
    bool limitaForca;
    int elo;
    // The moves after searchmoves in the last go.
    std::vector<std::string> procurados;
    // The bounds of the last go for the stronger levels; comOrcamento: only
    // a clock was given, so Perito keeps its own budget of nodes.
    LimitesBusca limitesGo;
    bool comOrcamento;
    // Pondering: the time the search may take from ponderhit on, and when
    // that came (the steady clock's milliseconds, -1 before it).
    long long tempoAposPonderhit;
    std::atomic<long long> ponderhitEm;

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
