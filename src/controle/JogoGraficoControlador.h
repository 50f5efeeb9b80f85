#ifndef CONTROLE_JOGOGRAFICOCONTROLADOR_H
#define CONTROLE_JOGOGRAFICOCONTROLADOR_H

#include <atomic>
#include <chrono>
#include <cstddef>
#include <ctime>
#include <mutex>
#include <string>

#include "gui/JogoGraficoListener.h"
#include "jogo/Jogo.h"

class Colagem;
class Jogada;
class Peca;
class Sistema;
class TrabalhadorEscolha;

// Game screen: the clicks, taps and keys of whoever moves a side at level
// Humano, on the main thread (the arrows move a cursor over the board, Space
// acts on its square as a click; the promotion picker, take back and the
// turning of the board, the list of moves, copy and paste), and the tick on
// the game thread that plays sounds, times messages, lets the computer
// move, animates and carries out moves and ends and restarts games. A hint
// (H or the column's button) asks the tick for the strongest level's choice
// for the human side to move, which is then shown as a click on its piece
// would show it, and named.
//
// Every handler and every step of the tick that touches the game holds the
// game's lock; the lock is released while the computer searches and while
// a timed message is waited out, so the window keeps drawing meanwhile. In
// a page, which has one thread, the choice is a Web Worker's: the tick
// sends the request and a later tick takes the answer.
class JogoGraficoControlador : public JogoGraficoListener {
public:
    explicit JogoGraficoControlador(Sistema* sistema);
    ~JogoGraficoControlador() override;

    void executando() override;
    void mousePressionado(int x, int y) override;
    void teclaPressionada(int tecla) override;
    void mouseSobre(int x, int y) override;

    void setMensagem(std::string texto, long tempo);
    void removeMensagem();
    bool selecionaPeca(int x, int y, bool isComp);
    bool verificaSeXeque();
    int verificaEProcessaXequeMate();
    // From any thread: a search under way (the computer's or a hint's)
    // stops at once; its answer is dropped.
    void interrompeBusca();

    // The game starts now, by "Jogar" or a paste: its PGN's date.
    void registraInicio();
    // Reads the clipboard as a FEN or a PGN and, when it holds one, sets the
    // game up from it as a new one (the levels stay), carried out at once;
    // otherwise false with why in *recusa (Latin-1) and the game unchanged.
    // The clipboard is read and the text checked without the game's lock;
    // when the window has left screen tela meanwhile, nothing is done and
    // *recusa is empty.
    bool cola(int tela, std::string* recusa);

private:
    // Under the game's lock: whether the game screen is still shown.
    bool isTelaDoJogo();
    void deseleciona();
    void alternaSom();
    bool acionaCasa(int col, int lin);
    void moveCursor(int dx, int dy);
    void executaMovimento();
    void jogaComputador(std::unique_lock<std::recursive_mutex>& trava);
    void aplicaEscolha(bool achou, int x, int y, Jogada* jogada, int promocaoEscolhida);
    void liberaMovimento();
    void esperaDica(long ms, long geracao);
    bool isDicaPossivel();
    bool isDicaValida();
    void pedeDica();
    void cancelaDica();
    void mostraDica(std::unique_lock<std::recursive_mutex>& trava);
    void aplicaDica(int deX, int deY, int paraX, int paraY, int promocaoSugerida);
    void desfaz();
    void gira();
    void acionaControle(int id);
    void mostraControles();
    void teclaNaPromocao(int tecla);
    void escolhePromocao(int opcao);
    void fechaPromocao();
    int registroEm(int x, int y);
    bool acionaRegistro(int botao);
    void alternaLista();
    void copia();
    void colaNoJogo();
    void colaPartida(const Colagem& colagem);
    int avaliaFim(bool conta);

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

    // The piece the pawn of the move under way becomes (0: none chosen).
    int promocao;
    // While the computer searches unlocked. A take back meanwhile restores
    // the computer player's memory, which the search's end then touches:
    // the memory as the take back left it is put back after it.
    bool buscando;
    bool memoriaPendente;
    Jogo::MemoriaComputador memoriaDesfeita;

    // When the game on the board began, for the PGN copied.
    std::time_t inicio;

    // A hint asked for, for the position of this generation and number of
    // moves; the banner shows one (it gives way to a move).
    bool dicaPedida;
    long dicaGeracao;
    std::size_t dicaLances;
    bool mensagemDica;
    // Games begun, so that a computer player elsewhere knows a new one.
    long partidas;

#ifdef __EMSCRIPTEN__
    bool colheEscolha();
    void pedeEscolha(bool isDica);
    Jogada* getJogada(int deX, int deY, int paraX, int paraY);

    // The request out to the page's worker and the game it was made for.
    TrabalhadorEscolha* trabalhador = nullptr;
    long pedidos = 0;
    long pedidoGeracao = 0;
    std::size_t pedidoLances = 0;
    bool pedidoDica = false;
#endif
};

#endif
