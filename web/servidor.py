#!/usr/bin/env python3
"""Serves the browser version's folder on 127.0.0.1 as a plain static host
does: no special header. With --gzip it compresses every file for a browser
that accepts it, as most hosts do (bench/primeiro-quadro.mjs measures so).

    servidor.py [--gzip] FOLDER [PORT]    PORT 0 (the default 8080 if absent) takes a free one

Prints the page's address on one line once it listens.
"""
import functools
import gzip
import http.server
import os
import sys


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
        caminho = self.translate_path(self.path)
        if os.path.isdir(caminho) and self.path.split("?")[0].endswith("/"):
            caminho = os.path.join(caminho, "index.html")
        # Anything else (a folder's redirect, a missing file) as usual.
        if not (self.comprime and "gzip" in self.headers.get("Accept-Encoding", "")
                and os.path.isfile(caminho)):
            super().do_GET()
            return
        with open(caminho, "rb") as f:
            corpo = gzip.compress(f.read(), 6)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(caminho))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(corpo)))
        self.end_headers()
        self.wfile.write(corpo)

    def log_message(self, formato, *args):
        pass


def main():
    args = sys.argv[1:]
    comprime = "--gzip" in args
    args = [a for a in args if a != "--gzip"]
    if len(args) not in (1, 2):
        sys.exit("usage: servidor.py [--gzip] FOLDER [PORT]")
    porta = int(args[1]) if len(args) == 2 else 8080
    manipulador = functools.partial(type("M", (Manipulador,), {"comprime": comprime}), directory=args[0])
    with http.server.ThreadingHTTPServer(("127.0.0.1", porta), manipulador) as servidor:
        print(f"http://127.0.0.1:{servidor.server_address[1]}/", flush=True)
        try:
            servidor.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
