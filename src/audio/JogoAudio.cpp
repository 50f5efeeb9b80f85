#include "audio/JogoAudio.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

#ifdef XADREZ_MUSICA_OGG
// The builds for a browser and for Windows play the tunes rendered with the
// desktop's sound font (cruzado/recursos.cmake): a browser and Wine have no
// General MIDI synthesiser, and Windows' own sounds different.
const char* const MUSICA_ABERTURA_ARQ = "audio/abertura-fundo.ogg";
const char* const MUSICA_JOGO_ARQ = "audio/jogo-fundo.ogg";
#else
const char* const MUSICA_ABERTURA_ARQ = "audio/abertura-fundo.mid";
const char* const MUSICA_JOGO_ARQ = "audio/jogo-fundo.mid";
#endif

// In id order, 1 to 8.
const char* const EFEITOS_ARQ[8] = {
    "audio/jogador-moveu.wav", "audio/comp-moveu.wav", "audio/captura.wav",
    "audio/xeque.wav",         "audio/perdeu.wav",     "audio/venceu.wav",
    "audio/empatou.wav",       "audio/beep.wav",
};

// Named within the game's folder (the working directory), so that the user
// knows which copy of the files to look at.
void relataFalha(const char* arquivo, const char* motivo) {
    std::error_code erro;
    std::string caminho = (std::filesystem::current_path(erro) / arquivo).u8string();
    std::fprintf(stderr, "xadrez: cannot load %s: %s\n", caminho.c_str(), motivo);
}

void relataFalha(const char* arquivo) { relataFalha(arquivo, Mix_GetError()); }

Mix_Music* carregaMusica(const char* arquivo) {
    // The mixer takes an empty tune file and then, playing it in a loop,
    // restarts it without end in the audio thread, which never lets go.
    SDL_RWops* leitura = SDL_RWFromFile(arquivo, "rb");
    Sint64 tamanho = leitura != nullptr ? SDL_RWsize(leitura) : -1;
    if (leitura != nullptr) SDL_RWclose(leitura);
    if (tamanho == 0) {
        relataFalha(arquivo, "the file is empty");
        return nullptr;
    }
    Mix_Music* m = Mix_LoadMUS(arquivo);
    if (m == nullptr) relataFalha(arquivo);
    return m;
}

Mix_Chunk* carregaEfeito(const char* arquivo) {
    // The loader frees the stream, even when it fails; a null stream is
    // answered with null too.
    Mix_Chunk* c = Mix_LoadWAV_RW(SDL_RWFromFile(arquivo, "rb"), 1);
    if (c == nullptr) relataFalha(arquivo);
    return c;
}

}  // namespace

const char* JogoAudio::getArquivo(int id) {
    if (id >= JOGADOR_MOVEU && id <= BEEP) return EFEITOS_ARQ[id - 1];
    if (id == MUSICA_ABERTURA) return MUSICA_ABERTURA_ARQ;
    if (id == MUSICA_JOGO) return MUSICA_JOGO_ARQ;
    return nullptr;
}

JogoAudio::JogoAudio()
    : numAudio(0),
      musicaAbertura(nullptr),
      musicaJogo(nullptr),
      jogadorMoveuAudio(nullptr),
      compMoveuAudio(nullptr),
      capturaAudio(nullptr),
      xequeAudio(nullptr),
      perdeuAudio(nullptr),
      venceuAudio(nullptr),
      empatouAudio(nullptr),
      beepAudio(nullptr),
      aberto(false),
      ultimoEfeito(0),
      efeitosTocados(0),
      musica(0),
      musicaInicios(0) {}

Mix_Chunk** JogoAudio::efeito(int id) {
    switch (id) {
        case JOGADOR_MOVEU: return &jogadorMoveuAudio;
        case COMP_MOVEU: return &compMoveuAudio;
        case CAPTURA: return &capturaAudio;
        case XEQUE: return &xequeAudio;
        case PERDEU: return &perdeuAudio;
        case VENCEU: return &venceuAudio;
        case EMPATOU: return &empatouAudio;
        case BEEP: return &beepAudio;
        default: return nullptr;
    }
}

Mix_Chunk* JogoAudio::getEfeito(int id) const {
    Mix_Chunk** c = const_cast<JogoAudio*>(this)->efeito(id);
    return c != nullptr ? *c : nullptr;
}

Mix_Music* JogoAudio::getMusicaCarregada(int id) const {
    if (id == MUSICA_ABERTURA) return musicaAbertura;
    if (id == MUSICA_JOGO) return musicaJogo;
    return nullptr;
}

void JogoAudio::inicializa() {
    numAudio = 0;
    // A second call must not leak what the first one loaded.
    finaliza();

    // Without an audio device the window has already said so; stay silent.
    int frequencia = 0;
    Uint16 formato = 0;
    int canais = 0;
    aberto = Mix_QuerySpec(&frequencia, &formato, &canais) != 0;
    if (!aberto) return;

    musicaAbertura = carregaMusica(MUSICA_ABERTURA_ARQ);
    musicaJogo = carregaMusica(MUSICA_JOGO_ARQ);
    for (int id = JOGADOR_MOVEU; id <= BEEP; id++) {
        *efeito(id) = carregaEfeito(EFEITOS_ARQ[id - 1]);
    }
    trocaMusica(MUSICA_ABERTURA, musicaAbertura);
}

void JogoAudio::finaliza() {
    // Freeing the tune that plays halts it first.
    if (musicaAbertura != nullptr) Mix_FreeMusic(musicaAbertura);
    if (musicaJogo != nullptr) Mix_FreeMusic(musicaJogo);
    musicaAbertura = nullptr;
    musicaJogo = nullptr;
    for (int id = JOGADOR_MOVEU; id <= BEEP; id++) {
        Mix_Chunk** c = efeito(id);
        // Freeing halts the channels that still play it.
        if (*c != nullptr) Mix_FreeChunk(*c);
        *c = nullptr;
    }
    musica = 0;
}

void JogoAudio::trocaMusica(int id, Mix_Music* tune) {
    if (!aberto) return;
    if (Mix_PlayingMusic()) Mix_HaltMusic();
    // A tune that failed to load leaves the game without music.
    if (tune == nullptr) {
        musica = 0;
        return;
    }
    Mix_PlayMusic(tune, -1);
    musica = id;
    musicaInicios++;
}

void JogoAudio::reinicia() { trocaMusica(MUSICA_ABERTURA, musicaAbertura); }

void JogoAudio::setMusica(int id) {
    if (id == MUSICA_ABERTURA) {
        trocaMusica(id, musicaAbertura);
    } else if (id == MUSICA_JOGO) {
        trocaMusica(id, musicaJogo);
    }
}

void JogoAudio::pauseMusica() {
    if (aberto) Mix_PauseMusic();
}

void JogoAudio::resumeMusica() {
    if (aberto) Mix_ResumeMusic();
}

void JogoAudio::tocaAudio() {
    // Taken and cleared in one step, so an id set meanwhile waits for the next tick.
    int id = numAudio.exchange(0);
    Mix_Chunk** c = efeito(id);
    if (c == nullptr || *c == nullptr) return;
    Mix_PlayChannelTimed(-1, *c, 0, -1);
    ultimoEfeito = id;
    efeitosTocados++;
}
