#include "gui/AreaTransferencia.h"

#include <SDL.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include <vector>

// SDL's clipboard in a page is only its own, so the page's is reached here.
//
// Ctrl+V makes the browser fire a paste on the page, with the text, before
// the game sees the key: it is kept for a moment and taken by the key. The
// buttons have no such event and ask the Clipboard API, which may ask the
// player first.
EM_JS(void, xadrezPreparaColagem, (), {
    if (Module.xadrezColado !== undefined) return;
    Module.xadrezColado = null;
    document.addEventListener('paste', function (e) {
        if (!e.clipboardData) return;
        Module.xadrezColado = {texto: e.clipboardData.getData('text/plain'), quando: Date.now()};
        e.preventDefault();
    });
});

// The text's length in UTF-8 bytes, kept for xadrezEntregaLido; -1 when the
// browser gave none.
EM_ASYNC_JS(int, xadrezLeAreaTransferencia, (), {
    var colado = Module.xadrezColado;
    Module.xadrezColado = null;
    var texto = null;
    if (colado && Date.now() - colado.quando < 2000) {
        texto = colado.texto;
    } else if (navigator.clipboard && navigator.clipboard.readText) {
        try {
            texto = await navigator.clipboard.readText();
        } catch (e) {
            texto = null;
        }
    }
    if (typeof texto !== 'string') return -1;
    Module.xadrezLido = texto;
    return lengthBytesUTF8(texto);
});

EM_JS(void, xadrezEntregaLido, (char* destino, int tamanho), {
    stringToUTF8(Module.xadrezLido || '', destino, tamanho);
    Module.xadrezLido = null;
});

// Pages over plain http have no Clipboard API: there the old way, a hidden
// text area copied by the browser's own command, which a tap or key allows.
EM_ASYNC_JS(int, xadrezCopiaAreaTransferencia, (const char* texto), {
    var t = UTF8ToString(texto);
    if (navigator.clipboard && navigator.clipboard.writeText) {
        try {
            await navigator.clipboard.writeText(t);
            return 1;
        } catch (e) {
        }
    }
    var antes = document.activeElement;
    var area = document.createElement('textarea');
    area.value = t;
    area.setAttribute('readonly', '');
    area.style.cssText = 'position:fixed;left:-9999px;top:0;opacity:0;user-select:text;-webkit-user-select:text';
    document.body.appendChild(area);
    area.select();
    var copiou = false;
    try {
        copiou = document.execCommand('copy');
    } catch (e) {
        copiou = false;
    }
    document.body.removeChild(area);
    if (antes && antes.focus) antes.focus();
    return copiou ? 1 : 0;
});

void AreaTransferencia::prepara() { xadrezPreparaColagem(); }

bool AreaTransferencia::copia(const std::string& texto) { return xadrezCopiaAreaTransferencia(texto.c_str()) != 0; }

bool AreaTransferencia::le(std::string* texto) {
    int tamanho = xadrezLeAreaTransferencia();
    if (tamanho < 0) {
        return false;
    }
    std::vector<char> bytes(static_cast<size_t>(tamanho) + 1);
    xadrezEntregaLido(bytes.data(), tamanho + 1);
    texto->assign(bytes.data(), static_cast<size_t>(tamanho));
    return true;
}

#else

void AreaTransferencia::prepara() {}

bool AreaTransferencia::copia(const std::string& texto) { return SDL_SetClipboardText(texto.c_str()) == 0; }

bool AreaTransferencia::le(std::string* texto) {
    char* lido = SDL_GetClipboardText();
    if (lido == nullptr) {
        return false;
    }
    texto->assign(lido);
    SDL_free(lido);
    return true;
}

#endif
