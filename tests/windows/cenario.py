#!/usr/bin/env python3
"""The game under Wine played by X clicks, as a person would (DISPLAY set).

    cenario.py partida FOLDER NAME   the opening screen, with the pointer on
                                     "Brancas:" the desktop's (docs/abertura.png),
                                     "Jogar" shows the board, a click on e2
                                     marks e3 and e4, e2-e4 is carried out and
                                     black answers
    cenario.py abertura FOLDER NAME  the opening screen, the same as the one
                                     that partida saved in FOLDER

Screenshots go to FOLDER/NAME-*.png, a line per step to FOLDER/NAME.txt;
the exit status is 1 at the first step that fails.
"""
import os
import struct
import subprocess
import sys
import time
import zlib

RAIZ = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
sys.path.insert(0, os.path.join(RAIZ, "tools", "capturas"))
from xwd2png import escreve_png  # noqa: E402

CLARA, ESCURA, MARCA = (220, 220, 175), (150, 150, 100), (200, 200, 255)
LADO = 640


def canto(nome, dentro=4):
    """A pixel near the top-left corner of a square, below the 78-pixel panel
    (its plain colour, or its mark's); dentro=32 gives the centre."""
    return 64 + 64 * (ord(nome[0]) - 97) + dentro, 83 + 64 * (8 - int(nome[1])) + dentro


def le_png(caminho):
    """Rows of RGB triples of a PNG as tools/capturas/xwd2png.py writes them."""
    with open(caminho, "rb") as f:
        dados = f.read()
    largura, altura, bits, tipo = struct.unpack(">IIBB", dados[16:26])
    if bits != 8 or tipo != 2:
        raise RuntimeError(f"{caminho}: not 8-bit RGB")
    i, comprimido = 8, b""
    while i < len(dados):
        (n,) = struct.unpack(">I", dados[i:i + 4])
        if dados[i + 4:i + 8] == b"IDAT":
            comprimido += dados[i + 8:i + 8 + n]
        i += 12 + n
    cru, passo = zlib.decompress(comprimido), largura * 3 + 1
    if any(cru[y * passo] != 0 for y in range(altura)):
        raise RuntimeError(f"{caminho}: filtered rows")
    return [cru[y * passo + 1:(y + 1) * passo] for y in range(altura)]


def diferenca(a, b):
    """The largest difference of a colour level between two frames."""
    return max(max(abs(x - y) for x, y in zip(la, lb)) if la != lb else 0 for la, lb in zip(a, b))


class Jogo:
    def __init__(self, pasta, nome):
        self.pasta, self.nome = pasta, nome
        self.log = open(os.path.join(pasta, nome + ".txt"), "w")
        self.janela = None

    def diz(self, linha):
        print(linha, file=self.log, flush=True)

    def quadro(self):
        """The window's pixels, one bytes object of RGB triples per row."""
        r = subprocess.run(["xwd", "-silent", "-id", self.janela], capture_output=True)
        if r.returncode != 0:
            # SDL may make its window again as the renderer starts: take the
            # one of that name now shown.
            ids = subprocess.run(["xdotool", "search", "--name", "^Jogo de Xadrez$"], capture_output=True,
                                 text=True).stdout.split()
            self.janela = ids[-1] if ids else self.janela
            time.sleep(0.5)
            r = subprocess.run(["xwd", "-silent", "-id", self.janela], capture_output=True, check=True)
        dados = r.stdout
        campos = struct.unpack(">25I", dados[:100])
        cabecalho, largura, altura = campos[0], campos[4], campos[5]
        bpp, por_linha, mascaras, ncores = campos[11], campos[12], campos[14:17], campos[19]
        if (largura, altura) != (LADO, LADO) or bpp != 32 or campos[7] != 0:
            raise RuntimeError(f"the window is {largura}x{altura} at {bpp} bits")
        inicio = cabecalho + ncores * 12
        desloc = [((m & -m).bit_length() - 1) // 8 for m in mascaras]
        linhas = []
        for y in range(altura):
            cru = dados[inicio + y * por_linha: inicio + y * por_linha + largura * 4]
            rgb = bytearray(largura * 3)
            for canal, d in enumerate(desloc):
                rgb[canal::3] = cru[d::4]
            linhas.append(bytes(rgb))
        return linhas

    @staticmethod
    def pixel(linhas, p):
        x, y = p
        return tuple(linhas[y][x * 3: x * 3 + 3])

    def espera(self, oque, cond, segundos):
        limite = time.time() + segundos
        while True:
            linhas = self.quadro()
            if cond(linhas):
                return linhas
            if time.time() > limite:
                self.salva("falha", linhas)
                raise RuntimeError(oque)
            time.sleep(0.2)

    def salva(self, passo, linhas):
        escreve_png(os.path.join(self.pasta, f"{self.nome}-{passo}.png"), LADO, LADO, linhas)

    def clica(self, x, y):
        subprocess.run(["xdotool", "mousemove", "--window", self.janela, str(x), str(y), "click", "1"], check=True)

    def abertura(self):
        # The pointer away from the window before it opens: over the menu it
        # would light up a line.
        subprocess.run(["xdotool", "mousemove", "0", "0"], check=True)
        limite = time.time() + 90
        while self.janela is None:
            r = subprocess.run(["xdotool", "search", "--name", "^Jogo de Xadrez$"], capture_output=True, text=True)
            if r.stdout.split():
                self.janela = r.stdout.split()[0]
            elif time.time() > limite:
                raise RuntimeError("the game's window did not appear within 90 s")
            else:
                time.sleep(0.5)
        anterior = [None]

        def parado(linhas):
            igual = linhas == anterior[0]
            anterior[0] = linhas
            return igual

        linhas = self.espera("the opening screen never settled", parado, 30)
        self.salva("1-abertura", linhas)
        return linhas

    def partida(self):
        linhas = self.abertura()
        with open(os.path.join(self.pasta, "abertura.rgb"), "wb") as f:
            f.write(b"".join(linhas))
        self.diz("ok: the opening screen")

        # The menu's texts with their accents as the desktop draws them; SDL's
        # blending may round an anti-aliased edge a level or two apart.
        desktop = le_png(os.path.join(RAIZ, "docs", "abertura.png"))
        subprocess.run(["xdotool", "mousemove", "--window", self.janela, "400", "330"], check=True)
        self.espera("with the pointer on \"Brancas:\" the opening screen is not the desktop's (docs/abertura.png)",
                    lambda l: diferenca(l, desktop) <= 2, 10)
        self.diz("ok: with the pointer on \"Brancas:\" the opening screen is the desktop's")

        self.clica(320, 444)
        self.salva("2-tabuleiro", self.espera('"Jogar" did not show the board', lambda l: (
            self.pixel(l, canto("e4")) == CLARA and self.pixel(l, canto("e5")) == ESCURA), 15))
        self.diz('ok: "Jogar" shows the board')

        self.clica(*canto("e2", 32))
        linhas = self.espera("e3 and e4 were not marked", lambda l: (
            self.pixel(l, canto("e3")) == MARCA and self.pixel(l, canto("e4")) == MARCA), 10)
        negras = linhas[83:83 + 128]
        self.salva("3-selecao", linhas)
        self.diz("ok: a click on e2 marks e3 and e4")

        t0 = time.time()
        self.clica(*canto("e4", 32))
        self.espera("e2-e4 was not carried out", lambda l: (
            self.pixel(l, canto("e2")) == CLARA and self.pixel(l, canto("e4")) == CLARA), 10)
        anterior = [None]

        def respondeu(linhas):
            parado = linhas == anterior[0]
            anterior[0] = linhas
            return parado and linhas[83:83 + 128] != negras

        self.salva("4-resposta", self.espera("black did not answer within 20 s", respondeu, 20))
        self.diz(f"ok: e2-e4 is carried out and black answers {time.time() - t0:.1f} s after the click")

    def so_abertura(self):
        linhas = self.abertura()
        with open(os.path.join(self.pasta, "abertura.rgb"), "rb") as f:
            if f.read() != b"".join(linhas):
                raise RuntimeError("the opening screen differs from the installed game's")
        self.diz("ok: the opening screen, the same as the installed game's")


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("partida", "abertura"):
        raise SystemExit(__doc__)
    jogo = Jogo(sys.argv[2], sys.argv[3])
    try:
        jogo.partida() if sys.argv[1] == "partida" else jogo.so_abertura()
    except (RuntimeError, subprocess.CalledProcessError) as e:
        jogo.diz(f"FAIL: {e}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
