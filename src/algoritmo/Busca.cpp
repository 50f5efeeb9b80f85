#include "algoritmo/Busca.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "algoritmo/Avaliacao.h"

namespace {

typedef PosicaoBusca P;
typedef PosicaoBusca::Lance Lance;

const int NOTA_TABELA = 4000000;
const int NOTA_CAPTURA_BOA = 2000000;
const int NOTA_ASSASSINO_1 = 1500000;
const int NOTA_ASSASSINO_2 = 1400000;
const int NOTA_CAPTURA_MA = -1000000;
const int NOTA_SUBPROMOCAO = -2000000;
const int HISTORIA_MAXIMA = 16384;
// Nodes between looks at the clock and at the stop flags.
const long long INTERVALO_VERIFICACAO = 1024;

int valorVitima(const P& p, Lance l) {
    if (P::especie(l) == P::EN_PASSANT) return P::VALOR_TROCA[P::PEAO];
    return P::VALOR_TROCA[P::tipoDe(p.getPeca(P::destino(l)))];
}

}  // namespace

Busca::Busca(std::size_t megabytesTabela)
    : pos(nullptr),
      tabela(megabytesTabela),
      pedidoDeParada(false),
      parado(false),
      interrompido(false),
      nos(0),
      limiteNos(0),
      proximaVerificacao(0),
      tempoMaximoMs(0),
      seletiva(0),
      margem(0),
      melhorDaIteracao(P::NENHUM),
      valorDaIteracao(0) {
    for (int d = 0; d < 64; d++) {
        for (int m = 0; m < 64; m++) {
            reducao[d][m] = d == 0 || m == 0 ? 0 : static_cast<int>(0.6 + std::log(d) * std::log(m) / 2.2);
        }
    }
    lancesRaiz.reserve(P::MAXIMO_LANCES);
    limpa();
}

void Busca::limpa() {
    tabela.limpa();
    std::memset(historia, 0, sizeof historia);
    std::memset(assassinos, 0, sizeof assassinos);
}

int Busca::valorParaTabela(int valor, int ply) {
    if (valor >= MATE_LIMITE) return valor + ply;
    if (valor <= -MATE_LIMITE) return valor - ply;
    return valor;
}

int Busca::valorDaTabela(int valor, int ply) {
    if (valor >= MATE_LIMITE) return valor - ply;
    if (valor <= -MATE_LIMITE) return valor + ply;
    return valor;
}

void Busca::verificaParada() {
    proximaVerificacao = nos + INTERVALO_VERIFICACAO;
    if (pedidoDeParada.load(std::memory_order_relaxed) || (deveParar && deveParar())) {
        parado = true;
        interrompido = true;
        return;
    }
    if (tempoMaximoMs > 0) {
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inicio);
        if (ms.count() >= tempoMaximoMs) parado = true;
    }
}

void Busca::contaNo() {
    nos++;
    if (limiteNos > 0 && nos >= limiteNos) parado = true;
    if (nos >= proximaVerificacao) verificaParada();
}

void Busca::anotaPv(int ply, Lance l) {
    pv[ply][ply] = l;
    for (int i = ply + 1; i < tamanhoPv[ply + 1]; i++) pv[ply][i] = pv[ply + 1][i];
    tamanhoPv[ply] = std::max(tamanhoPv[ply + 1], ply + 1);
}

void Busca::atualizaHistoria(Lance l, int bonus) {
    int& h = historia[pos->getVez()][P::origem(l)][P::destino(l)];
    // Pulled towards the bonus, so it never leaves its bounds.
    h += bonus - h * std::abs(bonus) / HISTORIA_MAXIMA;
}

void Busca::ordena(Lance* lances, int* notas, int n, Lance daTabela, int ply) {
    for (int i = 0; i < n; i++) {
        Lance l = lances[i];
        int nota;
        if (l == daTabela) {
            nota = NOTA_TABELA;
        } else if (P::isPromocao(l) && P::promoveA(l) != P::RAINHA) {
            nota = NOTA_SUBPROMOCAO + P::promoveA(l);
        } else if (P::isCaptura(l) || P::isPromocao(l)) {
            int vitima = P::isCaptura(l) ? valorVitima(*pos, l) : 0;
            int atacante = P::tipoDe(pos->getPeca(P::origem(l)));
            bool boa = P::isPromocao(l) || pos->troca(l) >= 0;
            nota = (boa ? NOTA_CAPTURA_BOA : NOTA_CAPTURA_MA) + vitima * 8 - atacante + (P::isPromocao(l) ? 8000 : 0);
        } else if (l == assassinos[ply][0]) {
            nota = NOTA_ASSASSINO_1;
        } else if (l == assassinos[ply][1]) {
            nota = NOTA_ASSASSINO_2;
        } else {
            nota = historia[pos->getVez()][P::origem(l)][P::destino(l)];
        }
        notas[i] = nota;
    }
}

namespace {

// Brings the best of the rest to position i. The first few are picked
// one by one, as a cut-off often comes early; then the rest is sorted once.
void escolhe(Lance* lances, int* notas, int n, int i) {
    const int ESCOLHIDOS_UM_A_UM = 3;
    if (i == ESCOLHIDOS_UM_A_UM && n - i > 2) {
        for (int a = i + 1; a < n; a++) {
            Lance l = lances[a];
            int nota = notas[a];
            int b = a - 1;
            for (; b >= i && notas[b] < nota; b--) {
                lances[b + 1] = lances[b];
                notas[b + 1] = notas[b];
            }
            lances[b + 1] = l;
            notas[b + 1] = nota;
        }
    }
    if (i >= ESCOLHIDOS_UM_A_UM) return;
    int melhor = i;
    for (int j = i + 1; j < n; j++) {
        if (notas[j] > notas[melhor]) melhor = j;
    }
    std::swap(lances[i], lances[melhor]);
    std::swap(notas[i], notas[melhor]);
}

}  // namespace

int Busca::quiescencia(int alfa, int beta, int ply) {
    tamanhoPv[ply] = ply;
    contaNo();
    if (parado) return 0;
    if (ply > seletiva) seletiva = ply;
    if (ply >= P::MAXIMO_PLIES - 1) return Avaliacao::avalia(*pos);

    bool isPv = beta - alfa > 1;
    const TabelaTransposicao::Entrada* e = tabela.procura(pos->getChave());
    Lance daTabela = P::NENHUM;
    if (e != nullptr) {
        daTabela = e->lance;
        int valor = valorDaTabela(e->valor, ply);
        int limite = e->limiteIdade & 3;
        if (!isPv && (limite == TabelaTransposicao::EXATO || (limite == TabelaTransposicao::INFERIOR && valor >= beta) ||
                      (limite == TabelaTransposicao::SUPERIOR && valor <= alfa))) {
            return valor;
        }
    }

    bool xeque = pos->isEmXeque();
    int melhor;
    int estatica = 0;
    if (xeque) {
        melhor = -MATE + ply;
    } else {
        estatica = e != nullptr ? e->avaliacao : Avaliacao::avalia(*pos);
        melhor = estatica;
        if (melhor >= beta) return melhor;
        if (melhor > alfa) alfa = melhor;
    }

    Lance lances[P::MAXIMO_LANCES];
    int notas[P::MAXIMO_LANCES];
    int n = pos->geraLances(lances, !xeque);
    ordena(lances, notas, n, daTabela, ply);
    for (int i = 0; i < n; i++) {
        escolhe(lances, notas, n, i);
        Lance l = lances[i];
        if (!xeque) {
            if (!P::isPromocao(l)) {
                if (notas[i] < NOTA_CAPTURA_BOA - 100000 && l != daTabela) continue;
                if (estatica + valorVitima(*pos, l) + 200 <= alfa) continue;
            }
        }
        bool legal = pos->faz(l);
        if (!legal) {
            pos->desfaz(l);
            continue;
        }
        int v = -quiescencia(-beta, -alfa, ply + 1);
        pos->desfaz(l);
        if (parado) return 0;
        if (v > melhor) {
            melhor = v;
            if (v > alfa) {
                alfa = v;
                if (v >= beta) break;
            }
        }
    }
    // In check, melhor started as being mated here: any legal move beats it.
    return melhor;
}

int Busca::pvs(int alfa, int beta, int profundidade, int ply, bool podeNulo) {
    tamanhoPv[ply] = ply;
    bool isPv = beta - alfa > 1;

    // The game's draws, and mates nearer than this node can give.
    if (pos->isRepeticao() || pos->getLancesSemCaptura() >= 150 || pos->isMaterialInsuficiente()) return 0;
    alfa = std::max(alfa, -MATE + ply);
    beta = std::min(beta, MATE - ply - 1);
    if (alfa >= beta) return alfa;

    bool xeque = pos->isEmXeque();
    if (xeque) profundidade++;
    if (profundidade <= 0) return quiescencia(alfa, beta, ply);
    contaNo();
    if (parado) return 0;
    if (ply >= P::MAXIMO_PLIES - 1) return Avaliacao::avalia(*pos);
    if (ply > seletiva) seletiva = ply;

    const TabelaTransposicao::Entrada* e = tabela.procura(pos->getChave());
    Lance daTabela = P::NENHUM;
    int estatica;
    if (e != nullptr) {
        daTabela = e->lance;
        int valor = valorDaTabela(e->valor, ply);
        int limite = e->limiteIdade & 3;
        if (!isPv && e->profundidade >= profundidade &&
            (limite == TabelaTransposicao::EXATO || (limite == TabelaTransposicao::INFERIOR && valor >= beta) ||
             (limite == TabelaTransposicao::SUPERIOR && valor <= alfa))) {
            return valor;
        }
        estatica = e->avaliacao;
    } else {
        estatica = xeque ? -INFINITO : Avaliacao::avalia(*pos);
    }

    if (!isPv && !xeque) {
        // The position is so good that even a pass would hold beta.
        if (profundidade <= 6 && estatica - 80 * profundidade >= beta && std::abs(beta) < MATE_LIMITE) {
            return estatica;
        }
        if (podeNulo && profundidade >= 3 && estatica >= beta && pos->temPecasAlemDePeoes(pos->getVez())) {
            int r = 3 + profundidade / 6;
            pos->fazNulo();
            int v = -pvs(-beta, -beta + 1, profundidade - 1 - r, ply + 1, false);
            pos->desfazNulo();
            if (parado) return 0;
            if (v >= beta) return v >= MATE_LIMITE ? beta : v;
        }
    }

    Lance lances[P::MAXIMO_LANCES];
    int notas[P::MAXIMO_LANCES];
    int n = pos->geraLances(lances, false);
    ordena(lances, notas, n, daTabela, ply);

    Lance tentados[P::MAXIMO_LANCES];
    int numTentados = 0;
    int legais = 0;
    int melhor = -INFINITO;
    Lance melhorLance = P::NENHUM;
    int alfaOriginal = alfa;
    bool podePodar = !isPv && !xeque && std::abs(alfa) < MATE_LIMITE;

    for (int i = 0; i < n; i++) {
        escolhe(lances, notas, n, i);
        Lance l = lances[i];
        bool tranquilo = !P::isCaptura(l) && !P::isPromocao(l);
        if (!pos->faz(l)) {
            pos->desfaz(l);
            continue;
        }
        legais++;
        bool daXeque = pos->isEmXeque();

        if (podePodar && legais > 1 && !daXeque) {
            if (tranquilo) {
                // Near the leaves, late quiet moves and quiet moves that
                // cannot lift a poor position to alpha are left out.
                bool tardio = profundidade <= 4 && numTentados >= 3 + profundidade * profundidade;
                bool futil = profundidade <= 3 && estatica + 90 + 100 * profundidade <= alfa;
                if (tardio || futil) {
                    pos->desfaz(l);
                    continue;
                }
            } else if (profundidade <= 3 && notas[i] < NOTA_CAPTURA_BOA - 100000 && !P::isPromocao(l)) {
                pos->desfaz(l);
                continue;
            }
        }

        int v;
        int nova = profundidade - 1;
        if (legais == 1) {
            v = -pvs(-beta, -alfa, nova, ply + 1, true);
        } else {
            int r = 0;
            if (profundidade >= 3 && tranquilo && !xeque && !daXeque && legais > (isPv ? 3 : 2) &&
                notas[i] < NOTA_ASSASSINO_2) {
                r = reducao[std::min(profundidade, 63)][std::min(legais, 63)];
                if (isPv) r--;
                if (notas[i] < -HISTORIA_MAXIMA / 2) r++;
                r = std::max(0, std::min(r, nova - 1));
            }
            v = -pvs(-alfa - 1, -alfa, nova - r, ply + 1, true);
            if (v > alfa && r > 0) v = -pvs(-alfa - 1, -alfa, nova, ply + 1, true);
            if (v > alfa && v < beta) v = -pvs(-beta, -alfa, nova, ply + 1, true);
        }
        pos->desfaz(l);
        if (parado) return 0;
        if (tranquilo) tentados[numTentados++] = l;

        if (v > melhor) {
            melhor = v;
            melhorLance = l;
            if (v > alfa) {
                alfa = v;
                if (isPv) anotaPv(ply, l);
                if (v >= beta) {
                    if (tranquilo) {
                        if (assassinos[ply][0] != l) {
                            assassinos[ply][1] = assassinos[ply][0];
                            assassinos[ply][0] = l;
                        }
                        int bonus = std::min(profundidade * profundidade, 400);
                        for (int k = 0; k < numTentados - 1; k++) atualizaHistoria(tentados[k], -bonus);
                        atualizaHistoria(l, bonus);
                    }
                    break;
                }
            }
        }
    }
    if (legais == 0) return xeque ? -MATE + ply : 0;
    if (melhor == -INFINITO) {
        // Every move was pruned away: the position stands as it is valued.
        return alfa;
    }
    int limite = melhor >= beta ? TabelaTransposicao::INFERIOR
                 : melhor > alfaOriginal ? TabelaTransposicao::EXATO
                                         : TabelaTransposicao::SUPERIOR;
    tabela.guarda(pos->getChave(), limite == TabelaTransposicao::SUPERIOR ? daTabela : melhorLance,
                  valorParaTabela(melhor, ply), estatica == -INFINITO ? 0 : estatica, profundidade, limite);
    return melhor;
}

int Busca::raiz(int alfa, int beta, int profundidade) {
    tamanhoPv[0] = 0;
    int melhor = -INFINITO;
    int alfaDaJanela = alfa;
    contaNo();
    for (std::size_t i = 0; i < lancesRaiz.size(); i++) {
        LanceRaiz& r = lancesRaiz[i];
        pos->faz(r.lance);
        int v;
        if (i == 0) {
            v = -pvs(-beta, -alfa, profundidade - 1, 1, true);
        } else {
            // Moves close enough to the best keep an exact value, for the
            // weaker levels' choice among them.
            int piso = margem > 0 && melhor > -INFINITO ? std::max(alfaDaJanela, melhor - margem) : alfa;
            v = -pvs(-piso - 1, -piso, profundidade - 1, 1, true);
            if (v > piso && v < beta) v = -pvs(-beta, -piso, profundidade - 1, 1, true);
            r.exato = v > piso && v < beta;
        }
        pos->desfaz(r.lance);
        if (parado) break;
        if (i == 0) r.exato = v > alfa && v < beta;
        r.valor = v;
        r.ordem = v;
        if (v > melhor) {
            melhor = v;
            if (v > alfa) {
                melhorDaIteracao = r.lance;
                valorDaIteracao = v;
                anotaPv(0, r.lance);
                if (v >= beta) break;
                alfa = v;
            }
        }
    }
    return melhor;
}

ResultadoBusca Busca::procura(PosicaoBusca& posicao, const LimitesBusca& limites,
                              const std::function<void(const InfoBusca&)>& aoIterar) {
    pos = &posicao;
    inicio = std::chrono::steady_clock::now();
    parado = false;
    interrompido = false;
    nos = 0;
    limiteNos = limites.nos;
    tempoMaximoMs = limites.tempoMaximoMs;
    deveParar = limites.deveParar;
    proximaVerificacao = 0;
    margem = limites.margem;
    tabela.envelhece();
    std::memset(assassinos, 0, sizeof assassinos);
    for (auto& lado : historia) {
        for (auto& de : lado) {
            for (int& h : de) h /= 4;
        }
    }

    ResultadoBusca resultado;
    lancesRaiz.clear();
    Lance legais[P::MAXIMO_LANCES];
    int n = pos->geraLegais(legais);
    for (int i = 0; i < n; i++) {
        bool aceito = limites.restritos.empty() ||
                      std::find(limites.restritos.begin(), limites.restritos.end(), legais[i]) != limites.restritos.end();
        if (aceito) lancesRaiz.push_back({legais[i], 0, false, 0});
    }
    if (lancesRaiz.empty()) return resultado;

    // A first order for the first iteration: the table's move, then the
    // captures and the rest as the search orders them.
    {
        int notas[P::MAXIMO_LANCES];
        Lance lista[P::MAXIMO_LANCES];
        for (std::size_t i = 0; i < lancesRaiz.size(); i++) lista[i] = lancesRaiz[i].lance;
        const TabelaTransposicao::Entrada* e = tabela.procura(pos->getChave());
        ordena(lista, notas, static_cast<int>(lancesRaiz.size()), e != nullptr ? e->lance : P::NENHUM, 0);
        for (std::size_t i = 0; i < lancesRaiz.size(); i++) lancesRaiz[i].ordem = notas[i];
        std::stable_sort(lancesRaiz.begin(), lancesRaiz.end(),
                         [](const LanceRaiz& a, const LanceRaiz& b) { return a.ordem > b.ordem; });
    }
    resultado.lance = lancesRaiz[0].lance;
    resultado.pv = {resultado.lance};

    int maxima = limites.profundidade > 0 ? std::min(limites.profundidade, PROFUNDIDADE_MAXIMA) : PROFUNDIDADE_MAXIMA;
    int anterior = 0;
    for (int profundidade = 1; profundidade <= maxima; profundidade++) {
        seletiva = 0;
        melhorDaIteracao = P::NENHUM;
        int janela = 30;
        int alfa = -INFINITO, beta = INFINITO;
        if (profundidade >= 5 && margem == 0 && std::abs(anterior) < MATE_LIMITE) {
            alfa = anterior - janela;
            beta = anterior + janela;
        }
        int v;
        while (true) {
            v = raiz(alfa, beta, profundidade);
            if (parado) break;
            if (v <= alfa) {
                alfa = std::max(-INFINITO, alfa - janela);
                janela *= 2;
            } else if (v >= beta) {
                beta = std::min(INFINITO, beta + janela);
                janela *= 2;
            } else {
                break;
            }
            if (janela > 600) {
                alfa = -INFINITO;
                beta = INFINITO;
            }
        }
        // The best first, the others by their values.
        std::stable_sort(lancesRaiz.begin(), lancesRaiz.end(), [&](const LanceRaiz& a, const LanceRaiz& b) {
            bool pa = a.lance == melhorDaIteracao, pb = b.lance == melhorDaIteracao;
            if (pa != pb) return pa;
            return a.ordem > b.ordem;
        });
        if (parado) {
            // A move that beat the old best before the stop is taken.
            if (melhorDaIteracao != P::NENHUM && melhorDaIteracao != resultado.lance && profundidade > 1) {
                resultado.lance = melhorDaIteracao;
                resultado.valor = valorDaIteracao;
                resultado.pv.assign(pv[0], pv[0] + std::max(1, tamanhoPv[0]));
            }
            if (profundidade == 1 && melhorDaIteracao != P::NENHUM) {
                resultado.lance = melhorDaIteracao;
                resultado.valor = valorDaIteracao;
            }
            break;
        }
        anterior = v;
        resultado.lance = lancesRaiz[0].lance;
        resultado.valor = v;
        resultado.profundidade = profundidade;
        if (tamanhoPv[0] > 0 && pv[0][0] == resultado.lance) {
            resultado.pv.assign(pv[0], pv[0] + tamanhoPv[0]);
        } else {
            resultado.pv = {resultado.lance};
        }
        resultado.candidatos.clear();
        for (const LanceRaiz& r : lancesRaiz) {
            if (r.lance == resultado.lance || (r.exato && r.valor >= v - margem && margem > 0)) {
                resultado.candidatos.emplace_back(r.lance, r.lance == resultado.lance ? v : r.valor);
            }
        }
        long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inicio)
                           .count();
        if (aoIterar) aoIterar({profundidade, seletiva, v, nos, ms, resultado.pv});

        // Another iteration costs a few times all the ones before it.
        if (limiteNos > 0 && nos * 5 / 2 > limiteNos) break;
        if (limites.tempoIdealMs > 0 && ms * 2 > limites.tempoIdealMs) break;
        if (std::abs(v) >= MATE_LIMITE && profundidade > MATE - std::abs(v) + 2) break;
        if (lancesRaiz.size() == 1 && limites.tempoIdealMs > 0 && profundidade >= 6) break;
    }
    resultado.nos = nos;
    resultado.interrompida = interrompido;
    if (resultado.candidatos.empty()) resultado.candidatos.emplace_back(resultado.lance, resultado.valor);
    std::sort(resultado.candidatos.begin(), resultado.candidatos.end(),
              [](const std::pair<Lance, int>& a, const std::pair<Lance, int>& b) { return a.second > b.second; });
    return resultado;
}
