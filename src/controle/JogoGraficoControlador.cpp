#include "controle/JogoGraficoControlador.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>

#include "animacao/Movimento.h"
#include "animacao/MovimentoSimples.h"
#include "app/Sistema.h"
#include "desenho/AudioLigadoDesenho.h"
#include "gui/Tela.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/Peca.h"

namespace {
const char* const MSG_PAUSA = "Pausa!";
const char* const MSG_XEQUE = "Xeque!";
const char* const MSG_REI_EM_XEQUE = "Seu rei est\xe1 em xeque!";
const char* const MSG_INVALIDO = "Movimento inv\xe1lido!";
const char* const MSG_BRANCAS = "Xeque mate, as brancas venceram!";
const char* const MSG_PRETAS = "Xeque mate, as pretas venceram!";
const char* const MSG_EMPATE = "O jogo empatou!";
const char* const MSG_REINICIAR = "Tecle ou clique para reiniciar.";
const char* const MSG_ERRO = "Erro no c\xe1lculo da melhor jogada.";
}  // namespace

JogoGraficoControlador::JogoGraficoControlador(Sistema* sistema)
    : tempoIndefinido(-1),
      tempoCurto(1500),
      tempoLongo(4000),
      pecaSelecionada(nullptr),
      mensagemTempo(-1),
      sistema(sistema),
      mensagemGeracao(0),
      pecaComputador(nullptr),
      jogadaComputador(nullptr),
      erroRelatado(false) {}

JogoGraficoControlador::~JogoGraficoControlador() {
    delete pecaComputador;
    delete jogadaComputador;
}

// The same text set again restarts its time but leaves the picture as it is.
void JogoGraficoControlador::setMensagem(std::string texto, long tempo) {
    MensagemDesenho* mensagem = sistema->getJogoGrafico()->getMensagemDesenho();
    bool muda = mensagem->getMensagem() != texto;
    mensagem->setMensagem(texto);
    mensagemTempo = tempo;
    mensagemDesde = std::chrono::steady_clock::now();
    mensagemGeracao++;
    if (muda) {
        sistema->getGUI()->repinta();
    }
}

void JogoGraficoControlador::removeMensagem() {
    MensagemDesenho* mensagem = sistema->getJogoGrafico()->getMensagemDesenho();
    bool muda = !mensagem->getMensagem().empty();
    mensagem->removeMensagem();
    mensagemGeracao++;
    if (muda) {
        sistema->getGUI()->repinta();
    }
}

void JogoGraficoControlador::deseleciona() {
    Jogo* jogo = sistema->getJogo();
    jogo->getJogadasPossiveis()->deletaTodasAsJogadas();
    jogo->setJogadorJogadaPeca(nullptr);
    pecaSelecionada = nullptr;
}

void JogoGraficoControlador::liberaMovimento() {
    Jogo* jogo = sistema->getJogo();
    delete jogo->getMovimento();
    jogo->setMovimento(nullptr);
    delete pecaComputador;
    delete jogadaComputador;
    pecaComputador = nullptr;
    jogadaComputador = nullptr;
}

// Each step asks for a frame when it changes what the screen shows (a slide
// step, a move carried out, a message set or removed, a restart) and only
// then, so an idle game draws nothing.
void JogoGraficoControlador::executando() {
    Jogo* jogo = sistema->getJogo();
    GUI* gui = sistema->getGUI();
    if (sistema->isEncerrando()) {
        return;
    }

    sistema->getJogoAudio()->tocaAudio();

    // The wait's duration, generation and start are read in one locked step:
    // read apart, a message set in between ("Pausa!") would be waited out
    // and removed with the old message's time.
    std::unique_lock<std::recursive_mutex> trava(jogo->getTrava());
    long tempo = mensagemTempo;
    if (tempo != tempoIndefinido) {
        long geracao = mensagemGeracao;
        auto passou = std::chrono::steady_clock::now() - mensagemDesde;
        long resta = tempo - static_cast<long>(
                                 std::chrono::duration_cast<std::chrono::milliseconds>(passou).count());
        trava.unlock();
        gui->espera(resta);
        trava.lock();
        // A message set or removed meanwhile ("Pausa!", a second refusal)
        // lives on by its own time; only this one's time is up.
        if (mensagemGeracao == geracao) {
            removeMensagem();
            mensagemTempo = tempoIndefinido;
        }
        return;
    }

    if (jogo->getStatus() != Jogo::EM_JOGO) {
        if (jogo->isFim()) {
            // The pieces the selection points at go with the old game.
            pecaSelecionada = nullptr;
            liberaMovimento();
            erroRelatado = false;
            sistema->reinicia();
            jogo->setFim(false);
            return;
        }
        setMensagem(MSG_REINICIAR, tempoIndefinido);
    }

    if (jogo->isPausa()) {
        return;
    }

    if (jogo->getMovimento() != nullptr) {
        if (!sistema->getAnimacao()->move(jogo->getMovimento(), 10)) {
            gui->repinta();
            return;
        }
        gui->repinta();
        executaMovimento();
        gui->repinta();
        return;
    }

    // A computer's choice shows from the first step of its slide on.
    if ((!jogo->isJogadorHumano() || jogo->isVezComputador()) && jogo->getStatus() == Jogo::EM_JOGO) {
        jogaComputador(trava);
    }
}

void JogoGraficoControlador::executaMovimento() {
    Jogo* jogo = sistema->getJogo();
    Movimento* movimento = jogo->getMovimento();
    Peca* origem = movimento->getMovimento1()->getPeca();
    bool vez = jogo->isVezComputador();
    Jogada* jogada = movimento->getJogada();
    jogo->executaJogada(jogo->getPeca(origem->getPosX(), origem->getPosY()), jogada);

    JogoAudio* audio = sistema->getJogoAudio();
    if (jogada->getCaptura() != nullptr) {
        audio->setNumAudio(3);
    } else {
        audio->setNumAudio(vez ? 2 : 1);
    }

    // The human's move lives in the list cleared here, so the animation goes first.
    liberaMovimento();
    deseleciona();

    if (verificaEProcessaXequeMate() == 0) {
        verificaSeXeque();
    }
}

void JogoGraficoControlador::jogaComputador(std::unique_lock<std::recursive_mutex>& trava) {
    Jogo* jogo = sistema->getJogo();
    bool vez = jogo->isVezComputador();
    int x = 0, y = 0;
    Jogada* jogada = nullptr;

    // The search copies the position it needs; the window keeps drawing and
    // answering meanwhile.
    trava.unlock();
    bool achou = sistema->getAlgoritmoGerenciador()->calculaMelhorJogada(&x, &y, &jogada, vez);
    trava.lock();

    if (sistema->isEncerrando()) {
        delete jogada;
        return;
    }
    if (!achou) {
        delete jogada;
        if (!erroRelatado) {
            std::printf("%s\n", MSG_ERRO);
            std::fflush(stdout);
            erroRelatado = true;
        }
        jogo->setFim(true);
        return;
    }
    erroRelatado = false;

    Peca* live = jogo->getPeca(x, y);
    if (live == nullptr || jogo->getMovimento() != nullptr) {
        // The game changed under the search (it was left meanwhile).
        delete jogada;
        return;
    }
    liberaMovimento();
    pecaComputador = live->nova();
    jogadaComputador = jogada->nova();
    delete jogada;
    jogo->setMovimento(sistema->getAnimacao()->criaMovimentos(jogadaComputador, pecaComputador));
}

// The window picks the screen an event goes to before the handler takes the
// game's lock; by then the tick may have restarted the game and shown the
// opening screen, and the event belongs to no game any more.
bool JogoGraficoControlador::isTelaDoJogo() {
    return sistema->getGUI()->getGraficoTipo() == GUI::TELA_JOGO;
}

void JogoGraficoControlador::alternaSom() {
    Jogo* jogo = sistema->getJogo();
    jogo->setAudioLigado(!jogo->isAudioLigado());
    if (jogo->isAudioLigado()) {
        sistema->getJogoAudio()->resumeMusica();
    } else {
        sistema->getJogoAudio()->pauseMusica();
    }
    sistema->getGUI()->repinta();  // the button's picture
}

void JogoGraficoControlador::mousePressionado(int x, int y) {
    Jogo* jogo = sistema->getJogo();
    GUI* gui = sistema->getGUI();
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    if (!isTelaDoJogo()) {
        return;
    }

    // A click hides the keyboard's cursor until the next arrow key.
    if (jogo->isCursorVisivel()) {
        jogo->setCursorVisivel(false);
        gui->repinta();
    }

    if (sistema->getJogoGrafico()->getAudioLigadoDesenho()->isMouseEmAudioBT(x, y)) {
        alternaSom();
    }

    if (jogo->getStatus() != Jogo::EM_JOGO) {
        jogo->setFim(true);
        return;
    }
    if (!jogo->isJogadorHumano() || jogo->getMovimento() != nullptr) {
        return;
    }
    if (jogo->isPausa()) {
        gui->repinta();
        return;
    }

    Tela* tela = jogo->getTela();
    int tx = tela->getTabuleiroX();
    int ty = tela->getTabuleiroY();
    int dim = tela->getTabuleiroDIM();
    int cel = tela->getCelulaDIM();
    if (x < tx || x >= tx + dim || y < ty || y >= ty + dim) {
        gui->repinta();
        return;
    }
    acionaCasa((x - tx) / cel, (y - ty) / cel);
    gui->repinta();
}

// A click on board square (col, lin) with the human to move: select, move
// the selection, start the move or drop the selection. True when the marks
// on the board changed.
bool JogoGraficoControlador::acionaCasa(int col, int lin) {
    Jogo* jogo = sistema->getJogo();
    JogadaLista* lista = jogo->getJogadasPossiveis();
    // A selection shows its square and its targets only when it has targets.
    auto marcada = [&] { return lista->getTam() > 0 ? jogo->getJogadorJogadaPeca() : nullptr; };
    Peca* antes = marcada();
    int alvosAntes = lista->getTam();

    Peca* naCasa = jogo->getPeca(col, lin);
    if (pecaSelecionada != nullptr && naCasa != nullptr && !naCasa->isIgual(pecaSelecionada) &&
        naCasa->isDeComp() == jogo->isVezComputador()) {
        deseleciona();
    }

    if (!jogo->isVezComputador()) {
        if (pecaSelecionada != nullptr) {
            Jogada* jogada = jogo->getJogada(col, lin);
            if (jogada != nullptr) {
                jogo->setMovimento(sistema->getAnimacao()->criaMovimentos(jogada, pecaSelecionada));
            } else {
                deseleciona();
            }
        } else {
            Peca* peca = jogo->getJogadorPeca(col, lin);
            if (peca != nullptr && selecionaPeca(col, lin, false)) {
                jogo->setJogadorJogadaPeca(peca);
                pecaSelecionada = peca;
            }
        }
    }
    return marcada() != antes || lista->getTam() != alvosAntes;
}

// Within the board; the first arrow key of a game, or the first after a
// click, only shows the cursor where it is.
void JogoGraficoControlador::moveCursor(int dx, int dy) {
    Jogo* jogo = sistema->getJogo();
    if (!jogo->isJogadorHumano()) {
        return;
    }
    if (!jogo->isCursorVisivel()) {
        jogo->setCursorVisivel(true);
        sistema->getGUI()->repinta();
        return;
    }
    int x = std::min(7, std::max(0, jogo->getCursorX() + dx));
    int y = std::min(7, std::max(0, jogo->getCursorY() + dy));
    if (x != jogo->getCursorX() || y != jogo->getCursorY()) {
        jogo->setCursor(x, y);
        sistema->getGUI()->repinta();
    }
}

bool JogoGraficoControlador::selecionaPeca(int x, int y, bool isComp) {
    Jogo* jogo = sistema->getJogo();
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    Peca* peca = jogo->getPeca(x, y);
    if (peca == nullptr) {
        return false;
    }
    JogadaLista* lista = jogo->getJogadasPossiveis();
    lista->deletaTodasAsJogadas();

    Peca* a[16];
    Peca* b[16];
    jogo->copia_pecas(a, b);
    jogo->calculaJogadasPossiveis(lista, jogo, x, y, peca->getTipo(), isComp, false);
    jogo->filtraJogadas(lista, a, b, x, y, isComp);
    if (lista->getTam() == 0) {
        const char* texto = jogo->isOutroReiEmXeque(a, b, !isComp) ? MSG_REI_EM_XEQUE : MSG_INVALIDO;
        sistema->getJogoAudio()->setNumAudio(8);
        setMensagem(texto, tempoCurto);
    }
    jogo->deleta_pecas(a);
    jogo->deleta_pecas(b);
    return true;
}

bool JogoGraficoControlador::verificaSeXeque() {
    Jogo* jogo = sistema->getJogo();
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    bool xeque = jogo->isOutroReiEmXeque(!jogo->isVezComputador());
    if (xeque) {
        deseleciona();
        sistema->getJogoAudio()->setNumAudio(4);
        setMensagem(MSG_XEQUE, tempoCurto);
    }
    return xeque;
}

int JogoGraficoControlador::verificaEProcessaXequeMate() {
    Jogo* jogo = sistema->getJogo();
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    int r = jogo->verificaFimDePartida(nullptr);
    jogo->setStatus(r);
    if (r == Jogo::EM_JOGO) {
        return 0;
    }
    const char* texto = MSG_BRANCAS;
    int som = 6;
    if (r == Jogo::PRETAS_VENCERAM) {
        jogo->incVitoriasCont(true);
        texto = MSG_PRETAS;
        som = 5;
    } else if (r == Jogo::EMPATE) {
        jogo->incEmpatesCont();
        texto = MSG_EMPATE;
        som = 7;
    } else {
        jogo->incVitoriasCont(false);
    }
    sistema->getJogoAudio()->setNumAudio(som);
    setMensagem(texto, tempoLongo);
    return r;
}

void JogoGraficoControlador::teclaPressionada(int tecla) {
    Jogo* jogo = sistema->getJogo();
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    if (!isTelaDoJogo()) {
        return;
    }
    if (tecla == GUI::TECLA_M) {
        alternaSom();
    }
    if (jogo->getStatus() != Jogo::EM_JOGO) {
        jogo->setFim(true);  // any key dismisses a finished game
    } else if (tecla == GUI::TECLA_ESC) {
        jogo->setStatus(Jogo::ABANDONADO);
        jogo->setFim(true);
    } else if (tecla == GUI::TECLA_ENTER) {
        jogo->setPausa(!jogo->isPausa());
        if (jogo->isPausa()) {
            setMensagem(MSG_PAUSA, tempoIndefinido);
        } else {
            removeMensagem();
        }
    } else if (tecla == GUI::TECLA_CIMA) {
        moveCursor(0, -1);
    } else if (tecla == GUI::TECLA_BAIXO) {
        moveCursor(0, 1);
    } else if (tecla == GUI::TECLA_ESQUERDA) {
        moveCursor(-1, 0);
    } else if (tecla == GUI::TECLA_DIREITA) {
        moveCursor(1, 0);
    } else if (tecla == GUI::TECLA_ESPACO && jogo->isCursorVisivel() && jogo->isJogadorHumano() &&
               jogo->getMovimento() == nullptr && !jogo->isPausa()) {
        if (acionaCasa(jogo->getCursorX(), jogo->getCursorY())) {
            sistema->getGUI()->repinta();
        }
    }
    // The other keys ask for a frame only when they changed something.
    if (tecla == GUI::TECLA_ESC || tecla == GUI::TECLA_ENTER) {
        sistema->getGUI()->repinta();
    }
}
