#include "uci/MotorUCI.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

#include "Perft.h"
#include "PosicaoFEN.h"
#include "algoritmo/Algoritmo.h"
#include "algoritmo/AlgoritmoForte.h"
#include "algoritmo/PosicaoBusca.h"
#include "algoritmo/Relogio.h"
#include "jogo/Jogada.h"
#include "jogo/Peca.h"
#include "jogo/PecaMov.h"
#include "uci/LeitorComandos.h"

#ifndef XADREZ_VERSAO
#define XADREZ_VERSAO "dev"
#endif

namespace {

const int NIVEL_MINIMO = JogoConstantes::FACIL;
const int NIVEL_MAXIMO = JogoConstantes::NIVEL_MAXIMO;
// A point of the search's values is half a pawn (a pawn weighs 2).
const double CENTIPEOES_POR_PONTO = 50.0;

std::string minusculas(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

std::string notacao(const Algoritmo::Lance& l) {
    return PosicaoFEN::casa(l.deX, l.deY) + PosicaoFEN::casa(l.paraX, l.paraY) + (l.promove ? "q" : "");
}

std::string junta(const std::vector<std::string>& t, std::size_t de, std::size_t ate) {
    std::string s;
    for (std::size_t i = de; i < ate && i < t.size(); i++) {
        if (!s.empty()) s += ' ';
        s += t[i];
    }
    return s;
}

bool leNumero(const std::string& s, long long minimo, long long maximo, long long* valor) {
    if (s.empty() || s.size() > 12) return false;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    long long v = std::atoll(s.c_str());
    if (v < minimo || v > maximo) return false;
    *valor = v;
    return true;
}

long long msDoRelogio() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// "e2e4", "e7e8n": the stronger engine's move in the protocol's notation.
std::string notacaoForte(PosicaoBusca::Lance l) {
    typedef PosicaoBusca P;
    static const char letras[] = "  nbrq";
    std::string s = PosicaoFEN::casa(P::origem(l) % 8, P::origem(l) / 8) +
                    PosicaoFEN::casa(P::destino(l) % 8, P::destino(l) / 8);
    if (P::isPromocao(l)) s += letras[P::promoveA(l)];
    return s;
}

std::string pontuacao(int valor) {
    if (valor >= Busca::MATE_LIMITE) return "mate " + std::to_string((Busca::MATE - valor + 1) / 2);
    if (valor <= -Busca::MATE_LIMITE) return "mate " + std::to_string(-((Busca::MATE + valor) / 2));
    return "cp " + std::to_string(valor);
}

}  // namespace

// Measured with bench/forca.sh (see README, "How strong the levels are").
const int MotorUCI::ELO_POR_NIVEL[] = {559, 760, 812, 1072, 1344, 1613, 1839, 2082};
static_assert(sizeof(MotorUCI::ELO_POR_NIVEL) / sizeof(int) == NIVEL_MAXIMO - NIVEL_MINIMO + 1, "one rating per level");

int MotorUCI::nivelDoElo(int elo) {
    int melhor = NIVEL_MINIMO;
    for (int n = NIVEL_MINIMO; n <= NIVEL_MAXIMO; n++) {
        if (std::abs(ELO_POR_NIVEL[n - NIVEL_MINIMO] - elo) < std::abs(ELO_POR_NIVEL[melhor - NIVEL_MINIMO] - elo)) {
            melhor = n;
        }
    }
    return melhor;
}

void MotorUCI::divideTempo(long long tempo, long long incremento, int movimentos, long long* ideal,
                           long long* maximo) {
    // What the GUI and the pipes may cost is kept back; the rest is shared
    // out over the moves to the control, or over a likely remainder of the
    // game, plus most of the increment.
    long long reserva = std::min(50LL, tempo / 10);
    long long disponivel = std::max(1LL, tempo - reserva);
    int restantes = movimentos > 0 ? std::min(movimentos, 40) : 30;
    long long parte = disponivel / restantes + incremento * 3 / 4;
    long long teto = restantes == 1 ? disponivel * 3 / 4 : disponivel / 3;
    *maximo = std::max(1LL, std::min(teto, parte * 4));
    *ideal = std::max(1LL, std::min(parte, *maximo));
}

int MotorUCI::nivelEmJogo() const { return limitaForca ? nivelDoElo(elo) : nivel; }

MotorUCI::MotorUCI(Saida saida)
    : saida(std::move(saida)),
      gerenciador(&partida.getJogo()),
      nivel(NIVEL_PADRAO),
      semente(0),
      limitaForca(false),
      elo(ELO_POR_NIVEL[NIVEL_PADRAO - NIVEL_MINIMO]),
      comOrcamento(true),
      tempoAposPonderhit(0),
      ponderhitEm(-1),
      buscando(false),
      parada(false),
      liberada(false) {}

MotorUCI::~MotorUCI() { encerra(); }

void MotorUCI::escreve(const std::string& linha) {
    std::lock_guard<std::mutex> trava(saidaTrava);
    saida(linha);
}

void MotorUCI::avisa(const std::string& texto) {
    // Messages may quote what came in; only printable ASCII goes out.
    std::string limpo = texto;
    for (char& c : limpo) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < ' ' || u > '~') c = '?';
    }
    escreve("info string " + limpo);
}

bool MotorUCI::processa(const std::string& linha) {
    LeitorComandos::Comando c = LeitorComandos::interpreta(linha);
    if (c.nome == "uci") {
        uci();
    } else if (c.nome == "isready") {
        escreve("readyok");
    } else if (c.nome == "setoption") {
        setoption(c.args);
    } else if (c.nome == "ucinewgame") {
        terminaBusca();
        partida.novaPartida();
        gerenciador.novaPartida();
    } else if (c.nome == "position") {
        // The live position is the search's; a GUI should have stopped it.
        terminaBusca();
        std::string erro;
        if (!partida.posiciona(c.args, &erro)) {
            avisa(erro + "; the position stays as it was");
        }
    } else if (c.nome == "go") {
        go(c.args);
    } else if (c.nome == "stop") {
        para();
    } else if (c.nome == "ponderhit") {
        ponderhit();
    } else if (c.nome == "quit") {
        encerra();
        return false;
    }
    // debug and register need nothing; anything else is ignored.
    return true;
}

void MotorUCI::uci() {
    escreve(std::string("id name Jogo de Xadrez ") + XADREZ_VERSAO);
    escreve("id author Projeto Jogo de Xadrez");
    escreve("option name Nivel type spin default " + std::to_string(NIVEL_PADRAO) + " min " +
            std::to_string(NIVEL_MINIMO) + " max " + std::to_string(NIVEL_MAXIMO));
    escreve("option name Semente type spin default 0 min 0 max " + std::to_string(SEMENTE_MAXIMA));
    escreve("option name UCI_LimitStrength type check default false");
    escreve("option name UCI_Elo type spin default " + std::to_string(ELO_POR_NIVEL[NIVEL_PADRAO - NIVEL_MINIMO]) +
            " min " + std::to_string(ELO_POR_NIVEL[0]) + " max " +
            std::to_string(ELO_POR_NIVEL[NIVEL_MAXIMO - NIVEL_MINIMO]));
    escreve("uciok");
}

void MotorUCI::setoption(const std::vector<std::string>& args) {
    auto nome = std::find(args.begin(), args.end(), "name");
    if (nome == args.end()) {
        avisa("setoption needs a name");
        return;
    }
    auto valor = std::find(nome, args.end(), "value");
    std::size_t i = static_cast<std::size_t>(nome - args.begin()) + 1;
    std::size_t v = static_cast<std::size_t>(valor - args.begin());
    std::string opcao = junta(args, i, v);
    if (opcao.empty()) {
        avisa("setoption needs a name");
        return;
    }
    std::string texto = valor == args.end() ? "" : junta(args, v + 1, args.size());
    std::string chave = minusculas(opcao);
    long long n = 0;
    if (chave == "nivel") {
        if (!leNumero(texto, NIVEL_MINIMO, NIVEL_MAXIMO, &n)) {
            avisa("bad value '" + LeitorComandos::mostra(texto) + "' for Nivel: 2 to 9; Nivel stays " +
                  std::to_string(nivel));
            return;
        }
        nivel = static_cast<int>(n);
    } else if (chave == "semente") {
        if (!leNumero(texto, 0, SEMENTE_MAXIMA, &n)) {
            avisa("bad value '" + LeitorComandos::mostra(texto) + "' for Semente: 0 to " +
                  std::to_string(SEMENTE_MAXIMA) + "; Semente stays " + std::to_string(semente));
            return;
        }
        semente = n;
    } else if (chave == "uci_limitstrength") {
        std::string v = minusculas(texto);
        if (v != "true" && v != "false") {
            avisa("bad value '" + LeitorComandos::mostra(texto) + "' for UCI_LimitStrength: true or false");
            return;
        }
        limitaForca = v == "true";
    } else if (chave == "uci_elo") {
        int minimo = ELO_POR_NIVEL[0], maximo = ELO_POR_NIVEL[NIVEL_MAXIMO - NIVEL_MINIMO];
        if (!leNumero(texto, minimo, maximo, &n)) {
            avisa("bad value '" + LeitorComandos::mostra(texto) + "' for UCI_Elo: " + std::to_string(minimo) +
                  " to " + std::to_string(maximo) + "; UCI_Elo stays " + std::to_string(elo));
            return;
        }
        elo = static_cast<int>(n);
    } else {
        avisa("unknown option '" + LeitorComandos::mostra(opcao) + "'");
    }
}

void MotorUCI::go(const std::vector<std::string>& args) {
    static const char* const PARAMETROS[] = {"searchmoves", "ponder", "wtime", "btime", "winc", "binc",
                                             "movestogo", "depth", "nodes", "movetime", "infinite", "mate"};
    Modo modo = NORMAL;
    std::vector<std::string> lances;
    bool emLances = false;
    // Every parameter is accepted; at levels 2 to 4 the depth is the
    // level's, as in the game, and only the stronger levels read the numbers.
    long long numeros[12] = {};
    bool dado[12] = {};
    for (std::size_t i = 0; i < args.size(); i++) {
        const std::string& a = args[i];
        auto p = std::find(std::begin(PARAMETROS), std::end(PARAMETROS), a);
        bool parametro = p != std::end(PARAMETROS);
        if (parametro) emLances = a == "searchmoves";
        if (a == "infinite") modo = INFINITO;
        if (a == "ponder") modo = PONDER;
        if (emLances && !parametro) lances.push_back(a);
        long long v = 0;
        if (parametro && a != "searchmoves" && a != "ponder" && a != "infinite" && i + 1 < args.size()) {
            // A clock may be negative after a flag fall: read as nothing left.
            std::string texto = args[i + 1];
            bool negativo = !texto.empty() && texto[0] == '-';
            if (leNumero(negativo ? texto.substr(1) : texto, 0, 999999999999LL, &v)) {
                std::size_t k = static_cast<std::size_t>(p - std::begin(PARAMETROS));
                numeros[k] = negativo ? 0 : v;
                dado[k] = true;
                i++;
            }
        }
    }
    {
        std::lock_guard<std::mutex> trava(estadoTrava);
        if (buscando && !parada) {
            avisa("a search is already running; go ignored");
            return;
        }
    }
    // A stopped search ends promptly: let its bestmove out first.
    if (buscaThread.joinable()) buscaThread.join();
    enum { WTIME = 2, BTIME, WINC, BINC, MOVESTOGO, DEPTH, NODES, MOVETIME };
    {
        bool brancas = !partida.getJogo().isVezComputador();
        LimitesBusca l;
        long long ideal = 0, maximo = 0;
        int relogio = brancas ? WTIME : BTIME;
        if (dado[relogio]) {
            divideTempo(numeros[relogio], numeros[brancas ? WINC : BINC],
                        dado[MOVESTOGO] ? static_cast<int>(std::min(numeros[MOVESTOGO], 1000LL)) : 0, &ideal,
                        &maximo);
        }
        if (dado[MOVETIME]) {
            long long mt = std::max(1LL, numeros[MOVETIME] - std::min(30LL, numeros[MOVETIME] / 10));
            maximo = maximo > 0 ? std::min(maximo, mt) : mt;
            ideal = 0;
        }
        if (dado[DEPTH]) l.profundidade = static_cast<int>(std::max(1LL, std::min(numeros[DEPTH], 64LL)));
        if (dado[NODES]) l.nos = std::max(1LL, numeros[NODES]);
        tempoAposPonderhit = 0;
        if (modo == PONDER) {
            // The clock runs from ponderhit on; until then the search goes on.
            tempoAposPonderhit = ideal > 0 ? ideal : maximo;
        } else if (modo == NORMAL) {
            l.tempoIdealMs = ideal;
            l.tempoMaximoMs = maximo;
        }
        comOrcamento = !dado[DEPTH] && !dado[NODES] && !dado[MOVETIME] && modo != INFINITO;
        limitesGo = l;
    }
    procurados = lances;

    Jogo& jogo = partida.getJogo();
    {
        std::lock_guard<std::recursive_mutex> trava(jogo.getTrava());
        jogo.setNivel(jogo.isVezComputador(), nivelEmJogo());
        jogo.setFim(false);
    }
    if (semente == 0) {
        Relogio::solta();
    } else {
        Relogio::fixa(static_cast<std::time_t>(semente));
    }
    {
        std::lock_guard<std::mutex> trava(estadoTrava);
        buscando = true;
        parada = false;
        liberada = modo == NORMAL;
    }
    ponderhitEm = -1;
    buscaThread = std::thread([this] { busca(); });
}

void MotorUCI::para() {
    std::lock_guard<std::mutex> trava(estadoTrava);
    if (!buscando) return;
    parada = true;
    liberada = true;
    partida.getJogo().setFim(true);
    gerenciador.interrompe();
    estadoCond.notify_all();
}

void MotorUCI::ponderhit() {
    // The position pondered on is now the game's: the search goes on as a
    // normal one and answers when done.
    std::lock_guard<std::mutex> trava(estadoTrava);
    if (buscando && ponderhitEm.load() < 0) ponderhitEm = msDoRelogio();
    liberada = true;
    estadoCond.notify_all();
}

void MotorUCI::terminaBusca() {
    para();
    if (buscaThread.joinable()) buscaThread.join();
}

void MotorUCI::encerra() { terminaBusca(); }

std::vector<Algoritmo::Lance> MotorUCI::permitidos(const std::vector<Perft::Lance>& legais, Peca** lado) {
    std::vector<Algoritmo::Lance> aceitos;
    for (const std::string& pedido : procurados) {
        const Perft::Lance* achado = nullptr;
        for (const Perft::Lance& l : legais) {
            if (PosicaoFEN::notacao(lado[l.slot], l.jogada) == pedido) achado = &l;
        }
        std::string nome = LeitorComandos::mostra(pedido);
        if (achado == nullptr) {
            avisa("searchmoves: " + nome + " left out: not a move the computer player can make here");
        } else if (achado->jogada->getTipo() == JogoConstantes::JOGADA_ROQUE) {
            avisa("searchmoves: " + nome + " left out: the computer player never searches castling");
        } else {
            aceitos.push_back(Algoritmo::Lance::de(lado[achado->slot], achado->jogada));
        }
    }
    if (aceitos.empty() && !procurados.empty()) {
        avisa("searchmoves: no move left; every move is searched");
    }
    return aceitos;
}

void MotorUCI::busca() {
    Jogo& jogo = partida.getJogo();
    bool isComp = jogo.isVezComputador();
    std::string lance;
    if (jogo.getNivel(isComp) >= JogoConstantes::AMADOR) {
        lance = buscaForte(isComp);
        std::unique_lock<std::mutex> trava(estadoTrava);
        estadoCond.wait(trava, [this] { return liberada; });
        buscando = false;
        escreve("bestmove " + lance);
        return;
    }
    Algoritmo* algoritmo = gerenciador.getAlgoritmo();

    std::vector<Perft::Lance> legais;
    std::string primeira;
    std::vector<Algoritmo::Lance> restricao;
    {
        std::lock_guard<std::recursive_mutex> trava(jogo.getTrava());
        legais = Perft::legais(&jogo, jogo.getJogadorPecas(), jogo.getComputadorPecas(), isComp);
        if (legais.empty()) {
            bool mate = jogo.isOutroReiEmXeque(jogo.getJogadorPecas(), jogo.getComputadorPecas(), !isComp);
            avisa(mate ? "checkmate: the side to move has no legal move"
                       : "stalemate: the side to move has no legal move");
            lance = "0000";
        } else {
            Peca** lado = isComp ? jogo.getComputadorPecas() : jogo.getJogadorPecas();
            primeira = PosicaoFEN::notacao(lado[legais[0].slot], legais[0].jogada);
            restricao = permitidos(legais, lado);
            if (!restricao.empty()) primeira = notacao(restricao.front());
        }
        Perft::libera(legais);
    }
    algoritmo->setLancesPermitidos(restricao);

    if (lance.empty()) {
        // What the repetition rule may do is seen from the piece that
        // made this side's last move: the search picked it if its choice
        // counter grew.
        Peca* repetida = nullptr;
        int escolhas = 0;
        int ux = -1, uy = -1;
        {
            std::lock_guard<std::recursive_mutex> trava(jogo.getTrava());
            PecaMov* ultimo = jogo.getUltimoMov(isComp);
            if (ultimo != nullptr) {
                ux = ultimo->getX2();
                uy = ultimo->getY2();
                repetida = jogo.getPeca(ux, uy);
                if (repetida != nullptr) escolhas = repetida->getJogadaCont();
            }
        }

        int x = 0, y = 0;
        Jogada* jogada = nullptr;
        auto inicio = std::chrono::steady_clock::now();
        bool achou = gerenciador.calculaMelhorJogada(&x, &y, &jogada, isComp);
        long long us = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - inicio)
                           .count();
        if (achou) {
            // Deeper in its tree the search takes en passant as the live
            // game's last move allows it, which the rules may no longer do
            // there: the line goes out only as far as the game's rules
            // play it, and a line cut short is valued where it stops.
            std::vector<std::string> linha;
            for (const Algoritmo::Lance& l : algoritmo->getLinhaEscolhida()) linha.push_back(notacao(l));
            Jogo fim(nullptr);
            {
                std::lock_guard<std::recursive_mutex> trava(jogo.getTrava());
                partida.copiaViva(fim);
            }
            std::size_t jogaveis = PartidaUCI::jogaEnquantoLegais(fim, linha);
            bool cortada = jogaveis < linha.size();
            linha.resize(jogaveis);
            float material = cortada ? algoritmo->material(fim.getJogadorPecas(), fim.getComputadorPecas(), isComp)
                                     : algoritmo->getMaterialNoFim();
            std::string pontos;
            int ply = algoritmo->getPlyDoMate();
            if (ply > 0 && !cortada) {
                // Odd plies are the searching side's own mating moves.
                pontos = "mate " + std::to_string(ply % 2 == 1 ? (ply + 1) / 2 : -(ply / 2));
            } else if (algoritmo->isLinhaEmpatada() && !cortada) {
                pontos = "cp 0";
            } else {
                pontos = "cp " + std::to_string(std::lround(material * CENTIPEOES_POR_PONTO));
            }
            std::string pv;
            for (const std::string& l : linha) pv += " " + l;
            long nos = algoritmo->getNosCriados();
            bool escolheuRepetida;
            int contador;
            {
                std::lock_guard<std::recursive_mutex> trava(jogo.getTrava());
                lance = PosicaoFEN::notacao(jogo.getPeca(x, y), jogada);
                escolheuRepetida = repetida != nullptr && repetida->getJogadaCont() > escolhas;
                contador = jogo.getJogadaRepetidaCont(isComp);
            }
            delete jogada;
            // Without a measurable time there is no speed to give.
            std::string nps = us > 0 ? " nps " + std::to_string(nos * 1000000LL / us) : "";
            escreve("info depth " + std::to_string(jogo.getNivel(isComp)) + " nodes " + std::to_string(nos) +
                    " time " + std::to_string(us / 1000) + nps + " score " + pontos + " pv" + pv);
            std::string peca = PosicaoFEN::casa(ux, uy);
            if (escolheuRepetida && (x != ux || y != uy)) {
                avisa("repetition rule: the sixth consecutive choice of the piece on " + peca + " became " + lance);
            } else if (escolheuRepetida && contador == 0) {
                avisa("repetition rule: the sixth consecutive choice of the piece on " + peca + " stands: " +
                      (restricao.empty() ? "no other piece qualifies" : "no other piece qualifies within searchmoves"));
            }
        } else {
            delete jogada;
            avisa("search stopped before any move had a value; answering the first legal move");
            lance = primeira;
        }
    }

    std::unique_lock<std::mutex> trava(estadoTrava);
    estadoCond.wait(trava, [this] { return liberada; });
    buscando = false;
    // Written under the state lock, so that a go read after this bestmove
    // never finds the search still marked as running.
    escreve("bestmove " + lance);
}

std::string MotorUCI::buscaForte(bool isComp) {
    typedef PosicaoBusca P;
    Jogo& jogo = partida.getJogo();
    AlgoritmoForte* forte = gerenciador.getAlgoritmoForte();
    int nivelAtual = jogo.getNivel(isComp);

    PosicaoBusca posicao;
    forte->carregaPosicao(posicao, isComp);
    P::Lance legais[P::MAXIMO_LANCES];
    int n = posicao.geraLegais(legais);
    if (n == 0) {
        avisa(posicao.isEmXeque() ? "checkmate: the side to move has no legal move"
                                  : "stalemate: the side to move has no legal move");
        return "0000";
    }
    LimitesBusca limites = limitesGo;
    for (const std::string& pedido : procurados) {
        P::Lance achado = P::NENHUM;
        for (int i = 0; i < n; i++) {
            if (notacaoForte(legais[i]) == pedido) achado = legais[i];
        }
        if (achado == P::NENHUM) {
            avisa("searchmoves: " + LeitorComandos::mostra(pedido) + " left out: not a legal move here");
        } else {
            limites.restritos.push_back(achado);
        }
    }
    if (limites.restritos.empty() && !procurados.empty()) avisa("searchmoves: no move left; every move is searched");

    long long ponderhitLimite = tempoAposPonderhit;
    limites.deveParar = [this, &jogo, ponderhitLimite] {
        long long hit = ponderhitEm.load();
        if (hit >= 0 && ponderhitLimite > 0 && msDoRelogio() - hit >= ponderhitLimite) return true;
        return jogo.isFim();
    };

    // Each line goes out as far as the game's rules play it.
    Jogo base(nullptr);
    {
        std::lock_guard<std::recursive_mutex> trava(jogo.getTrava());
        partida.copiaViva(base);
    }
    auto jogaveis = [&](const std::vector<P::Lance>& pv) {
        std::vector<std::string> linha;
        for (P::Lance l : pv) linha.push_back(notacaoForte(l));
        Jogo fim(nullptr);
        PartidaUCI::copia(base, fim);
        linha.resize(PartidaUCI::jogaEnquantoLegais(fim, linha));
        return linha;
    };
    auto aoIterar = [&](const InfoBusca& info) {
        std::string pv;
        for (const std::string& l : jogaveis(info.pv)) pv += " " + l;
        std::string nps = info.ms > 0 ? " nps " + std::to_string(info.nos * 1000 / info.ms) : "";
        escreve("info depth " + std::to_string(info.profundidade) + " seldepth " + std::to_string(info.seletiva) +
                " score " + pontuacao(info.valor) + " nodes " + std::to_string(info.nos) + nps + " time " +
                std::to_string(info.ms) + " pv" + pv);
    };
    AlgoritmoForte::Escolha e = forte->escolhe(isComp, nivelAtual, limites, true, comOrcamento, aoIterar);
    if (!e.achou) return notacaoForte(limites.restritos.empty() ? legais[0] : limites.restritos.front());
    std::string lance = notacaoForte(e.lance);
    const std::vector<P::Lance>& pv = e.resultado.pv;
    if (pv.size() >= 2 && pv[0] == e.lance) {
        std::vector<std::string> linha = jogaveis({pv[0], pv[1]});
        if (linha.size() == 2) lance += " ponder " + linha[1];
    }
    return lance;
}
