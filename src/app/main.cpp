// The program has its own main, which SDL must not rename (it does on Windows).
#define SDL_MAIN_HANDLED
#include <SDL.h>
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/PastaRecursos.h"
#include "app/Sistema.h"

// Built in SDL_main once the game's folder is found: the information panel
// loads its pictures in its constructor, by paths relative to that folder.
Sistema* sistema = nullptr;

namespace {

const char* const USO = "usage: xadrez [--help | --version]";
// The rest of --help: how the sides are set and the keys.
const char* const AJUDA =
    "\n"
    "On the opening screen \"Brancas:\" and \"Pretas:\" set each side's level: Humano, moved\n"
    "by hand, or one of the computer's. Either side may be human, or both (two players at\n"
    "one machine), or neither (the computer plays itself). A human black sees the board\n"
    "from its side. A pawn on the last rank asks for Dama, Cavalo, Torre or Bispo.\n"
    "\n"
    "Keys on the board:\n"
    "  arrows             move the cursor (a violet frame) one square on the screen\n"
    "  Space              acts on the cursor's square as a click\n"
    "  Backspace, Ctrl+Z  takes back the last move of a human side (and the answer to it)\n"
    "  G                  turns the board round\n"
    "  H                  a hint: Perito's move for the side to move, shown, not played\n"
    "  Return             pauses and resumes\n"
    "  Escape             abandons the game\n"
    "  M                  music off and on\n"
    "  L                  shows and hides the list of the game's moves\n"
    "  Ctrl+C             copies the game as PGN, a finished one too\n"
    "  Ctrl+V             plays the FEN or PGN pasted, here or on the opening screen\n"
    "In the promotion box the arrows choose, Space or Return picks, Escape closes it.\n"
    "Mouse and touch: buttons right of the board take back, turn it, give a hint,\n"
    "show the list, copy and paste.\n";

// A fatal error: one line on standard error and, on Windows, where nobody
// sees the standard error of a windowed program, a message box too.
void mostraFalha(const std::string& motivo, bool jaEscrita) {
    if (!jaEscrita) std::fprintf(stderr, "xadrez: %s\n", motivo.c_str());
#ifdef _WIN32
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Jogo de Xadrez", motivo.c_str(), nullptr);
#endif
}

// The exit status for a command line that is not a plain start, or -1 to play.
int trataOpcoes(int argc, char** argv) {
    if (argc < 2) return -1;
    std::string opcao = argv[1];
    bool conhecida = opcao == "--help" || opcao == "--version";
    if (argc == 2 && opcao == "--help") {
        std::printf("%s: the chess game Jogo de Xadrez, played with the mouse, a finger or the keyboard (see xadrez(6))\n%s", USO, AJUDA);
        return 0;
    }
    if (argc == 2 && opcao == "--version") {
        std::printf("xadrez %s\n", XADREZ_VERSAO);
        return 0;
    }
    const char* estranho = conhecida ? argv[2] : argv[1];
    std::fprintf(stderr, "xadrez: %s '%s'; %s\n",
                 estranho[0] == '-' ? "unknown option" : "unexpected argument", estranho, USO);
    return 2;
}

#ifndef __EMSCRIPTEN__
// Changes into the folder that holds the game's files; false, with one line
// naming the folders tried, when none does.
bool entraNaPastaDosRecursos() {
    PastaRecursos recursos(PastaRecursos::pastaDoExecutavel(), XADREZ_DADOS_RELATIVO);
    std::string pasta = recursos.localiza();
    std::error_code erro;
    if (!pasta.empty()) {
        std::filesystem::current_path(std::filesystem::u8path(pasta), erro);
        if (erro) mostraFalha("cannot enter " + pasta + ": " + erro.message(), false);
        return !erro;
    }
    std::string tentadas;
    for (const std::string& p : recursos.getCandidatas()) {
        tentadas += (tentadas.empty() ? "" : ", ") + p;
    }
    mostraFalha("the game's pictures and sounds (img/, audio/) are in none of: " + tentadas, false);
    return false;
}
#endif

}  // namespace

#ifdef __EMSCRIPTEN__
// The page's sounds follow its opening screen; it calls this once they are
// in place, while the game's only thread is yielded to the browser (between
// two passes of the window), when nothing holds the game's lock.
extern "C" EMSCRIPTEN_KEEPALIVE void xadrez_sons_chegaram() {
    if (sistema != nullptr && !sistema->getGUI()->isFinalizado()) {
        sistema->carregaSons();
    }
}
#endif

int execJogo(void* arg) {
    sistema->execJogo(arg);
    return 0;
}

int SDL_main(int argc, char** argv) {
    SDL_SetMainReady();
    int status = trataOpcoes(argc, argv);
    if (status >= 0) return status;
#ifndef __EMSCRIPTEN__
    // In a browser the page packs the files where the game starts.
    if (!entraNaPastaDosRecursos()) return 1;
#endif

    sistema = new Sistema();
#ifdef __EMSCRIPTEN__
    // A page has one thread: the window loop runs the tick itself.
    SDL_Thread* jogo = nullptr;
#else
    static char nome[] = "Thread 0";
    SDL_Thread* jogo = SDL_CreateThread(execJogo, "jogo", nome);
#endif
    sistema->execGUI();
    if (jogo != nullptr) {
        SDL_WaitThread(jogo, nullptr);
    }
    if (!sistema->getGUI()->isFalhou()) return 0;
    mostraFalha(sistema->getGUI()->getMotivoFalha(), true);
    return 1;
}

int main(int argc, char** argv) { return SDL_main(argc, argv); }
