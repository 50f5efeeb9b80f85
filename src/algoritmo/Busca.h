#ifndef ALGORITMO_BUSCA_H
#define ALGORITMO_BUSCA_H

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

#include "algoritmo/PosicaoBusca.h"
#include "algoritmo/TabelaTransposicao.h"

// What bounds one search. Zero means no bound of that kind.
struct LimitesBusca {
    int profundidade = 0;
    long long nos = 0;
    // The search returns by this time, whatever it is doing.
    long long tempoMaximoMs = 0;
    // No new iteration starts after about half of this time.
    long long tempoIdealMs = 0;
    // Only these first moves (empty: all).
    std::vector<PosicaoBusca::Lance> restritos;
    // Every first move within this many centipawns of the best gets an
    // exact value, for a choice among the best moves.
    int margem = 0;
    // Polled with the clock; true stops the search as interrompe() does.
    std::function<bool()> deveParar;
};

// One finished iteration, as the UCI engine reports it.
struct InfoBusca {
    int profundidade;
    int seletiva;
    int valor;
    long long nos;
    long long ms;
    std::vector<PosicaoBusca::Lance> pv;
};

struct ResultadoBusca {
    PosicaoBusca::Lance lance = PosicaoBusca::NENHUM;
    int valor = 0;
    int profundidade = 0;
    long long nos = 0;
    std::vector<PosicaoBusca::Lance> pv;
    // First moves with an exact value within the margin of the best, and
    // those values, best first.
    std::vector<std::pair<PosicaoBusca::Lance, int>> candidatos;
    // Stopped by interrompe() or deveParar, not by its own bounds.
    bool interrompida = false;
};

// The stronger levels' search: iterative deepening of a principal
// variation search with alpha-beta, quiescence on captures, a
// transposition table, null move, late move reductions and pruning near
// the leaves, ordered by the table's move, captures by value, killers and
// history. One thread; its memory is taken once, at construction.
class Busca {
public:
    static constexpr int MATE = 32000;
    // Values beyond this are mates, the distance in plies below MATE.
    static constexpr int MATE_LIMITE = MATE - 2 * PosicaoBusca::MAXIMO_PLIES;
    static constexpr int INFINITO = 32500;
    static constexpr int PROFUNDIDADE_MAXIMA = 64;

    explicit Busca(std::size_t megabytesTabela);

    // Searches posicao (which it leaves as it found it). aoIterar, when
    // given, hears every finished iteration.
    ResultadoBusca procura(PosicaoBusca& posicao, const LimitesBusca& limites,
                           const std::function<void(const InfoBusca&)>& aoIterar = nullptr);

    // From any thread: the running search returns promptly with the best
    // move it has. The request holds until limpaParada(), so that one made
    // just before a search begins is not lost.
    void interrompe() { pedidoDeParada.store(true); }
    // A stop asked for until now was for an earlier search. Called where the
    // caller takes the position to search, under the lock the requests are
    // made under.
    void limpaParada() { pedidoDeParada.store(false); }

    // A new game: the table and the move statistics are forgotten.
    void limpa();

    long long getNos() const { return nos; }
    std::size_t getBytesTabela() const { return tabela.getBytes(); }

    Busca(const Busca&) = delete;
    Busca& operator=(const Busca&) = delete;

private:
    struct LanceRaiz {
        PosicaoBusca::Lance lance;
        int valor;       // of the last iteration that valued it exactly
        bool exato;
        long long ordem;  // sort key
    };

    int raiz(int alfa, int beta, int profundidade);
    int pvs(int alfa, int beta, int profundidade, int ply, bool podeNulo);
    int quiescencia(int alfa, int beta, int ply);
    void contaNo();
    void verificaParada();
    void ordena(PosicaoBusca::Lance* lances, int* notas, int n, PosicaoBusca::Lance daTabela, int ply);
    void atualizaHistoria(PosicaoBusca::Lance l, int bonus);
    void anotaPv(int ply, PosicaoBusca::Lance l);
    static int valorParaTabela(int valor, int ply);
    static int valorDaTabela(int valor, int ply);

    PosicaoBusca* pos;
    TabelaTransposicao tabela;
    std::atomic<bool> pedidoDeParada;
    bool parado;
    bool interrompido;
    long long nos;
    long long limiteNos;
    long long proximaVerificacao;
    std::chrono::steady_clock::time_point inicio;
    long long tempoMaximoMs;
    std::function<bool()> deveParar;
    int seletiva;
    int margem;

    std::vector<LanceRaiz> lancesRaiz;
    PosicaoBusca::Lance melhorDaIteracao;
    int valorDaIteracao;

    PosicaoBusca::Lance pv[PosicaoBusca::MAXIMO_PLIES + 2][PosicaoBusca::MAXIMO_PLIES + 2];
    int tamanhoPv[PosicaoBusca::MAXIMO_PLIES + 2];
    PosicaoBusca::Lance assassinos[PosicaoBusca::MAXIMO_PLIES + 2][2];
    int historia[2][64][64];
    int reducao[64][64];
};

#endif
