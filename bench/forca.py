#!/usr/bin/env python3
"""How strong the computer player's levels are, on the usual rating scale.

Plays xadrez-uci at each level against opponents of known or measurable
strength and fits one rating per player. Started through bench/forca.sh,
which installs what it needs; never run by the tests.

Opponents:
  stockfish  Debian's Stockfish limited to calibrated ratings
             (UCI_LimitStrength, UCI_Elo 1350, its weakest, and stronger
             settings such as 1600, 1900, 2200), the anchors of the scale,
             each taken at its nominal rating;
  fairymax   Fairy-Max limited to a fixed search depth (sd 1, 2, ...),
             rated only through its games against the others.

Each level plays the opponents near its expected strength and its
neighbouring levels; with --paralelo 2 two games run at once (one per core).

Every move is checked by a separate Stockfish process (go perft 1 before
the move); an illegal move, a crash or a silent engine loses the game and
is reported. Colours alternate over a list of short openings. Draws are
adjudicated as arbiters do: threefold repetition, the fifty-move rule,
insufficient material (and a long game cap).
"""

import argparse
import datetime
import math
import os
import select
import shutil
import statistics
import subprocess
import sys
import threading
import time

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Each opening is played twice, once with each side of a pairing as white.
ABERTURAS = [
    "e2e4 e7e5 g1f3 b8c6",
    "d2d4 d7d5 c2c4 e7e6",
    "e2e4 c7c5 g1f3 d7d6",
    "d2d4 g8f6 c2c4 g7g6",
    "e2e4 e7e6 d2d4 d7d5",
    "c2c4 e7e5 b1c3 g8f6",
    "e2e4 c7c6 d2d4 d7d5",
    "g1f3 d7d5 g2g3 g8f6",
    "e2e4 d7d5 e4d5 d8d5",
    "d2d4 d7d5 g1f3 g8f6",
]

ANCORA_ELO = 1350
# The ratings the stronger levels were built to, and about where Fairy-Max's
# depths stood in earlier runs: they choose a level's opponents, those
# within PERTO of it.
ESPERADO = {2: 530, 3: 700, 4: 780, 5: 1000, 6: 1270, 7: 1540, 8: 1810, 9: 2080}
FAIRYMAX_ESPERADO = {1: 740, 2: 1100, 3: 1440, 4: 1600}
PERTO = 350
LIMITE_PLIES = 600
# Seconds an engine may take for one move before it counts as hung.
ESPERA_LANCE = 60.0


class Falha(Exception):
    """An engine crashed, went silent or broke the protocol."""


class Processo:
    def __init__(self, argv):
        self.argv = argv
        self.p = subprocess.Popen(argv, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL, bufsize=0)
        self.buffer = b""

    def envia(self, linha):
        try:
            self.p.stdin.write((linha + "\n").encode())
            self.p.stdin.flush()
        except (BrokenPipeError, OSError) as e:
            raise Falha(f"{self.argv[0]}: cannot write: {e}")

    def le(self, prazo):
        """The next line, or Falha when the deadline passes or the engine dies."""
        while b"\n" not in self.buffer:
            resta = prazo - time.monotonic()
            if resta <= 0:
                raise Falha(f"{os.path.basename(self.argv[0])}: no answer in time")
            pronto, _, _ = select.select([self.p.stdout], [], [], resta)
            if pronto:
                bloco = os.read(self.p.stdout.fileno(), 65536)
                if not bloco:
                    raise Falha(f"{os.path.basename(self.argv[0])}: ended (status {self.p.wait()})")
                self.buffer += bloco
        linha, self.buffer = self.buffer.split(b"\n", 1)
        return linha.decode("latin-1").rstrip("\r")

    def ate(self, inicio, espera=ESPERA_LANCE):
        """Lines up to and including the first that starts with inicio."""
        prazo = time.monotonic() + espera
        linhas = []
        while True:
            linha = self.le(prazo)
            linhas.append(linha)
            if linha.startswith(inicio):
                return linhas

    def fecha(self):
        try:
            self.envia("quit")
            self.p.wait(timeout=5)
        except (Falha, subprocess.TimeoutExpired):
            self.p.kill()
            self.p.wait()


def posicao(lances):
    return "position startpos" + (" moves " + " ".join(lances) if lances else "")


class Motor:
    def __init__(self, nome, argv):
        self.nome = nome
        self.argv = argv
        self.proc = None

    def fecha(self):
        if self.proc is not None:
            self.proc.fecha()
            self.proc = None


class MotorUCI(Motor):
    def __init__(self, nome, argv, opcoes, go, tempos=None):
        super().__init__(nome, argv)
        self.opcoes = opcoes
        self.go = go
        # Seconds per move, when the caller wants them.
        self.tempos = tempos

    def inicia(self):
        self.proc = Processo(self.argv)
        self.proc.envia("uci")
        self.proc.ate("uciok")
        for nome, valor in self.opcoes:
            self.proc.envia(f"setoption name {nome} value {valor}")
        self.proc.envia("isready")
        self.proc.ate("readyok")

    def novo_jogo(self):
        if self.proc is None or self.proc.p.poll() is not None:
            self.inicia()
        self.proc.envia("ucinewgame")
        self.proc.envia("isready")
        self.proc.ate("readyok")

    def lance(self, lances):
        self.proc.envia(posicao(lances))
        inicio = time.monotonic()
        self.proc.envia(self.go)
        palavras = self.proc.ate("bestmove")[-1].split()
        if self.tempos is not None:
            self.tempos.append(time.monotonic() - inicio)
        if len(palavras) < 2:
            raise Falha(f"{self.nome}: bestmove without a move")
        return palavras[1]


class MotorCECP(Motor):
    """Fairy-Max, which speaks the XBoard protocol and sets up no FEN: it
    follows the game from the start in force mode and moves on go."""

    def __init__(self, nome, argv, profundidade):
        super().__init__(nome, argv)
        self.profundidade = profundidade
        self.enviados = 0

    def novo_jogo(self):
        self.fecha()
        self.proc = Processo(self.argv)
        self.proc.envia("xboard")
        self.proc.envia("protover 2")
        prazo = time.monotonic() + ESPERA_LANCE
        while "done=1" not in self.proc.le(prazo):
            pass
        for c in ("new", "easy", "force", f"sd {self.profundidade}", "st 30"):
            self.proc.envia(c)
        self.enviados = 0

    def lance(self, lances):
        for l in lances[self.enviados:]:
            self.proc.envia(l)
        self.enviados = len(lances)
        self.proc.envia("go")
        prazo = time.monotonic() + ESPERA_LANCE
        while True:
            palavras = self.proc.le(prazo).split()
            if len(palavras) == 2 and palavras[0] == "move":
                break
            if palavras and palavras[0] in ("Illegal", "Error"):
                raise Falha(f"{self.nome}: {' '.join(palavras)}")
        # Its own move is on its board now; it must not answer ours by itself.
        self.proc.envia("force")
        self.enviados += 1
        return palavras[1]


class Juiz:
    """Stockfish as the arbiter: the legal moves, the FEN and whether the
    side to move is in check, for the position after a list of moves."""

    def __init__(self, stockfish):
        self.proc = Processo([stockfish])
        self.proc.envia("uci")
        self.proc.ate("uciok")

    def estado(self, lances):
        self.proc.envia(posicao(lances))
        self.proc.envia("go perft 1")
        legais = set()
        for l in self.proc.ate("Nodes searched"):
            if ": " in l and not l.startswith("Nodes"):
                legais.add(l.split(":")[0])
        self.proc.envia("d")
        self.proc.envia("isready")
        fen, xeque = None, False
        for l in self.proc.ate("readyok"):
            if l.startswith("Fen: "):
                fen = l[5:]
            elif l.startswith("Checkers:"):
                xeque = l[len("Checkers:"):].strip() != ""
        if fen is None:
            raise Falha("judge: no FEN")
        return legais, fen, xeque

    def fecha(self):
        self.proc.fecha()


def material_insuficiente(fen):
    pecas = [c for c in fen.split()[0] if c.isalpha() and c not in "kK"]
    if not pecas:
        return True
    if len(pecas) == 1 and pecas[0] in "nNbB":
        return True
    # Bishops only, all on squares of one colour.
    if all(c in "bB" for c in pecas):
        cores = set()
        for y, fila in enumerate(fen.split()[0].split("/")):
            x = 0
            for c in fila:
                if c.isdigit():
                    x += int(c)
                    continue
                if c in "bB":
                    cores.add((x + y) % 2)
                x += 1
        return len(cores) == 1
    return False


def joga(branco, preto, abertura, juiz):
    """One game; answers (result for white: 1, 0.5 or 0, reason, plies)."""
    lances = abertura.split()
    vistas = {}
    while True:
        legais, fen, xeque = juiz.estado(lances)
        campos = fen.split()
        chave = " ".join(campos[:4])
        vistas[chave] = vistas.get(chave, 0) + 1
        vez_branco = campos[1] == "w"
        if not legais:
            if xeque:
                return (0 if vez_branco else 1), "checkmate", len(lances)
            return 0.5, "stalemate", len(lances)
        if vistas[chave] >= 3:
            return 0.5, "threefold repetition", len(lances)
        if int(campos[4]) >= 100:
            return 0.5, "fifty-move rule", len(lances)
        if material_insuficiente(fen):
            return 0.5, "insufficient material", len(lances)
        if len(lances) >= LIMITE_PLIES:
            return 0.5, f"{LIMITE_PLIES} plies", len(lances)
        motor = branco if vez_branco else preto
        perde = 0 if vez_branco else 1
        try:
            lance = motor.lance(lances)
        except Falha as e:
            motor.fecha()
            return perde, f"FAILURE {e}", len(lances)
        if lance not in legais:
            return perde, f"FAILURE {motor.nome} played illegal {lance} after {' '.join(lances)}", len(lances)
        lances.append(lance)


def ajusta_elo(resultados, ancoras):
    """Ratings by maximum likelihood on the logistic (Elo) curve, the anchors
    ({player: rating}) fixed; each pairing also gets one virtual draw, so that
    a pairing won or lost whole gives a finite, cautious estimate. Answers
    {player: (elo, sd)}."""
    nomes = sorted({n for a, b in resultados for n in (a, b)})
    livres = [n for n in nomes if n not in ancoras]
    idx = {n: i for i, n in enumerate(livres)}
    base = min(ancoras.values())
    elo = {n: float(ancoras.get(n, base)) for n in nomes}
    k = math.log(10) / 400
    pares = []
    for (a, b), (v, e, d) in resultados.items():
        jogos = v + e + d + 1
        pontos = v + 0.5 * e + 0.5
        pares.append((a, b, jogos, pontos))

    def esperado(a, b):
        return 1 / (1 + 10 ** (-(elo[a] - elo[b]) / 400))

    def informacao():
        m = len(livres)
        g = [0.0] * m
        h = [[0.0] * m for _ in range(m)]
        for a, b, n, s in pares:
            p = esperado(a, b)
            w = n * p * (1 - p) * k * k
            grad = (s - n * p) * k
            for x, sinal in ((a, 1), (b, -1)):
                if x in idx:
                    g[idx[x]] += sinal * grad
            for x in (a, b):
                for y in (a, b):
                    if x in idx and y in idx:
                        h[idx[x]][idx[y]] += w if x == y else -w
        return g, h

    for _ in range(100):
        g, h = informacao()
        passo = resolve(h, g)
        for n, i in idx.items():
            elo[n] += max(-400.0, min(400.0, passo[i]))
        if max((abs(p) for p in passo), default=0) < 0.01:
            break
    _, h = informacao()
    inversa = inverte(h)
    return {n: (elo[n], math.sqrt(inversa[idx[n]][idx[n]]) if n in idx else 0.0) for n in nomes}


def resolve(a, b):
    m = len(b)
    linhas = [list(a[i]) + [b[i]] for i in range(m)]
    for c in range(m):
        piv = max(range(c, m), key=lambda r: abs(linhas[r][c]))
        linhas[c], linhas[piv] = linhas[piv], linhas[c]
        if abs(linhas[c][c]) < 1e-15:
            raise ValueError("the pairings do not link every player to the anchor")
        for r in range(m):
            if r != c:
                f = linhas[r][c] / linhas[c][c]
                linhas[r] = [x - f * y for x, y in zip(linhas[r], linhas[c])]
    return [linhas[i][m] / linhas[i][i] for i in range(m)]


def inverte(a):
    m = len(a)
    colunas = [resolve(a, [1.0 if i == j else 0.0 for i in range(m)]) for j in range(m)]
    return [[colunas[j][i] for j in range(m)] for i in range(m)]


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("motor", nargs="?", default=os.path.join(RAIZ, "build", "xadrez-uci"),
                    help="the xadrez-uci to measure (default: build/xadrez-uci)")
    ap.add_argument("--jogos", type=int, default=40, help="games per pairing, even (default 40)")
    ap.add_argument("--niveis", default="2,3,4,5,6,7,8,9", help="levels to measure (default 2 to 9)")
    ap.add_argument("--esperado", default="",
                    help="ratings expected of levels, which choose their opponents, e.g. 9=2250 (default: the "
                         "ratings the levels were built to)")
    ap.add_argument("--profundidades", default="1,2,3,4",
                    help="Fairy-Max depths in the pool (default 1,2,3,4)")
    ap.add_argument("--elos", default="1350,1600,1900,2200",
                    help="Stockfish UCI_Elo settings, the anchors (default 1350,1600,1900,2200)")
    ap.add_argument("--ms-stockfish", type=int, default=100, help="Stockfish's time per move in ms")
    ap.add_argument("--paralelo", type=int, default=1, help="games played at once (default 1; 2 for two cores)")
    ap.add_argument("--so-com", default="",
                    help="play only the pairings of these levels (comma-separated), e.g. after changing them")
    ap.add_argument("--anteriores", nargs="*", default=[],
                    help="logs of earlier runs whose pairings join the fit; the ones of the --so-com levels, and "
                         "any played again, are left out; the first log that has a pairing gives it")
    args = ap.parse_args()
    if args.jogos < 2 or args.jogos % 2:
        ap.error("--jogos must be even and at least 2")

    stockfish = shutil.which("stockfish") or "/usr/games/stockfish"
    fairymax = shutil.which("fairymax") or "/usr/games/fairymax"
    for p in (args.motor, stockfish, fairymax):
        if not os.access(p, os.X_OK):
            sys.exit(f"forca.py: {p} not found (bench/forca.sh installs the engines)")

    niveis = [int(n) for n in args.niveis.split(",")]
    esperado = dict(ESPERADO)
    for item in filter(None, args.esperado.split(",")):
        nivel, elo = item.split("=")
        esperado[int(nivel)] = int(elo)
    profundidades = [int(n) for n in args.profundidades.split(",")]
    elos = sorted(int(e) for e in args.elos.split(","))
    tempos = {n: [] for n in niveis}
    tempos_trava = threading.Lock()

    def nome_sf(e):
        return f"Stockfish UCI_Elo {e}"

    def nosso(n):
        lista = []

        class Medido(MotorUCI):
            def lance(self, lances):
                r = super().lance(lances)
                with tempos_trava:
                    tempos[n].extend(lista)
                lista.clear()
                return r

        return Medido(f"xadrez Nivel {n}", [args.motor], [("Nivel", n)], "go", lista)

    def fmax(d):
        return MotorCECP(f"Fairy-Max sd {d}", [fairymax], d)

    def sf(e):
        return lambda: MotorUCI(nome_sf(e), [stockfish],
                                [("Threads", 1), ("Hash", 16), ("UCI_LimitStrength", "true"), ("UCI_Elo", e)],
                                f"go movetime {args.ms_stockfish}")

    # The original levels against the two shallowest Fairy-Max depths and
    # the weakest anchor; a stronger level against the two anchors (or
    # Fairy-Max's deeper depths) nearest the rating it was built to; each
    # level against the next; Fairy-Max's depths chained to each other and
    # the deeper ones to the weakest anchor.
    pares = []
    usa_fairymax = False
    for n in niveis:
        if n <= 4:
            pares += [(lambda n=n: nosso(n), lambda d=d: fmax(d)) for d in profundidades[:2]]
            pares.append((lambda n=n: nosso(n), sf(elos[0])))
            usa_fairymax = True
        else:
            alvo = esperado.get(n, 2000)
            perto = [e for e in elos if abs(e - alvo) <= PERTO] or [min(elos, key=lambda e: abs(e - alvo))]
            for e in sorted(perto, key=lambda e: abs(e - alvo))[:2]:
                pares.append((lambda n=n: nosso(n), sf(e)))
            if alvo < elos[0]:
                perto = [d for d in profundidades if abs(FAIRYMAX_ESPERADO.get(d, 9999) - alvo) <= PERTO]
                for d in sorted(perto, key=lambda d: abs(FAIRYMAX_ESPERADO[d] - alvo))[:2]:
                    pares.append((lambda n=n, d=d: nosso(n), lambda d=d: fmax(d)))
                    usa_fairymax = True
    for a, b in zip(niveis, niveis[1:]):
        pares.append((lambda a=a: nosso(a), lambda b=b: nosso(b)))
    if usa_fairymax:
        for a, b in zip(profundidades, profundidades[1:]):
            pares.append((lambda a=a: fmax(a), lambda b=b: fmax(b)))
        for d in profundidades[2:]:
            pares.append((lambda d=d: fmax(d), sf(elos[0])))

    if args.so_com:
        escolhidos = {f"xadrez Nivel {n}" for n in args.so_com.split(",")}
        pares = [(fa, fb) for fa, fb in pares if {fa().nome, fb().nome} & escolhidos]
    else:
        escolhidos = set()

    resultados = {}
    falhas = []
    inicio = time.monotonic()
    print(f"# {datetime.date.today().isoformat()}, {args.jogos} games per pairing, "
          f"Stockfish {args.ms_stockfish} ms per move, {args.paralelo} at once, "
          f"load {os.getloadavg()[0]:.1f}", flush=True)
    print(f"{'pairing':52} {'games':>5} {'W':>3} {'D':>3} {'L':>3} {'score':>6}", flush=True)

    # Every game is a job; a worker plays them one after the other with
    # engines of its own and its own judge.
    trabalhos = [(i, j) for i in range(len(pares)) for j in range(args.jogos)]
    placar = {i: {"v": 0, "e": 0, "d": 0, "feitos": 0, "motivos": {}, "nomes": None} for i in range(len(pares))}
    trava = threading.Lock()
    proximo = [0]

    def trabalhador():
        juiz = Juiz(stockfish)
        try:
            while True:
                with trava:
                    if proximo[0] >= len(trabalhos):
                        return
                    i, j = trabalhos[proximo[0]]
                    proximo[0] += 1
                fa, fb = pares[i]
                a, b = fa(), fb()
                abertura = ABERTURAS[(j // 2) % len(ABERTURAS)]
                a_branco = j % 2 == 0
                branco, preto = (a, b) if a_branco else (b, a)
                try:
                    branco.novo_jogo()
                    preto.novo_jogo()
                    pontos, motivo, plies = joga(branco, preto, abertura, juiz)
                except Falha as e:
                    pontos, motivo = (0 if a_branco else 1), f"FAILURE {e}"
                finally:
                    a.fecha()
                    b.fecha()
                if not a_branco:
                    pontos = 1 - pontos
                with trava:
                    r = placar[i]
                    r["nomes"] = (a.nome, b.nome)
                    r["v"] += pontos == 1
                    r["e"] += pontos == 0.5
                    r["d"] += pontos == 0
                    chave = "FAILURE" if motivo.startswith("FAILURE") else motivo
                    r["motivos"][chave] = r["motivos"].get(chave, 0) + 1
                    if motivo.startswith("FAILURE"):
                        falhas.append(f"{a.nome} vs {b.nome}, game {j + 1}: {motivo}")
                    r["feitos"] += 1
                    if r["feitos"] == args.jogos:
                        resultados[r["nomes"]] = (r["v"], r["e"], r["d"])
                        print(f"{r['nomes'][0] + ' vs ' + r['nomes'][1]:52} {args.jogos:5} {r['v']:3} {r['e']:3} "
                              f"{r['d']:3} {100 * (r['v'] + 0.5 * r['e']) / args.jogos:5.1f}%   "
                              + ", ".join(f"{m} {c}" for m, c in sorted(r["motivos"].items())), flush=True)
        finally:
            juiz.fecha()

    fios = [threading.Thread(target=trabalhador) for _ in range(max(1, args.paralelo))]
    for f in fios:
        f.start()
    for f in fios:
        f.join()

    # Earlier pairings of the players whose play did not change.
    for log in args.anteriores:
        with open(log, encoding="utf-8") as f:
            for linha in f:
                partes = linha[:52].split(" vs ")
                numeros = linha[52:].split()
                if len(partes) != 2 or len(numeros) < 4 or not numeros[0].isdigit():
                    continue
                par = (partes[0].strip(), partes[1].strip())
                if set(par) & escolhidos or par in resultados or (par[1], par[0]) in resultados:
                    continue
                resultados[par] = (int(numeros[1]), int(numeros[2]), int(numeros[3]))
                print(f"{par[0] + ' vs ' + par[1]:52} {linha[52:].strip()}   (from {os.path.basename(log)})")

    ancoras = {nome_sf(e): e for e in elos if any(nome_sf(e) in par for par in resultados)}
    elos_ajustados = ajusta_elo(resultados, ancoras)
    print()
    print(f"{'player':28} {'Elo':>6}  95% margin")
    for nome, (elo, sd) in sorted(elos_ajustados.items(), key=lambda x: -x[1][0]):
        margem = "anchor" if nome in ancoras else f"+/- {1.96 * sd:.0f}"
        print(f"{nome:28} {elo:6.0f}  {margem}")
    print()
    print(f"{'level':8} {'moves':>6} {'median s':>9} {'worst s':>8}")
    for n in niveis:
        if tempos[n]:
            print(f"{n:<8} {len(tempos[n]):6} {statistics.median(tempos[n]):9.3f} {max(tempos[n]):8.3f}")
    print()
    print("Assumptions: Stockfish 15.1 with UCI_LimitStrength at UCI_Elo E plays at E, the rating its")
    print("authors calibrated it to (CCRL 40/4 scale, at a longer time control than here); its settings")
    print("are the anchors, each fixed at its nominal rating. Fairy-Max's fixed depths, which have no")
    print("rating of their own, bridge the gap below the weakest setting and are placed by their games.")
    print("Ratings are fitted together on the logistic Elo curve with one virtual draw per pairing;")
    print("draws count half a point; the margin is 1.96 standard errors of that fit.")
    if falhas:
        print()
        print(f"{len(falhas)} games lost by an engine failure:")
        for f in falhas:
            print("  " + f)
    minutos = (time.monotonic() - inicio) / 60
    print(f"\n# {minutos:.1f} minutes, load {os.getloadavg()[0]:.1f}", flush=True)


if __name__ == "__main__":
    main()
