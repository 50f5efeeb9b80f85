#include "controle/JogoGraficoControlador.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>

#include "Colagem.h"
#include "PartidaPGN.h"
#include "Notacao.h"
#include "animacao/Movimento.h"
#include "animacao/MovimentoSimples.h"
#include "app/Sistema.h"
#include "desenho/AudioLigadoDesenho.h"
#include "desenho/ControlesDesenho.h"
#include "desenho/ListaDesenho.h"
#include "desenho/PromocaoDesenho.h"
#include "gui/AreaTransferencia.h"
#include "gui/Tela.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/Peca.h"
#ifdef __EMSCRIPTEN__
#include "controle/TrabalhadorEscolha.h"
#include "escolha/PedidoEscolha.h"
#include "escolha/RespostaEscolha.h"
#include "jogo/CopiaPecas.h"
#include "jogo/Tabuleiro.h"
#endif

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
const char* const MSG_COPIADA = "Partida copiada (PGN).";
const char* const MSG_NAO_COPIADA = "N\xe3o foi poss\xedvel copiar.";
const char* const MSG_SEM_ACESSO = "Sem acesso \xe0 \xe1rea de transfer\xeancia.";
const char* const MSG_NADA = "Nada para colar.";

// The button of the column that a key stands for, among the record's.
int botaoDaTecla(int tecla) {
    switch (tecla) {
        case GUI::TECLA_L: return ControlesDesenho::LISTA;
        case GUI::TECLA_COPIAR: return ControlesDesenho::COPIAR;
        case GUI::TECLA_COLAR: return ControlesDesenho::COLAR;
        default: return 0;
    }
}
const char* const MSG_SUGESTAO = "Sugest\xe3o: ";
// A hint's banner is looked at this often for a move that ends it.
const long PASSO_DICA = 30;
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
      erroRelatado(false),
      promocao(0),
      buscando(false),
      memoriaPendente(false),
      memoriaDesfeita(),
      inicio(std::time(nullptr)),
      dicaPedida(false),
      dicaGeracao(0),
      dicaLances(0),
      mensagemDica(false),
      partidas(0) {
#ifdef __EMSCRIPTEN__
    trabalhador = new TrabalhadorEscolha();
#endif
}

JogoGraficoControlador::~JogoGraficoControlador() {
    delete pecaComputador;
    delete jogadaComputador;
#ifdef __EMSCRIPTEN__
    delete trabalhador;
#endif
}

// The same text set again restarts its time but leaves the picture as it is.
void JogoGraficoControlador::setMensagem(std::string texto, long tempo) {
    MensagemDesenho* mensagem = sistema->getJogoGrafico()->getMensagemDesenho();
    bool muda = mensagem->getMensagem() != texto;
    mensagem->setMensagem(texto);
    mensagemTempo = tempo;
    mensagemDesde = std::chrono::steady_clock::now();
    mensagemGeracao++;
    mensagemDica = false;
    if (muda) {
        sistema->getGUI()->repinta();
    }
}

void JogoGraficoControlador::removeMensagem() {
    MensagemDesenho* mensagem = sistema->getJogoGrafico()->getMensagemDesenho();
    bool muda = !mensagem->getMensagem().empty();
    mensagem->removeMensagem();
    mensagemGeracao++;
    mensagemDica = false;
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
    promocao = 0;
}

// The one place where a take back, a paste, Escape, closing the window and
// a move during a hint stop a search under way, called under the game's
// lock (but at closing). The original levels watch the end flag (Escape,
// closing) or end in a moment; the stronger engine returns at once, or,
// when its search has not begun yet, does not begin it (see preparaBusca).
// Their choice, made for a game that is gone, is dropped by its generation.
// A page's worker is ended, its search with it.
void JogoGraficoControlador::interrompeBusca() {
    sistema->getAlgoritmoGerenciador()->interrompe();
#ifdef __EMSCRIPTEN__
    trabalhador->interrompe();
#endif
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
        bool dica = mensagemDica;
        auto passou = std::chrono::steady_clock::now() - mensagemDesde;
        long resta = tempo - static_cast<long>(
                                 std::chrono::duration_cast<std::chrono::milliseconds>(passou).count());
        trava.unlock();
        if (dica) {
            esperaDica(resta, geracao);
        } else {
            gui->espera(resta);
        }
        trava.lock();
        // A message set or removed meanwhile ("Pausa!", a second refusal)
        // lives on by its own time; only this one's time is up.
        if (mensagemGeracao == geracao) {
            removeMensagem();
            mensagemTempo = tempoIndefinido;
            // A message shown during a pause (a copy) gives way to it again.
            if (jogo->isPausa()) {
                setMensagem(MSG_PAUSA, tempoIndefinido);
            }
        }
        return;
    }

    if (jogo->getStatus() != Jogo::EM_JOGO) {
        if (jogo->isFim()) {
            // The pieces the selection points at go with the old game.
            pecaSelecionada = nullptr;
            liberaMovimento();
            erroRelatado = false;
            dicaPedida = false;
            partidas++;
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

#ifdef __EMSCRIPTEN__
    // While the worker chooses there is nothing else for the tick to do.
    if (colheEscolha()) {
        return;
    }
#endif
    if (dicaPedida) {
        if (isDicaValida()) {
            mostraDica(trava);
            return;
        }
        dicaPedida = false;
    }

    // A computer's choice shows from the first step of its slide on.
    if (!jogo->isVezDeHumano() && jogo->getStatus() == Jogo::EM_JOGO) {
        jogaComputador(trava);
    }
}

void JogoGraficoControlador::executaMovimento() {
    Jogo* jogo = sistema->getJogo();
    Movimento* movimento = jogo->getMovimento();
    Peca* origem = movimento->getMovimento1()->getPeca();
    bool vez = jogo->isVezComputador();
    Jogada* jogada = movimento->getJogada();
    jogo->executaJogada(jogo->getPeca(origem->getPosX(), origem->getPosY()), jogada, promocao);

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
#ifdef __EMSCRIPTEN__
    // The page's worker chooses; a later tick takes its answer.
    (void)trava;
    pedeEscolha(false);
#else
    Jogo* jogo = sistema->getJogo();
    bool vez = jogo->isVezComputador();
    int x = 0, y = 0;
    Jogada* jogada = nullptr;

    // The search copies the position it needs; the window keeps drawing and
    // answering meanwhile.
    long geracao = jogo->getGeracao();
    buscando = true;
    bool forte = jogo->getNivel(vez) >= Jogo::AMADOR;
    memoriaPendente = false;
    AlgoritmoGerenciador* gerenciador = sistema->getAlgoritmoGerenciador();
    gerenciador->preparaBusca(geracao);
    trava.unlock();
    bool achou = gerenciador->calculaMelhorJogada(&x, &y, &jogada, vez);
    int promocaoEscolhida = gerenciador->getPromocao();
    trava.lock();
    buscando = false;

    if (sistema->isEncerrando()) {
        delete jogada;
        return;
    }
    if (jogo->getGeracao() != geracao) {
        // Taken back or set up anew meanwhile: the choice is for a game that is gone.
        delete jogada;
        if (memoriaPendente) {
            jogo->setMemoriaComputador(memoriaDesfeita);
            memoriaPendente = false;
        }
        return;
    }
    if (forte && gerenciador->isInterrompida()) {
        // Stopped on purpose (Escape): no error, and no move for a game left.
        delete jogada;
        return;
    }
    aplicaEscolha(achou, x, y, jogada, promocaoEscolhida);
#endif
}

// After the computer's choice (jogada is taken over): its slide begins, the
// pawn to become what the choice says; or the failure is reported once.
void JogoGraficoControlador::aplicaEscolha(bool achou, int x, int y, Jogada* jogada, int promocaoEscolhida) {
    Jogo* jogo = sistema->getJogo();
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
    promocao = promocaoEscolhida;
    jogo->setMovimento(sistema->getAnimacao()->criaMovimentos(jogadaComputador, pecaComputador));
}

// Waits out a hint's banner, which gives way as soon as a move starts (its
// wait would hold the slide up) or another message replaces it.
void JogoGraficoControlador::esperaDica(long ms, long geracao) {
    Jogo* jogo = sistema->getJogo();
    auto fim = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        long resta = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(fim - std::chrono::steady_clock::now()).count());
        if (resta <= 0 || sistema->getGUI()->isFinalizado()) {
            return;
        }
        sistema->getGUI()->espera(std::min(resta, PASSO_DICA));
        std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
        if (mensagemGeracao != geracao || jogo->getMovimento() != nullptr) {
            return;
        }
    }
}

// A hint acts only for a human side to move, in play, with no slide under way.
bool JogoGraficoControlador::isDicaPossivel() {
    Jogo* jogo = sistema->getJogo();
    return jogo->getStatus() == Jogo::EM_JOGO && !jogo->isPausa() && jogo->isVezDeHumano() &&
           jogo->getMovimento() == nullptr;
}

// The hint asked for is still for the game on the board.
bool JogoGraficoControlador::isDicaValida() {
    Jogo* jogo = sistema->getJogo();
    return dicaPedida && jogo->getGeracao() == dicaGeracao && jogo->getRegistro().size() == dicaLances &&
           isDicaPossivel();
}

// The handler only asks: the tick searches, so the window never waits for it.
void JogoGraficoControlador::pedeDica() {
    if (!isDicaPossivel()) {
        return;
    }
#ifdef __EMSCRIPTEN__
    if (pedidoDica && trabalhador->isPendente()) {
        return;  // one is on its way
    }
#endif
    Jogo* jogo = sistema->getJogo();
    dicaPedida = true;
    dicaGeracao = jogo->getGeracao();
    dicaLances = jogo->getRegistro().size();
}

// A move started while a hint is on its way: the hint's search would only
// hold the move's slide up.
void JogoGraficoControlador::cancelaDica() {
#ifdef __EMSCRIPTEN__
    if (pedidoDica && trabalhador->isPendente()) {
        trabalhador->interrompe();
    }
#endif
    if (dicaPedida) {
        dicaPedida = false;
        interrompeBusca();
    }
}

void JogoGraficoControlador::mostraDica(std::unique_lock<std::recursive_mutex>& trava) {
#ifdef __EMSCRIPTEN__
    (void)trava;
    dicaPedida = false;
    pedeEscolha(true);
#else
    Jogo* jogo = sistema->getJogo();
    bool vez = jogo->isVezComputador();
    int x = 0, y = 0, promocaoSugerida = 0;
    Jogada* jogada = nullptr;
    buscando = true;
    sistema->getAlgoritmoGerenciador()->preparaBusca(jogo->getGeracao());
    trava.unlock();
    bool achou = sistema->getAlgoritmoGerenciador()->sugere(vez, &x, &y, &jogada, &promocaoSugerida);
    trava.lock();
    buscando = false;
    // Only the computer's own search leaves memory to put back.
    memoriaPendente = false;
    // Taken back, left, moved or stopped meanwhile: the hint is for a game that is gone.
    bool valida = isDicaValida() && !sistema->isEncerrando();
    dicaPedida = false;
    if (achou && valida) {
        aplicaDica(x, y, jogada->getPosX(), jogada->getPosY(), promocaoSugerida);
    }
    delete jogada;
#endif
}

// The hinted piece selected and its targets marked, as a click on it would;
// the keyboard's cursor, when shown, on the target, so that Space takes the
// move. The move itself is named in the banner.
void JogoGraficoControlador::aplicaDica(int deX, int deY, int paraX, int paraY, int promocaoSugerida) {
    Jogo* jogo = sistema->getJogo();
    bool vez = jogo->isVezComputador();
    Peca* peca = vez ? jogo->getComputadorPeca(deX, deY) : jogo->getJogadorPeca(deX, deY);
    if (peca == nullptr) {
        return;
    }
    fechaPromocao();
    deseleciona();
    if (selecionaPeca(deX, deY, vez)) {
        jogo->setJogadorJogadaPeca(peca);
        pecaSelecionada = peca;
    }
    if (jogo->isCursorVisivel()) {
        jogo->setCursor(paraX, paraY);
    }
    std::string lance = Notacao::escreve(*jogo, LanceJogado{deX, deY, paraX, paraY, promocaoSugerida},
                                         Notacao::PORTUGUES);
    setMensagem(MSG_SUGESTAO + lance, tempoCurto);
    mensagemDica = true;
    sistema->getGUI()->repinta();
}

#ifdef __EMSCRIPTEN__
// Sends the request for the side to move, remembering which game it is for.
void JogoGraficoControlador::pedeEscolha(bool isDica) {
    Jogo* jogo = sistema->getJogo();
    PedidoEscolha pedido = PedidoEscolha::doJogo(jogo, isDica);
    pedido.id = ++pedidos;
    pedido.partida = partidas;
    pedidoGeracao = jogo->getGeracao();
    pedidoLances = jogo->getRegistro().size();
    pedidoDica = isDica;
    trabalhador->pede(pedido);
}

// True while a request is out or when its answer was taken now: the answer
// goes on as the desktop's tick does after its search, if it is still for
// the game on the board.
bool JogoGraficoControlador::colheEscolha() {
    trabalhador->prepara();
    if (!trabalhador->isPendente()) {
        return false;
    }
    RespostaEscolha r;
    if (!trabalhador->colhe(&r)) {
        return true;
    }
    Jogo* jogo = sistema->getJogo();
    bool valida = jogo->getGeracao() == pedidoGeracao && jogo->getRegistro().size() == pedidoLances &&
                  jogo->getStatus() == Jogo::EM_JOGO && jogo->getMovimento() == nullptr;
    if (pedidoDica) {
        if (valida && r.achou && isDicaPossivel()) {
            aplicaDica(r.deX, r.deY, r.paraX, r.paraY, r.promocao);
        }
        return true;
    }
    if (!valida || jogo->isVezDeHumano()) {
        return true;
    }
    jogo->setMemoriaComputador(r.memoria);
    Jogada* jogada = r.achou ? getJogada(r.deX, r.deY, r.paraX, r.paraY) : nullptr;
    aplicaEscolha(jogada != nullptr, r.deX, r.deY, jogada, r.promocao);
    return true;
}

// The game's own move object for the worker's answer, castling and en
// passant as the piece's generator makes them; null when it is not legal.
Jogada* JogoGraficoControlador::getJogada(int deX, int deY, int paraX, int paraY) {
    Jogo* jogo = sistema->getJogo();
    CopiaPecas copia(jogo->getJogadorPecas(), jogo->getComputadorPecas());
    Tabuleiro t(copia.getJogador(), copia.getComputador());
    Peca* peca = t.getPeca(deX, deY);
    if (peca == nullptr || peca->isDeComp() != jogo->isVezComputador()) {
        return nullptr;
    }
    JogadaLista lista;
    jogo->calculaJogadasLegais(&lista, t, deX, deY, peca->getTipo(), jogo->isVezComputador(), false);
    for (int i = 0; i < lista.getTam(); i++) {
        Jogada* j = lista.getJogada(i);
        if (j->getPosX() == paraX && j->getPosY() == paraY) {
            return j->nova();
        }
    }
    return nullptr;
}
#endif

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

// The first use of the mouse or a finger on the game screen shows the
// column of controls, for the rest of the run.
void JogoGraficoControlador::mostraControles() {
    ControlesDesenho* controles = sistema->getJogoGrafico()->getControlesDesenho();
    if (!controles->isVisivel()) {
        controles->setVisivel(true);
        sistema->getGUI()->repinta();
    }
}

void JogoGraficoControlador::mouseSobre(int x, int y) {
    Jogo* jogo = sistema->getJogo();
    GUI* gui = sistema->getGUI();
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    mostraControles();
    JogoGrafico* grafico = sistema->getJogoGrafico();
    PromocaoDesenho* escolha = grafico->getPromocaoDesenho();
    int opcao = escolha->getOpcaoEm(jogo, x, y);
    if (opcao >= 0 && opcao != escolha->getDestaque()) {
        escolha->setDestaque(opcao);
        gui->repinta();
    }
    int botao = grafico->getControlesDesenho()->getBotaoEm(x, y);
    bool ativo = opcao >= 0 || (botao != 0 && grafico->getControlesDesenho()->isHabilitado(botao));
    int cursor = ativo ? GUI::CURSOR_MAO : GUI::CURSOR_SETA;
    if (cursor != gui->getCursorTipo()) {
        gui->setCursorTipo(cursor);
    }
}

void JogoGraficoControlador::mousePressionado(int x, int y) {
    if (acionaRegistro(registroEm(x, y))) return;
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
    // Only a column already shown takes the click: nobody aimed at it before.
    int botao = sistema->getJogoGrafico()->getControlesDesenho()->getBotaoEm(x, y);
    mostraControles();

    if (sistema->getJogoGrafico()->getAudioLigadoDesenho()->isMouseEmAudioBT(x, y)) {
        alternaSom();
    }

    PromocaoDesenho* escolha = sistema->getJogoGrafico()->getPromocaoDesenho();
    if (escolha->isAberta() && jogo->getStatus() == Jogo::EM_JOGO) {
        int opcao = escolha->getOpcaoEm(jogo, x, y);
        if (opcao >= 0) {
            escolhePromocao(opcao);
            return;
        }
        // Anywhere else the picker goes and no move is made; a control still acts.
        fechaPromocao();
        if (botao != 0) {
            acionaControle(botao);
        }
        return;
    }

    if (jogo->getStatus() != Jogo::EM_JOGO) {
        jogo->setFim(true);
        return;
    }
    if (botao != 0) {
        acionaControle(botao);
        return;
    }
    if (!jogo->isVezDeHumano() || jogo->getMovimento() != nullptr) {
        return;
    }
    if (jogo->isPausa()) {
        gui->repinta();
        return;
    }

    int col = 0, lin = 0;
    if (jogo->getTela()->getCasaEm(x, y, &col, &lin)) {
        acionaCasa(col, lin);
    }
    gui->repinta();
}

void JogoGraficoControlador::acionaControle(int id) {
    if (id == ControlesDesenho::DESFAZER) {
        desfaz();
    } else if (id == ControlesDesenho::GIRAR) {
        gira();
    } else if (id == ControlesDesenho::DICA) {
        pedeDica();
    }
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

    bool vez = jogo->isVezComputador();
    Peca* naCasa = jogo->getPeca(col, lin);
    if (pecaSelecionada != nullptr && naCasa != nullptr && !naCasa->isIgual(pecaSelecionada) &&
        naCasa->isDeComp() == vez) {
        deseleciona();
    }

    if (jogo->isVezDeHumano()) {
        if (pecaSelecionada != nullptr) {
            Jogada* jogada = jogo->getJogada(col, lin);
            if (jogada != nullptr && pecaSelecionada->getTipo() == Jogo::PEAO && lin == (vez ? 7 : 0)) {
                // The piece it becomes is asked first; the pawn stays selected.
                sistema->getJogoGrafico()->getPromocaoDesenho()->abre(col, lin, vez);
                return true;
            }
            if (jogada != nullptr) {
                cancelaDica();
                jogo->setMovimento(sistema->getAnimacao()->criaMovimentos(jogada, pecaSelecionada));
            } else {
                deseleciona();
            }
        } else {
            Peca* peca = vez ? jogo->getComputadorPeca(col, lin) : jogo->getJogadorPeca(col, lin);
            if (peca != nullptr && selecionaPeca(col, lin, vez)) {
                jogo->setJogadorJogadaPeca(peca);
                pecaSelecionada = peca;
            }
        }
    }
    return marcada() != antes || lista->getTam() != alvosAntes;
}

// Within the board, in the screen's directions; the first arrow key of a
// game shows the cursor on the e-pawn's square of the human side (the one
// to move when both are), the first after a click where it was left.
void JogoGraficoControlador::moveCursor(int dx, int dy) {
    Jogo* jogo = sistema->getJogo();
    if (!jogo->temHumano()) {
        return;
    }
    if (!jogo->isCursorVisivel()) {
        if (!jogo->isCursorJaVisto()) {
            bool lado = jogo->isVezDeHumano() ? jogo->isVezComputador() : !jogo->isVezComputador();
            jogo->setCursor(4, lado ? 1 : 6);
        }
        jogo->setCursorVisivel(true);
        sistema->getGUI()->repinta();
        return;
    }
    if (jogo->getTela()->isGirado()) {
        dx = -dx;
        dy = -dy;
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

int JogoGraficoControlador::verificaEProcessaXequeMate() { return avaliaFim(true); }

// conta: the end counts in the panel's tally (not for a game pasted already over).
int JogoGraficoControlador::avaliaFim(bool conta) {
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
        if (conta) jogo->incVitoriasCont(true);
        texto = MSG_PRETAS;
        som = 5;
    } else if (r == Jogo::EMPATE) {
        if (conta) jogo->incEmpatesCont();
        texto = MSG_EMPATE;
        som = 7;
    } else if (conta) {
        jogo->incVitoriasCont(false);
    }
    sistema->getJogoAudio()->setNumAudio(som);
    setMensagem(texto, tempoLongo);
    return r;
}

void JogoGraficoControlador::teclaPressionada(int tecla) {
    if (acionaRegistro(botaoDaTecla(tecla))) return;
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
    } else if (sistema->getJogoGrafico()->getPromocaoDesenho()->isAberta()) {
        teclaNaPromocao(tecla);
    } else if (tecla == GUI::TECLA_ESC) {
        interrompeBusca();
        jogo->setStatus(Jogo::ABANDONADO);
        jogo->setFim(true);
    } else if (tecla == GUI::TECLA_DESFAZER) {
        desfaz();
    } else if (tecla == GUI::TECLA_G) {
        gira();
    } else if (tecla == GUI::TECLA_H) {
        pedeDica();
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
    } else if (tecla == GUI::TECLA_ESPACO && jogo->isCursorVisivel() && jogo->isVezDeHumano() &&
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

// The picker's own keys; the others that act during a game still do.
void JogoGraficoControlador::teclaNaPromocao(int tecla) {
    PromocaoDesenho* escolha = sistema->getJogoGrafico()->getPromocaoDesenho();
    switch (tecla) {
        case GUI::TECLA_DIREITA:
        case GUI::TECLA_BAIXO:
            escolha->setDestaque(escolha->getDestaque() + 1);
            sistema->getGUI()->repinta();
            break;
        case GUI::TECLA_ESQUERDA:
        case GUI::TECLA_CIMA:
            escolha->setDestaque(escolha->getDestaque() - 1);
            sistema->getGUI()->repinta();
            break;
        case GUI::TECLA_ESPACO:
        case GUI::TECLA_ENTER:
            escolhePromocao(escolha->getDestaque());
            break;
        case GUI::TECLA_ESC:
            fechaPromocao();
            break;
        case GUI::TECLA_DESFAZER:
            desfaz();
            break;
        case GUI::TECLA_G:
            gira();
            break;
        default:
            break;
    }
}

void JogoGraficoControlador::escolhePromocao(int opcao) {
    Jogo* jogo = sistema->getJogo();
    PromocaoDesenho* escolha = sistema->getJogoGrafico()->getPromocaoDesenho();
    escolha->fecha();
    Jogada* jogada = jogo->getJogada(escolha->getColuna(), escolha->getLinha());
    if (jogada != nullptr && pecaSelecionada != nullptr && jogo->getMovimento() == nullptr) {
        cancelaDica();
        jogo->setMovimento(sistema->getAnimacao()->criaMovimentos(jogada, pecaSelecionada));
        promocao = PromocaoDesenho::getTipo(opcao);
    }
    sistema->getGUI()->repinta();
}

void JogoGraficoControlador::fechaPromocao() {
    PromocaoDesenho* escolha = sistema->getJogoGrafico()->getPromocaoDesenho();
    if (escolha->isAberta()) {
        escolha->fecha();
        sistema->getGUI()->repinta();
    }
}

// Back to before the last move of a human side, which is to move again; a
// search or a slide under way goes at once. Nothing while paused.
void JogoGraficoControlador::desfaz() {
    Jogo* jogo = sistema->getJogo();
    if (jogo->isPausa() || !jogo->isDesfazivel()) {
        return;
    }
    interrompeBusca();
    fechaPromocao();
    liberaMovimento();
    deseleciona();
    jogo->desfazJogada();
    if (buscando) {
        memoriaDesfeita = jogo->getMemoriaComputador();
        memoriaPendente = true;
    }
    // "Xeque!" or a refusal belonged to the moves taken back.
    if (mensagemTempo != tempoIndefinido) {
        removeMensagem();
        mensagemTempo = tempoIndefinido;
    }
    sistema->getGUI()->repinta();
}

void JogoGraficoControlador::gira() {
    Tela* tela = sistema->getJogo()->getTela();
    tela->setGirado(!tela->isGirado());
    sistema->getGUI()->repinta();
}

// --- the record: the list of moves, copy and paste ---------------------

// What a click at (x, y) asks of the record: a button of the column, or the
// list itself, which a click hides; 0 for anything else.
int JogoGraficoControlador::registroEm(int x, int y) {
    Jogo* jogo = sistema->getJogo();
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    JogoGrafico* grafico = sistema->getJogoGrafico();
    if (!isTelaDoJogo() ||
        (grafico->getPromocaoDesenho()->isAberta() && grafico->getPromocaoDesenho()->getOpcaoEm(jogo, x, y) >= 0)) {
        return 0;
    }
    int botao = grafico->getControlesDesenho()->getBotaoEm(x, y);
    if (botao == 0 && grafico->getListaDesenho()->isEm(x, y)) {
        botao = ControlesDesenho::LISTA;
    }
    return botao == ControlesDesenho::LISTA || botao == ControlesDesenho::COPIAR || botao == ControlesDesenho::COLAR
               ? botao
               : 0;
}

// The record's actions work on a finished game too, without dismissing it,
// and take the game's lock only around what touches the game. True when
// botao was one of them.
bool JogoGraficoControlador::acionaRegistro(int botao) {
    switch (botao) {
        case ControlesDesenho::LISTA:
            alternaLista();
            return true;
        case ControlesDesenho::COPIAR:
            copia();
            return true;
        case ControlesDesenho::COLAR:
            colaNoJogo();
            return true;
        default:
            return false;
    }
}

void JogoGraficoControlador::alternaLista() {
    std::lock_guard<std::recursive_mutex> trava(sistema->getJogo()->getTrava());
    if (!isTelaDoJogo()) {
        return;
    }
    ListaDesenho* lista = sistema->getJogoGrafico()->getListaDesenho();
    lista->setVisivel(!lista->isVisivel());
    sistema->getGUI()->repinta();
}

void JogoGraficoControlador::registraInicio() { inicio = std::time(nullptr); }

// The record is taken under the lock; the PGN is written and handed to the
// clipboard without it.
void JogoGraficoControlador::copia() {
    Jogo* jogo = sistema->getJogo();
    std::string fen;
    std::vector<LanceJogado> registro;
    PartidaPGN::Etiquetas etiquetas;
    {
        std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
        if (!isTelaDoJogo()) {
            return;
        }
        fen = jogo->getFENInicial();
        registro = jogo->getRegistro();
        etiquetas.data = PartidaPGN::data(inicio);
        etiquetas.brancas = jogo->getNivelString(jogo->getNivel(false));
        etiquetas.pretas = jogo->getNivelString(jogo->getNivel(true));
        etiquetas.resultado = PartidaPGN::resultado(jogo->getStatus());
    }
    bool copiou = AreaTransferencia::copia(PartidaPGN::escreve(fen, registro, etiquetas));
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    setMensagem(copiou ? MSG_COPIADA : MSG_NAO_COPIADA, tempoCurto);
}

void JogoGraficoControlador::colaNoJogo() {
    std::string recusa;
    if (!cola(GUI::TELA_JOGO, &recusa) && !recusa.empty()) {
        std::lock_guard<std::recursive_mutex> trava(sistema->getJogo()->getTrava());
        sistema->getJogoAudio()->setNumAudio(8);
        setMensagem(recusa, tempoCurto);
    }
}

bool JogoGraficoControlador::cola(int tela, std::string* recusa) {
    std::string texto;
    if (!AreaTransferencia::le(&texto)) {
        *recusa = MSG_SEM_ACESSO;
        return false;
    }
    if (texto.find_first_not_of(" \t\r\n") == std::string::npos) {
        *recusa = MSG_NADA;
        return false;
    }
    Colagem colagem;
    if (!colagem.le(texto, recusa)) {
        return false;
    }
    std::lock_guard<std::recursive_mutex> trava(sistema->getJogo()->getTrava());
    if (sistema->getGUI()->getGraficoTipo() != tela) {
        recusa->clear();  // the screen changed meanwhile: the paste goes with it
        return false;
    }
    colaPartida(colagem);
    return true;
}

// The old game goes as at a take back (slide, selection, picker, a search
// under way, its banner), the new one is set up with its moves carried out
// and the board turned as "Jogar" turns it; an end is shown as a game that
// ended, but counts in nobody's tally: it was not played here.
void JogoGraficoControlador::colaPartida(const Colagem& colagem) {
    Jogo* jogo = sistema->getJogo();
    interrompeBusca();
    fechaPromocao();
    liberaMovimento();
    deseleciona();
    bool som = jogo->isAudioLigado();
    colagem.aplica(jogo);
    jogo->setAudioLigado(som);
    if (buscando) {
        memoriaDesfeita = jogo->getMemoriaComputador();
        memoriaPendente = true;
    }
    erroRelatado = false;
    jogo->getTela()->setGirado(jogo->getNivel(true) == Jogo::HUMANO && jogo->getNivel(false) != Jogo::HUMANO);
    registraInicio();
    removeMensagem();
    mensagemTempo = tempoIndefinido;
    if (avaliaFim(false) == Jogo::EM_JOGO) {
        verificaSeXeque();
    }
    sistema->getGUI()->repinta();
}
