#!/usr/bin/env python3
"""Turns an X window dump (xwd, 24/32 bits TrueColor) into a PNG, with a crop.

    xwd2png.py in.xwd out.png [x y w h]
"""
import struct
import sys
import zlib


def le_xwd(dados):
    campos = struct.unpack(">25I", dados[:100])
    tam_cabecalho, _, _, _, largura, altura = campos[0:6]
    ordem_bytes = campos[7]
    bits_por_pixel = campos[11]
    bytes_por_linha = campos[12]
    mascaras = campos[14:17]
    ncores = campos[19]
    if bits_por_pixel not in (24, 32):
        raise SystemExit("xwd2png: only 24 or 32 bits per pixel are handled")
    inicio = tam_cabecalho + ncores * 12
    bpp = bits_por_pixel // 8
    deslocamentos = [(m & -m).bit_length() - 1 for m in mascaras]
    linhas = []
    for y in range(altura):
        base = inicio + y * bytes_por_linha
        linha = bytearray()
        for x in range(largura):
            px = dados[base + x * bpp: base + (x + 1) * bpp]
            valor = int.from_bytes(px, "little" if ordem_bytes == 0 else "big")
            for m, d in zip(mascaras, deslocamentos):
                linha.append((valor & m) >> d)
        linhas.append(linha)
    return largura, altura, linhas


def escreve_png(caminho, largura, altura, linhas):
    def bloco(tipo, conteudo):
        crc = zlib.crc32(tipo + conteudo) & 0xFFFFFFFF
        return struct.pack(">I", len(conteudo)) + tipo + conteudo + struct.pack(">I", crc)

    cru = b"".join(b"\x00" + bytes(l) for l in linhas)
    png = b"\x89PNG\r\n\x1a\n"
    png += bloco(b"IHDR", struct.pack(">IIBBBBB", largura, altura, 8, 2, 0, 0, 0))
    png += bloco(b"IDAT", zlib.compress(cru, 9))
    png += bloco(b"IEND", b"")
    with open(caminho, "wb") as f:
        f.write(png)


def main():
    if len(sys.argv) not in (3, 7):
        raise SystemExit(__doc__)
    with open(sys.argv[1], "rb") as f:
        largura, altura, linhas = le_xwd(f.read())
    if len(sys.argv) == 7:
        x, y, w, h = (int(v) for v in sys.argv[3:7])
        linhas = [l[x * 3:(x + w) * 3] for l in linhas[y:y + h]]
        largura, altura = w, h
    escreve_png(sys.argv[2], largura, altura, linhas)


if __name__ == "__main__":
    main()
