#ifndef GUI_GUI_H
#define GUI_GUI_H

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>

#include <SDL.h>
#include <SDL_ttf.h>

class GUI_Driver;
class GUI_Listener;
class AberturaGraficoListener;
class JogoGraficoListener;
class Grafico;

// Owns the window and the SDL libraries; runs the main thread's event loop
// and the game thread's tick loop.
class GUI {
public:
    static constexpr int TELA_ABERTURA = 1;
    static constexpr int TELA_JOGO = 2;
    static constexpr int CURSOR_SETA = 1;
    static constexpr int CURSOR_MAO = 2;
    // Key codes handed to the screens' listeners.
    static constexpr int TECLA_ESC = 1;
    static constexpr int TECLA_ENTER = 2;
    static constexpr int TECLA_ESPACO = 3;
    static constexpr int TECLA_CIMA = 4;
    static constexpr int TECLA_BAIXO = 5;
    static constexpr int TECLA_ESQUERDA = 6;
    static constexpr int TECLA_DIREITA = 7;
    static constexpr int TECLA_TAB = 8;
    static constexpr int TECLA_TAB_VOLTA = 9;  // Shift+Tab
    static constexpr int TECLA_M = 10;
    static constexpr int TECLA_DESFAZER = 11;  // Backspace, Ctrl+Z
    static constexpr int TECLA_G = 12;
    static constexpr int TECLA_L = 20;
    static constexpr int TECLA_COPIAR = 21;  // Ctrl+C
    static constexpr int TECLA_COLAR = 22;   // Ctrl+V
    static constexpr int TECLA_H = 23;  // a hint

    explicit GUI(GUI_Driver* driver);

    void execGUI(std::string titulo, int largura, int altura);
    void execJogo(void* arg);

    void reinicia();
    void repinta();
    void setGraficoTipo(int tipo);
    int getGraficoTipo() const;
    void setCursorTipo(int tipo);
    // The last cursor type set (1 arrow, 2 hand).
    int getCursorTipo() const { return cursorTipo; }
    void carregaTelaDIM(int* largura, int* altura);

    void setAberturaGrafico(Grafico* grafico);
    void setJogoGrafico(Grafico* grafico);
    void setGUIListener(GUI_Listener* listener);
    void setAberturaGraficoListener(AberturaGraficoListener* listener);
    void setJogoGraficoListener(JogoGraficoListener* listener);

    SDL_Surface* getTela();
    SDL_Renderer* getRenderer();
    TTF_Font* getFonte();
    TTF_Font* getInfoFonte();
    // The board's coordinates: "arial.ttf" at 12 points.
    TTF_Font* getCoordenadaFonte();

    // True once the window has been closed (or could not be opened).
    bool isFinalizado() const;
    // True when the window could not be opened; the run then ends at once.
    bool isFalhou() const;
    // Why, in the words of the line written on standard error; read by the
    // main thread once the window's loop has returned.
    const std::string& getMotivoFalha() const { return motivoFalha; }

    // Frames drawn since the window opened.
    long getQuadros() const { return quadros; }

    // Sleeps up to ms milliseconds, waking early once the window is closed,
    // so a long wait on the game thread never delays the shutdown. In a page,
    // which has one thread, the window's passes go on during the wait.
    void espera(long ms);

private:
    // One pass of the window: draw if asked, then hand out the queued events.
    void passo();
    void despacha(const SDL_Event& evento);
    bool inicializaBibliotecas(const std::string& titulo, int largura, int altura);
    void falha(const char* oque);
    void encerraLoops();
    void aguardaJogo();
    void liberaBibliotecas();

    int periodo;
    SDL_Window* janela;
    SDL_Surface* tela;
    SDL_Renderer* renderer;
    SDL_Cursor* cursorSeta;
    SDL_Cursor* cursorMao;
    GUI_Listener* guiListener;
    AberturaGraficoListener* aberturaGraficoListener;
    JogoGraficoListener* jogoGraficoListener;
    Grafico* aberturaGrafico;
    Grafico* jogoGrafico;
    std::atomic<int> graficoTipo;
    TTF_Font* fonte;
    TTF_Font* infoFonte;
    TTF_Font* coordenadaFonte;
    GUI_Driver* driver;
    std::atomic<bool> finalizado;
    std::atomic<bool> repintar;
    std::atomic<long> quadros;

    // The game thread reads the window size; it is cached here on the main thread.
    std::atomic<int> larguraJanela;
    std::atomic<int> alturaJanela;
    std::atomic<bool> falhou;
    std::string motivoFalha;
    std::atomic<int> cursorTipo;
    bool sdlIniciado;
    bool audioAberto;

    std::mutex esperaMutex;
    std::condition_variable esperaCond;
    bool jogoAtivo;
};

#endif
