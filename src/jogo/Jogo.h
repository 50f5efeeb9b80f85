#ifndef JOGO_JOGO_H
#define JOGO_JOGO_H

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "jogo/EstadoPartida.h"
#include "jogo/JogoConstantes.h"
#include "jogo/LanceJogado.h"
#include "jogo/Pecas.h"
#include "jogo/Posicao.h"

class BispoPecaJogada;
class CavaloPecaJogada;
class Jogada;
class JogadaLista;
class JogoDriver;
class Movimento;
class PeaoPecaJogada;
class Peca;
class PecaMov;
class RainhaPecaJogada;
class Tabuleiro;
class ReiPecaJogada;
class Tela;
class TorrePecaJogada;

// The single game object: the live position, levels, counters, the flags
// shared by the controllers, the screens and the computer player, and the
// chess rules, which work on any pair of piece sets.
class Jogo : public Pecas, public JogoConstantes {
public:
    explicit Jogo(JogoDriver* jogoDriver);
    ~Jogo() override;

    Jogo(const Jogo&) = delete;
    Jogo& operator=(const Jogo&) = delete;

    // Sets up a new game; counters and levels survive.
    void reinicia();
    // A new game holding what the rules read of another's position: its
    // pieces, its last moves (en passant) and its side to move.
    void copiaPosicao(Jogo& de);

    // Guards the state shared by the game thread and the main thread.
    std::recursive_mutex& getTrava() { return trava; }

    // Live position.
    Peca* getJogadorPeca(int i) override;
    Peca* getComputadorPeca(int i) override;
    Peca* getJogadorPeca(int x, int y) override;
    Peca* getComputadorPeca(int x, int y) override;
    Peca* getPeca(int x, int y) override;
    Peca** getJogadorPecas() override;
    Peca** getComputadorPecas() override;
    void deleta_pecas() override;

    // Helpers on sets handed in; they never touch the game's own state.
    Peca* getPeca(Peca** jogador, Peca** computador, int x, int y);
    Peca* getPeca(Peca** pecas, int x, int y);
    Peca* getPeca(Peca** pecas, int i);
    void copia_pecas(Peca** jogador, Peca** computador);
    void copia_pecas(Pecas* pecas, Peca** jogador, Peca** computador);
    void copia_pecas(Peca** jogador, Peca** computador, Peca** deJogador, Peca** deComputador);
    void deleta_pecas(Peca** pecas);
    void deleta_pecas(Peca** pecas, int n);

    // Rules.
    bool isPosicaoValida(int x, int y);
    bool addJogada(JogadaLista* lista, Pecas* pecas, int x, int y, bool isComp);
    void calculaJogadasPossiveis(JogadaLista* lista, Pecas* pecas, int x, int y, int tipo,
                                 bool isComp, bool isIncluirRoque);
    void filtraJogadas(JogadaLista* lista, Peca** jogador, Peca** computador, int x, int y,
                       bool isComp);
    bool isOutroReiEmXeque(Peca** jogador, Peca** computador, bool isComp);
    bool isOutroReiEmXeque(bool isComp);
    int isEstaEmXequeMateOuEmpate(Peca** jogador, Peca** computador, bool isComp);
    int isEstaEmXequeMateOuEmpate(bool isComp);
    Peca* capturaOutraPeca(Peca** atacantes, Peca** jogador, Peca** computador, int x, int y,
                           bool isComp, bool isIncluirRei);
    bool isCapturaOutraPeca(Peca** atacantes, Peca** jogador, Peca** computador, int x, int y,
                            bool isComp);

    // The same questions on a position indexed by square, which the search
    // and the perft counts keep for a whole tree. The trials of filtraJogadas
    // make each move on the position and take it back, so its sets are the
    // same when it answers.
    void filtraJogadas(JogadaLista* lista, Tabuleiro& t, int x, int y, bool isComp);
    // calculaJogadasPossiveis then filtraJogadas: the legal moves of the piece.
    void calculaJogadasLegais(JogadaLista* lista, Tabuleiro& t, int x, int y, int tipo, bool isComp,
                              bool isIncluirRoque);
    bool isOutroReiEmXeque(Tabuleiro& t, bool isComp);
    int isEstaEmXequeMateOuEmpate(Tabuleiro& t, bool isComp);
    Peca* capturaOutraPeca(Peca** atacantes, Tabuleiro& t, int x, int y, bool isComp,
                           bool isIncluirRei);
    bool isCapturaOutraPeca(Peca** atacantes, Tabuleiro& t, int x, int y, bool isComp);
    bool move(Peca** jogador, Peca** computador, int x1, int y1, int x2, int y2);
    void move2(Peca** jogador, Peca** computador, Peca* peca, Jogada* jogada);
    void move2(Peca* peca, Jogada* jogada);
    Jogada* getJogada(int x, int y);

    // Carries out a completed move of the side to move on the live sets and
    // records it: the mover's last move, the turn, the mover's move counter,
    // the count of plies since the last capture or pawn move and the
    // positions reached since then. promocao is the type a pawn reaching the
    // far row becomes, 0 for the game's own queen.
    void executaJogada(Peca* peca, Jogada* jogada, int promocao = 0);
    // After a completed move: 0 while the game goes on, otherwise the status
    // it ended with (checkmate and stalemate first, then the draws that end
    // a game by themselves) and, when motivo is given, why (FIM_...).
    int verificaFimDePartida(int* motivo);
    // The same position has arisen REPETICOES_EMPATE times since the last
    // capture or pawn move.
    bool isRepeticaoQuintupla();
    // Neither side can mate: bare kings, a king and one minor piece against
    // a bare king, or kings and bishops all on squares of one colour.
    bool isMaterialInsuficiente(Peca** jogador, Peca** computador);
    Posicao getPosicao();
    // The positions since the last capture or pawn move, the current one
    // last (empty before the first move).
    const std::vector<Posicao>& getHistorico() const { return historico; }
    int getLancesSemCaptura() { return lancesSemCaptura; }
    // For a position set up with a clock already running (a FEN's).
    void setLancesSemCaptura(int n) { lancesSemCaptura = n; }

    // The record of the game: every move carried out since it was set up,
    // in order, and the FEN it was set up from (empty: the start position).
    const std::vector<LanceJogado>& getRegistro() const { return registro; }
    const std::string& getFENInicial() const { return fenInicial; }
    void setFENInicial(const std::string& fen) { fenInicial = fen; }

    // Take back. The game as it stood before each move carried out is kept,
    // so a take back restores everything a move changed, the computer
    // player's memory of the game included. desfazJogada goes back to
    // before the last move made with a side at level Humano to move (the
    // moves after it go too) and answers false, changing nothing, when the
    // game is over or no such move was made.
    bool isDesfazivel();
    bool desfazJogada();
    // Counts the times the game was replaced under whoever looks at it: by
    // a take back and by reinicia. A choice worked out for an older count
    // belongs to a game that is gone.
    long getGeracao() const { return geracao; }

    // What the computer player remembers of the game besides the moves:
    // each side's repeated-piece counter and each piece's choice count.
    struct MemoriaComputador {
        int repetidaCont[2];
        int jogadaCont[2][16];
    };
    MemoriaComputador getMemoriaComputador();
    void setMemoriaComputador(const MemoriaComputador& memoria);

    // Levels and counters, indexed by side (true: the computer's side).
    int getNivel(bool isComp);
    void setNivel(bool isComp, int nivel);
    void incNivel(bool isComp);
    bool isJogadorHumano();
    // The side to move is at level Humano: the mouse and the keys move it.
    bool isVezDeHumano() { return getNivel(vezComputador) == HUMANO; }
    // Some side is at level Humano.
    bool temHumano() { return jogNivel == HUMANO || compNivel == HUMANO; }
    int getVitoriasCont(bool isComp);
    void incVitoriasCont(bool isComp);
    int getEmpatesCont() { return empatesCont; }
    void incEmpatesCont() { empatesCont++; }
    PecaMov* getUltimoMov(bool isComp);
    void setUltimoMov(PecaMov* mov);
    void incJogadaRepetidaCont(bool isComp);
    int getJogadaRepetidaCont(bool isComp);
    void zeraJogadaRepetidaCont(bool isComp);

    std::string getNivelString(int nivel);

    Tela* getTela() { return tela; }
    JogadaLista* getJogadasPossiveis() { return jogadasPossiveis; }
    Peca* getJogadorJogadaPeca() { return jogadorJogadaPeca; }
    void setJogadorJogadaPeca(Peca* peca) { jogadorJogadaPeca = peca; }
    bool isVezComputador() { return vezComputador; }
    void setVezComputador(bool v) { vezComputador = v; }
    bool isAudioLigado() { return audioLigado; }
    void setAudioLigado(bool a) { audioLigado = a; }
    bool isPausa() { return pausa; }
    void setPausa(bool p) { pausa = p; }
    bool isFim() { return fim; }
    void setFim(bool f) { fim = f; }
    int getStatus() { return status; }
    void setStatus(int s) { status = s; }
    Movimento* getMovimento() { return movimento; }
    void setMovimento(Movimento* m) { movimento = m; }

    // The keyboard's cursor on the board: the square it is on, whether it
    // is shown and whether it has been shown in this game. A new game hides
    // it on e2.
    int getCursorX() { return cursorX; }
    int getCursorY() { return cursorY; }
    void setCursor(int x, int y) {
        cursorX = x;
        cursorY = y;
    }
    bool isCursorVisivel() { return cursorVisivel; }
    void setCursorVisivel(bool v) {
        cursorVisivel = v;
        cursorJaVisto = cursorJaVisto || v;
    }
    bool isCursorJaVisto() { return cursorJaVisto; }

private:
    void liberaPartida();
    void guardaEstado();
    int getEstadoDesfazivel();
    int colunaEnPassant();
    bool temRoqueLegal(Peca** jogador, Peca** computador, bool isComp);

    Tela* tela;
    Peca* jogadorPecas[16];
    Peca* computadorPecas[16];
    int compVitoriasCont;
    int jogVitoriasCont;
    int empatesCont;
    JogadaLista* jogadasPossiveis;
    Peca* jogadorJogadaPeca;
    PecaMov* compUltimoMov;
    PecaMov* jogUltimoMov;
    int compJogadaRepetidaCont;
    int jogJogadaRepetidaCont;
    std::atomic<bool> vezComputador;
    std::atomic<bool> audioLigado;
    std::atomic<bool> pausa;
    std::atomic<bool> fim;
    int jogNivel;
    int compNivel;
    std::atomic<int> status;
    Movimento* movimento;
    PeaoPecaJogada* peaoPecaJogada;
    ReiPecaJogada* reiPecaJogada;
    CavaloPecaJogada* cavaloPecaJogada;
    TorrePecaJogada* torrePecaJogada;
    BispoPecaJogada* bispoPecaJogada;
    RainhaPecaJogada* rainhaPecaJogada;
    JogoDriver* jogoDriver;

    int lancesSemCaptura;
    int cursorX;
    int cursorY;
    bool cursorVisivel;
    bool cursorJaVisto;
    // The positions since the last capture or pawn move, the current one
    // last; empty until the first move, which records where it started.
    std::vector<Posicao> historico;
    std::vector<LanceJogado> registro;
    std::string fenInicial;
    // The game before each move carried out since the set-up, oldest first.
    std::vector<std::unique_ptr<EstadoPartida>> estados;
    std::atomic<long> geracao;

    std::recursive_mutex trava;
};

#endif
