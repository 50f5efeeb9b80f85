#ifndef AUDIO_JOGOAUDIO_H
#define AUDIO_JOGOAUDIO_H

#include <atomic>

#include <SDL_mixer.h>

// Background tunes and the eight effects. Effects go through one pending
// slot that the game tick plays and clears; music is switched directly.
// Music calls come from the controllers under the game's lock; the slot is
// touched by both threads without it.
class JogoAudio {
public:
    static constexpr int JOGADOR_MOVEU = 1;
    static constexpr int COMP_MOVEU = 2;
    static constexpr int CAPTURA = 3;
    static constexpr int XEQUE = 4;
    static constexpr int PERDEU = 5;
    static constexpr int VENCEU = 6;
    static constexpr int EMPATOU = 7;
    static constexpr int BEEP = 8;
    static constexpr int MUSICA_ABERTURA = 9;
    static constexpr int MUSICA_JOGO = 10;

    JogoAudio();

    JogoAudio(const JogoAudio&) = delete;
    JogoAudio& operator=(const JogoAudio&) = delete;

    // Loads everything and starts the opening tune; needs the mixer open,
    // otherwise the game stays silent.
    void inicializa();
    void finaliza();
    void reinicia();
    void setMusica(int musica);
    void pauseMusica();
    void resumeMusica();

    void setNumAudio(int audio) { numAudio = audio; }
    int getNumAudio() const { return numAudio; }
    void tocaAudio();

    // The file of sound id 1 to 10, relative to the game's folder; null for
    // any other id.
    static const char* getArquivo(int id);

    // What was actually handed to the mixer, for the tests and diagnostics.
    Mix_Chunk* getEfeito(int id) const;
    Mix_Music* getMusicaCarregada(int id) const;
    int getUltimoEfeito() const { return ultimoEfeito; }
    int getEfeitosTocados() const { return efeitosTocados; }
    // Tune started by the last switch (9 or 10), 0 when it started none.
    int getMusica() const { return musica; }
    int getMusicaInicios() const { return musicaInicios; }

private:
    Mix_Chunk** efeito(int id);
    void trocaMusica(int id, Mix_Music* tune);

    std::atomic<int> numAudio;
    Mix_Music* musicaAbertura;
    Mix_Music* musicaJogo;
    Mix_Chunk* jogadorMoveuAudio;
    Mix_Chunk* compMoveuAudio;
    Mix_Chunk* capturaAudio;
    Mix_Chunk* xequeAudio;
    Mix_Chunk* perdeuAudio;
    Mix_Chunk* venceuAudio;
    Mix_Chunk* empatouAudio;
    Mix_Chunk* beepAudio;

    bool aberto;
    std::atomic<int> ultimoEfeito;
    std::atomic<int> efeitosTocados;
    int musica;
    int musicaInicios;
};

#endif
