#!/usr/bin/env python3
"""Serves the browser version's folder as a plain static host does: no
special header. With --gzip it compresses every file for a browser that
accepts it, as most hosts do (bench/web.sh measures so). In either mode
every file carries an ETag and its Last-Modified date, and a request that
names the copy it holds is answered 304 Not Modified.

    servidor.py [--gzip] FOLDER [PORT | ADDRESS:PORT]

It listens on 127.0.0.1, port 8080, unless told otherwise; PORT 0 takes a
free one; ADDRESS 0.0.0.0 (or ::) listens on every network of the machine,
so a phone on the same network can open the page. Prints the page's address
on one line once it listens (and, on every network, the machine's address
on that network on a second line).
"""
import email.utils
import functools
import gzip
import http.server
import os
import socket
import sys

USO = "usage: servidor.py [--gzip] FOLDER [PORT | ADDRESS:PORT]"


class Manipulador(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".js": "text/javascript",
        ".data": "application/octet-stream",
        ".webmanifest": "application/manifest+json",
    }
    comprime = False

    def end_headers(self):
        # A rebuilt page is taken at the next load.
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def do_GET(self):
        self.responde(True)

    def do_HEAD(self):
        self.responde(False)

    def responde(self, comCorpo):
        caminho = self.translate_path(self.path)
        if os.path.isdir(caminho) and self.path.split("?")[0].split("#")[0].endswith("/"):
            caminho = os.path.join(caminho, "index.html")
        # Anything else (a folder's redirect, a missing file) as usual.
        if not os.path.isfile(caminho):
            if comCorpo:
                super().do_GET()
            else:
                super().do_HEAD()
            return
        estado = os.stat(caminho)
        gz = self.comprime and "gzip" in self.headers.get("Accept-Encoding", "")
        # The compressed copy is another representation: another tag.
        etag = '"%x-%x%s"' % (estado.st_mtime_ns, estado.st_size, "-gz" if gz else "")
        validadores = [("ETag", etag), ("Last-Modified", email.utils.formatdate(estado.st_mtime, usegmt=True))]
        if self.comprime:
            validadores.append(("Vary", "Accept-Encoding"))
        if self.naoMudou(etag, int(estado.st_mtime)):
            self.send_response(304)
            for nome, valor in validadores:
                self.send_header(nome, valor)
            self.end_headers()
            return
        with open(caminho, "rb") as f:
            corpo = f.read()
        if gz:
            corpo = gzip.compress(corpo, 6)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(caminho))
        if gz:
            self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(corpo)))
        for nome, valor in validadores:
            self.send_header(nome, valor)
        self.end_headers()
        if comCorpo:
            self.wfile.write(corpo)

    def naoMudou(self, etag, modificado):
        # If-None-Match, when sent, decides alone.
        pedidas = self.headers.get("If-None-Match")
        if pedidas is not None:
            tags = [t.strip() for t in pedidas.split(",")]
            return "*" in tags or any(t.removeprefix("W/") == etag for t in tags)
        desde = self.headers.get("If-Modified-Since")
        if desde is None:
            return False
        try:
            return modificado <= email.utils.parsedate_to_datetime(desde).timestamp()
        except (TypeError, ValueError, IndexError, OverflowError):
            return False

    def log_message(self, formato, *args):
        pass


def leEndereco(texto):
    """PORT or ADDRESS:PORT (an IPv6 address in brackets): (address, port)."""
    endereco, _, porta = texto.rpartition(":")
    endereco = endereco.strip("[]") or "127.0.0.1"
    if not porta.isdigit() or int(porta) > 65535:
        sys.exit(f"servidor.py: bad port in '{texto}'; {USO}")
    return endereco, int(porta)


def enderecoNaRede():
    """This machine's address on the network its default route leads to."""
    try:
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
            s.connect(("192.0.2.1", 9))  # sends nothing: only picks the route
            return s.getsockname()[0]
    except OSError:
        return None


def main():
    args = sys.argv[1:]
    comprime = "--gzip" in args
    args = [a for a in args if a != "--gzip"]
    if len(args) not in (1, 2) or args[0].startswith("-"):
        sys.exit(USO)
    endereco, porta = leEndereco(args[1] if len(args) == 2 else "8080")
    manipulador = functools.partial(type("M", (Manipulador,), {"comprime": comprime}), directory=args[0])
    classe = http.server.ThreadingHTTPServer
    if ":" in endereco:
        classe = type("Servidor6", (classe,), {"address_family": socket.AF_INET6})
    try:
        servidor = classe((endereco, porta), manipulador)
    except OSError as erro:
        sys.exit(f"servidor.py: cannot listen on {endereco}:{porta}: {erro.strerror}")
    with servidor:
        porta = servidor.server_address[1]
        todas = endereco in ("0.0.0.0", "::")
        local = "127.0.0.1" if todas else (f"[{endereco}]" if ":" in endereco else endereco)
        print(f"http://{local}:{porta}/", flush=True)
        rede = enderecoNaRede() if todas else None
        if rede:
            print(f"on the network: http://{rede}:{porta}/ (plays there; play without a network and"
                  " installing need HTTPS or localhost)", flush=True)
        try:
            servidor.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
