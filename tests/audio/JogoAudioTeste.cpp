#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <SDL.h>
#include <SDL_mixer.h>

#include "audio/JogoAudio.h"
#include "gui/JogoDriver.h"
#include "jogo/Jogo.h"

namespace {

const char* const EFEITOS[8] = {"jogador-moveu", "comp-moveu", "captura", "xeque",
                                "perdeu",        "venceu",     "empatou", "beep"};

// Every effect gets its own length, so a loaded chunk tells which file it came from.
int quadrosDoEfeito(int id) { return 3 * 22050 + id * 441; }

void poe16(std::string& s, unsigned v) {
    s += static_cast<char>(v & 0xff);
    s += static_cast<char>((v >> 8) & 0xff);
}
void poe32(std::string& s, unsigned v) {
    poe16(s, v & 0xffff);
    poe16(s, v >> 16);
}
void poe32be(std::string& s, unsigned v) {
    for (int i = 3; i >= 0; i--) s += static_cast<char>((v >> (8 * i)) & 0xff);
}

// 16-bit mono PCM at the mixer's rate: a quiet square wave.
std::string wav(int quadros) {
    std::string dados;
    for (int i = 0; i < quadros; i++) poe16(dados, (i / 50) % 2 ? 0x0400 : 0xfc00);
    std::string s = "RIFF";
    poe32(s, 36 + static_cast<unsigned>(dados.size()));
    s += "WAVEfmt ";
    poe32(s, 16);
    poe16(s, 1);
    poe16(s, 1);
    poe32(s, 22050);
    poe32(s, 22050 * 2);
    poe16(s, 2);
    poe16(s, 16);
    s += "data";
    poe32(s, static_cast<unsigned>(dados.size()));
    return s + dados;
}

// One track, one long note.
std::string midi(int nota) {
    std::string faixa;
    faixa += std::string("\x00\xc0\x00", 3);
    faixa += std::string("\x00\x90", 2) + static_cast<char>(nota) + '\x40';
    faixa += std::string("\x83\x60\x80", 3) + static_cast<char>(nota) + '\x00';
    faixa += std::string("\x00\xff\x2f\x00", 4);
    std::string s = "MThd";
    poe32be(s, 6);
    s += std::string("\x00\x00\x00\x01\x00\x60", 6);
    s += "MTrk";
    poe32be(s, static_cast<unsigned>(faixa.size()));
    return s + faixa;
}

void grava(const std::string& caminho, const std::string& conteudo) {
    std::ofstream f(caminho, std::ios::binary);
    f << conteudo;
}

// A scratch working directory with an audio/ folder; the game's relative
// paths then resolve into it.
class PastaAudio {
public:
    PastaAudio() {
        char modelo[] = "/tmp/xadrez-audio-XXXXXX";
        raiz = mkdtemp(modelo);
        char buf[4096];
        anterior = getcwd(buf, sizeof buf) ? buf : ".";
        std::string pasta = raiz + "/audio";
        mkdir(pasta.c_str(), 0700);
    }
    ~PastaAudio() {
        if (chdir(anterior.c_str()) != 0) std::perror("chdir");
        for (const std::string& a : arquivos) std::remove(a.c_str());
        std::remove((raiz + "/audio").c_str());
        std::remove(raiz.c_str());
    }
    void poe(const std::string& nome, const std::string& conteudo) {
        std::string caminho = raiz + "/audio/" + nome;
        grava(caminho, conteudo);
        arquivos.push_back(caminho);
    }
    void poeTudo() {
        for (int id = 1; id <= 8; id++) poe(std::string(EFEITOS[id - 1]) + ".wav", wav(quadrosDoEfeito(id)));
        poe("abertura-fundo.mid", midi(60));
        poe("jogo-fundo.mid", midi(67));
    }
    void entra() { ASSERT_EQ(0, chdir(raiz.c_str())); }
    const std::string& getRaiz() const { return raiz; }

private:
    std::string raiz;
    std::string anterior;
    std::vector<std::string> arquivos;
};

std::atomic<int> musicasParadas{0};
void musicaParou() { musicasParadas++; }

// The channel playing, or -1; the tests halt every channel between checks.
int canalTocando() {
    for (int c = 0; c < Mix_AllocateChannels(-1); c++) {
        if (Mix_Playing(c)) return c;
    }
    return -1;
}

int contaOcorrencias(const std::string& texto, const std::string& parte) {
    int n = 0;
    for (size_t p = texto.find(parte); p != std::string::npos; p = texto.find(parte, p + 1)) n++;
    return n;
}

class MixerTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO)) << SDL_GetError();
        if (SDL_getenv("SDL_SOUNDFONTS") == nullptr) Mix_SetSoundFonts("/usr/share/sounds/sf2/TimGM6mb.sf2");
        Mix_Init(MIX_INIT_MID);
        ASSERT_EQ(0, Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024)) << Mix_GetError();
        musicasParadas = 0;
        Mix_HookMusicFinished(musicaParou);
    }
    void TearDown() override {
        Mix_HookMusicFinished(nullptr);
        audio.finaliza();
        Mix_CloseAudio();
        Mix_Quit();
        SDL_Quit();
    }

    // Loads the scratch folder's files, capturing what is said on stderr.
    std::string inicializaEm(PastaAudio& pasta) {
        pasta.entra();
        testing::internal::CaptureStderr();
        audio.inicializa();
        return testing::internal::GetCapturedStderr();
    }

    JogoAudio audio;
};

TEST(JogoAudioCriacao, TudoZeradoAoNascer) {
    JogoAudio audio;
    EXPECT_EQ(0, audio.getNumAudio());
    for (int id = 1; id <= 8; id++) EXPECT_EQ(nullptr, audio.getEfeito(id));
    EXPECT_EQ(nullptr, audio.getMusicaCarregada(9));
    EXPECT_EQ(nullptr, audio.getMusicaCarregada(10));
    EXPECT_EQ(0, audio.getMusica());
    EXPECT_EQ(0, audio.getMusicaInicios());
    EXPECT_EQ(0, audio.getUltimoEfeito());
}

TEST(JogoAudioSemMixer, InicializaSemMixerNaoCarregaNadaNemFalha) {
    PastaAudio pasta;
    pasta.poeTudo();
    pasta.entra();
    ASSERT_EQ(0, SDL_Init(0));
    JogoAudio audio;
    testing::internal::CaptureStderr();
    audio.inicializa();
    audio.reinicia();
    audio.setMusica(10);
    audio.pauseMusica();
    audio.resumeMusica();
    audio.setNumAudio(3);
    audio.tocaAudio();
    std::string saida = testing::internal::GetCapturedStderr();
    EXPECT_EQ("", saida) << "the window already reports a missing device";
    for (int id = 1; id <= 8; id++) EXPECT_EQ(nullptr, audio.getEfeito(id));
    EXPECT_EQ(nullptr, audio.getMusicaCarregada(9));
    EXPECT_EQ(0, audio.getMusicaInicios());
    EXPECT_EQ(0, audio.getMusica());
    EXPECT_EQ(0, audio.getEfeitosTocados());
    EXPECT_EQ(0, audio.getNumAudio());
    EXPECT_FALSE(Mix_PlayingMusic());
    audio.finaliza();
    audio.finaliza();
    SDL_Quit();
}

TEST_F(MixerTeste, CadaIdTocaOSeuArquivo) {
    PastaAudio pasta;
    pasta.poeTudo();
    std::string saida = inicializaEm(pasta);
    EXPECT_EQ(0, contaOcorrencias(saida, "xadrez: cannot load")) << saida;

    int freq = 0, canais = 0;
    Uint16 formato = 0;
    ASSERT_NE(0, Mix_QuerySpec(&freq, &formato, &canais));
    ASSERT_EQ(22050, freq);
    const Uint32 bytesPorQuadro = static_cast<Uint32>(canais) * SDL_AUDIO_BITSIZE(formato) / 8;

    for (int id = 1; id <= 8; id++) {
        Mix_Chunk* efeito = audio.getEfeito(id);
        ASSERT_NE(nullptr, efeito) << id;
        EXPECT_EQ(quadrosDoEfeito(id) * bytesPorQuadro, efeito->alen) << "id " << id << " loads its own file";

        audio.setNumAudio(id);
        EXPECT_EQ(id, audio.getNumAudio()) << "nothing is played before the tick";
        EXPECT_EQ(-1, canalTocando());
        audio.tocaAudio();
        EXPECT_EQ(0, audio.getNumAudio());
        int canal = canalTocando();
        ASSERT_NE(-1, canal) << id;
        EXPECT_EQ(efeito, Mix_GetChunk(canal));
        EXPECT_EQ(1, Mix_Playing(-1));
        EXPECT_EQ(id, audio.getUltimoEfeito());
        Mix_HaltChannel(-1);
    }
    EXPECT_EQ(8, audio.getEfeitosTocados());
}

TEST_F(MixerTeste, IdForaDeUmAOitoNaoTocaNadaELimpa) {
    PastaAudio pasta;
    pasta.poeTudo();
    inicializaEm(pasta);
    for (int id : {0, -1, 9, 10, 11, 1000}) {
        audio.setNumAudio(id);
        audio.tocaAudio();
        EXPECT_EQ(0, audio.getNumAudio()) << id;
        EXPECT_EQ(0, Mix_Playing(-1)) << id;
    }
    EXPECT_EQ(0, audio.getEfeitosTocados());
    EXPECT_EQ(0, audio.getUltimoEfeito());
    // Ids 9 and 10 are tunes, but the pending slot never switches music.
    EXPECT_EQ(9, audio.getMusica());
    EXPECT_EQ(1, audio.getMusicaInicios());

    // An empty slot plays nothing either.
    audio.tocaAudio();
    EXPECT_EQ(0, Mix_Playing(-1));
}

TEST_F(MixerTeste, OUltimoIdAntesDoTickVence) {
    PastaAudio pasta;
    pasta.poeTudo();
    inicializaEm(pasta);
    // A capture that gives check: only the check alert is heard.
    audio.setNumAudio(3);
    audio.setNumAudio(4);
    audio.tocaAudio();
    EXPECT_EQ(1, Mix_Playing(-1));
    int canal = canalTocando();
    ASSERT_NE(-1, canal);
    EXPECT_EQ(audio.getEfeito(4), Mix_GetChunk(canal));
    EXPECT_EQ(1, audio.getEfeitosTocados());
    EXPECT_EQ(4, audio.getUltimoEfeito());

    // The slot was cleared: the next tick is silent.
    Mix_HaltChannel(-1);
    audio.tocaAudio();
    EXPECT_EQ(0, Mix_Playing(-1));
    EXPECT_EQ(1, audio.getEfeitosTocados());
}

TEST_F(MixerTeste, SetMusicaReiniciaSoComNoveOuDez) {
    PastaAudio pasta;
    pasta.poeTudo();
    inicializaEm(pasta);
    ASSERT_NE(nullptr, audio.getMusicaCarregada(9));
    ASSERT_NE(nullptr, audio.getMusicaCarregada(10));
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(9, audio.getMusica());
    EXPECT_EQ(1, audio.getMusicaInicios());
    EXPECT_EQ(0, musicasParadas) << "nothing played before the opening tune";

    // Start-up restarts the opening tune right away.
    audio.reinicia();
    EXPECT_EQ(9, audio.getMusica());
    EXPECT_EQ(2, audio.getMusicaInicios());
    EXPECT_EQ(1, musicasParadas);

    audio.setMusica(10);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(10, audio.getMusica());
    EXPECT_EQ(3, audio.getMusicaInicios());
    EXPECT_EQ(2, musicasParadas);

    // The same tune again starts over.
    audio.setMusica(10);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(10, audio.getMusica());
    EXPECT_EQ(4, audio.getMusicaInicios());
    EXPECT_EQ(3, musicasParadas);

    for (int outro : {0, 1, 8, 11, -9}) {
        audio.setMusica(outro);
        EXPECT_TRUE(Mix_PlayingMusic()) << outro;
        EXPECT_EQ(10, audio.getMusica()) << outro;
        EXPECT_EQ(4, audio.getMusicaInicios()) << outro;
        EXPECT_EQ(3, musicasParadas) << outro;
    }

    audio.setMusica(9);
    EXPECT_EQ(9, audio.getMusica());
    EXPECT_EQ(5, audio.getMusicaInicios());
    EXPECT_EQ(4, musicasParadas);
}

TEST_F(MixerTeste, PausaERetomaSoAMusica) {
    PastaAudio pasta;
    pasta.poeTudo();
    inicializaEm(pasta);
    audio.setMusica(10);
    audio.pauseMusica();
    EXPECT_TRUE(Mix_PausedMusic());
    // A value other than 9 or 10 does not end the pause either.
    audio.setMusica(3);
    EXPECT_TRUE(Mix_PausedMusic());
    audio.resumeMusica();
    EXPECT_FALSE(Mix_PausedMusic());
    EXPECT_TRUE(Mix_PlayingMusic());

    // A new game restarts the opening tune, which ends a paused state.
    audio.pauseMusica();
    int inicios = audio.getMusicaInicios();
    audio.reinicia();
    EXPECT_FALSE(Mix_PausedMusic());
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(9, audio.getMusica());
    EXPECT_EQ(inicios + 1, audio.getMusicaInicios());
}

TEST_F(MixerTeste, EfeitosTocamComOSomDoJogoDesligado) {
    class Driver : public JogoDriver {
    public:
        int getTelaLargura() override { return 640; }
        int getTelaAltura() override { return 640; }
        double getFatorCelulaDIM() override { return 0.1; }
        int getInfoPainelAltura() override { return 0; }
    } driver;
    Jogo jogo(&driver);
    jogo.reinicia();

    PastaAudio pasta;
    pasta.poeTudo();
    inicializaEm(pasta);
    audio.setMusica(10);

    // What the sound button does when switched off.
    jogo.setAudioLigado(false);
    audio.pauseMusica();
    ASSERT_TRUE(Mix_PausedMusic());

    audio.setNumAudio(3);
    audio.tocaAudio();
    int canal = canalTocando();
    ASSERT_NE(-1, canal) << "a capture is still heard";
    EXPECT_EQ(audio.getEfeito(3), Mix_GetChunk(canal));
    EXPECT_FALSE(Mix_Paused(canal));
    EXPECT_TRUE(Mix_PausedMusic()) << "the effect leaves the music paused";
    EXPECT_FALSE(jogo.isAudioLigado());

    // A tune switched to while the flag is off plays too.
    Mix_HaltChannel(-1);
    audio.setMusica(9);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_FALSE(Mix_PausedMusic());
}

TEST_F(MixerTeste, ArquivoAusenteOuIlegivelNaoDerrubaEAvisaUmaVez) {
    PastaAudio pasta;
    for (int id = 1; id <= 8; id++) {
        if (id == 3) continue;  // missing
        std::string nome = std::string(EFEITOS[id - 1]) + ".wav";
        pasta.poe(nome, id == 4 ? std::string("not a sound file at all") : wav(quadrosDoEfeito(id)));
    }
    // The opening tune is empty: the mixer would take it, then restart it
    // without end in its audio thread.
    pasta.poe("abertura-fundo.mid", "");
    pasta.poe("jogo-fundo.mid", midi(67));

    std::string saida = inicializaEm(pasta);
    // Named within their folder.
    std::string pastaAudio = "xadrez: cannot load " + pasta.getRaiz() + "/audio/";
    EXPECT_EQ(1, contaOcorrencias(saida, pastaAudio + "captura.wav: ")) << saida;
    EXPECT_EQ(1, contaOcorrencias(saida, pastaAudio + "xeque.wav: ")) << saida;
    EXPECT_EQ(1, contaOcorrencias(saida, pastaAudio + "abertura-fundo.mid: the file is empty")) << saida;
    EXPECT_EQ(3, contaOcorrencias(saida, "xadrez: cannot load ")) << saida;
    EXPECT_EQ(nullptr, audio.getEfeito(3));
    EXPECT_EQ(nullptr, audio.getEfeito(4));
    EXPECT_NE(nullptr, audio.getEfeito(5));
    EXPECT_EQ(nullptr, audio.getMusicaCarregada(9));
    EXPECT_FALSE(Mix_PlayingMusic()) << "no opening tune to start";
    EXPECT_EQ(0, audio.getMusica());

    testing::internal::CaptureStderr();
    for (int id : {3, 4}) {
        audio.setNumAudio(id);
        audio.tocaAudio();
        EXPECT_EQ(0, audio.getNumAudio()) << id;
        EXPECT_EQ(0, Mix_Playing(-1)) << id;
    }
    audio.reinicia();
    EXPECT_EQ("", testing::internal::GetCapturedStderr()) << "reported once, at loading";
    EXPECT_EQ(0, audio.getEfeitosTocados());

    // What did load still plays.
    audio.setNumAudio(5);
    audio.tocaAudio();
    EXPECT_EQ(1, Mix_Playing(-1));
    audio.setMusica(10);
    EXPECT_TRUE(Mix_PlayingMusic());
    // Back to the opening tune that did not load: the game tune stops, nothing starts.
    audio.setMusica(9);
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_EQ(0, audio.getMusica());
}

TEST_F(MixerTeste, FinalizaLiberaTudoEPodeRecomecar) {
    PastaAudio pasta;
    pasta.poeTudo();
    inicializaEm(pasta);
    audio.setNumAudio(1);
    audio.tocaAudio();
    ASSERT_EQ(1, Mix_Playing(-1));
    audio.finaliza();
    EXPECT_EQ(0, Mix_Playing(-1)) << "a freed effect stops playing";
    EXPECT_FALSE(Mix_PlayingMusic());
    for (int id = 1; id <= 8; id++) EXPECT_EQ(nullptr, audio.getEfeito(id));
    audio.setNumAudio(1);
    audio.tocaAudio();
    EXPECT_EQ(0, audio.getNumAudio());
    EXPECT_EQ(0, Mix_Playing(-1));

    // Loading twice neither leaks nor doubles the music.
    audio.inicializa();
    audio.inicializa();
    EXPECT_NE(nullptr, audio.getEfeito(8));
    EXPECT_TRUE(Mix_PlayingMusic());
}

TEST_F(MixerTeste, ArquivosDoJogoCarregamETocam) {
    // The tests run where the build puts the game's own files.
    for (int id = 1; id <= 8; id++) {
        std::string caminho = std::string("audio/") + EFEITOS[id - 1] + ".wav";
        if (access(caminho.c_str(), R_OK) != 0) GTEST_SKIP() << caminho << " not generated yet";
    }
    for (const char* m : {"audio/abertura-fundo.mid", "audio/jogo-fundo.mid"}) {
        if (access(m, R_OK) != 0) GTEST_SKIP() << m << " not generated yet";
    }
    testing::internal::CaptureStderr();
    audio.inicializa();
    std::string saida = testing::internal::GetCapturedStderr();
    EXPECT_EQ(0, contaOcorrencias(saida, "xadrez: cannot load")) << saida;
    for (int id = 1; id <= 8; id++) {
        ASSERT_NE(nullptr, audio.getEfeito(id)) << id;
        audio.setNumAudio(id);
        audio.tocaAudio();
        EXPECT_EQ(id, audio.getUltimoEfeito());
    }
    EXPECT_EQ(8, audio.getEfeitosTocados());
    EXPECT_GE(Mix_Playing(-1), 1);
    EXPECT_TRUE(Mix_PlayingMusic());
    audio.setMusica(10);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(10, audio.getMusica());
}

}  // namespace
