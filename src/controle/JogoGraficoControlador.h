#ifndef CONTROLE_JOGOGRAFICOCONTROLADOR_H
#define CONTROLE_JOGOGRAFICOCONTROLADOR_H

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>

#include "gui/JogoGraficoListener.h"

class Jogada;
class Peca;
class Sistema;

// Game screen: the human's clicks and keys on the main thread (the arrows
// move a cursor over the board, Space acts on its square as a click), and the tick
// on the game thread that plays sounds, times messages, lets the computer
// move, animates and carries out moves and ends and restarts games.
//
// Every handler and every step of the tick that touches the game holds the
// game's lock; the lock is released while the computer searches and while
// a timed message is waited out, so the window keeps drawing meanwhile.
class JogoGraficoControlador : public JogoGraficoListener {
public:
    explicit JogoGraficoControlador(Sistema* sistema);
    ~JogoGraficoControlador() override;

    void executando() override;
    void mousePressionado(int x, int y) override;
    void teclaPressionada(int tecla) override;

    void setMensagem(std::string texto, long tempo);
    void removeMensagem();
    bool selecionaPeca(int x, int y, bool isComp);
    bool verificaSeXeque();
    int verificaEProcessaXequeMate();

private:
    // Under the game's lock: whether the game screen is still shown.
    bool isTelaDoJogo();
    void deseleciona();
    void alternaSom();
    bool acionaCasa(int col, int lin);
    void moveCursor(int dx, int dy);
    void executaMovimento();
    void jogaComputador(std::unique_lock<std::recursive_mutex>& trava);
    void liberaMovimento();

    const long tempoIndefinido;
    const long tempoCurto;
    const long tempoLongo;
    Peca* pecaSelecionada;
    std::atomic<long> mensagemTempo;
    Sistema* sistema;

    // When the banner's message was set, and a count of every change to it,
    // so the end of a timed message removes that message and no later one.
    // Both change under the game's lock.
    std::chrono::steady_clock::time_point mensagemDesde;
    long mensagemGeracao;

    // Copies that a computer move is animated with, released once it is carried out.
    Peca* pecaComputador;
    Jogada* jogadaComputador;
    bool erroRelatado;
};

#endif
