#!/usr/bin/env python3
"""Serves the browser version's folder on 127.0.0.1 with the two headers that
make the page cross-origin isolated, which its game thread (a web worker
sharing the game's memory) needs.

    servidor.py FOLDER [PORT]    PORT 0 (the default 8080 if absent) takes a free one

Prints the page's address on one line once it listens.
"""
import functools
import http.server
import sys


class Manipulador(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".js": "text/javascript",
        ".data": "application/octet-stream",
    }

    def end_headers(self):
        self.send_header("Cross-Origin-Opener-Policy", "same-origin")
        self.send_header("Cross-Origin-Embedder-Policy", "require-corp")
        # A rebuilt page is taken at the next load.
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, formato, *args):
        pass


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit("usage: servidor.py FOLDER [PORT]")
    porta = int(sys.argv[2]) if len(sys.argv) == 3 else 8080
    manipulador = functools.partial(Manipulador, directory=sys.argv[1])
    with http.server.ThreadingHTTPServer(("127.0.0.1", porta), manipulador) as servidor:
        print(f"http://127.0.0.1:{servidor.server_address[1]}/", flush=True)
        try:
            servidor.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
