#ifndef TESTES_UCI_PROCESSOUCI_H
#define TESTES_UCI_PROCESSOUCI_H

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <vector>

// A child process spoken to through its standard input and output, one
// line at a time, as a chess GUI speaks to an engine. Patience is only a
// guard against a hang: no test reads anything into how long a reply took.
class ProcessoUCI {
public:
    explicit ProcessoUCI(const std::vector<std::string>& comando) {
        // Built before the fork: the child of a threaded test may not allocate.
        std::vector<char*> argv;
        for (const std::string& a : comando) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        // Close-on-exec, so that a second engine does not hold the first's
        // input open.
        int entrada[2], saida[2];
        if (pipe2(entrada, O_CLOEXEC) != 0 || pipe2(saida, O_CLOEXEC) != 0) return;
        pid = fork();
        if (pid == 0) {
            dup2(entrada[0], 0);
            dup2(saida[1], 1);
            close(entrada[0]);
            close(entrada[1]);
            close(saida[0]);
            close(saida[1]);
            execvp(argv[0], argv.data());
            _exit(127);
        }
        close(entrada[0]);
        close(saida[1]);
        paraFilho = entrada[1];
        doFilho = saida[0];
        signal(SIGPIPE, SIG_IGN);
    }

    ~ProcessoUCI() {
        if (pid > 0 && !terminou) {
            kill(pid, SIGKILL);
            fecha();
        }
        if (doFilho >= 0) close(doFilho);
    }

    ProcessoUCI(const ProcessoUCI&) = delete;
    ProcessoUCI& operator=(const ProcessoUCI&) = delete;

    bool isVivo() const { return pid > 0 && doFilho >= 0; }

    void envia(const std::string& linha) { escreveTudo(linha + "\n"); }
    void enviaBytes(const std::string& bytes) { escreveTudo(bytes); }

    // The next line, or false at the end of output or when patience runs out.
    bool leLinha(std::string* linha, int pacienciaMs = 60000) {
        auto fim = std::chrono::steady_clock::now() + std::chrono::milliseconds(pacienciaMs);
        for (;;) {
            std::size_t nl = pendente.find('\n');
            if (nl != std::string::npos) {
                *linha = pendente.substr(0, nl);
                pendente.erase(0, nl + 1);
                lidas.push_back(*linha);
                return true;
            }
            long resta = std::chrono::duration_cast<std::chrono::milliseconds>(fim - std::chrono::steady_clock::now()).count();
            if (resta <= 0 || doFilho < 0) return false;
            pollfd p{doFilho, POLLIN, 0};
            int r = poll(&p, 1, static_cast<int>(resta));
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) return false;
            char buf[4096];
            ssize_t n = read(doFilho, buf, sizeof buf);
            if (n <= 0) return false;
            pendente.append(buf, static_cast<std::size_t>(n));
        }
    }

    // Lines up to and including the first that starts with prefixo; empty
    // when it never came.
    std::vector<std::string> esperaPor(const std::string& prefixo, int pacienciaMs = 60000) {
        std::vector<std::string> linhas;
        std::string l;
        while (leLinha(&l, pacienciaMs)) {
            linhas.push_back(l);
            if (l.compare(0, prefixo.size(), prefixo) == 0) return linhas;
        }
        return {};
    }

    // Closes the child's input and waits for it: its exit status, or -1 if
    // it was killed by a signal.
    int fecha() {
        if (paraFilho >= 0) {
            close(paraFilho);
            paraFilho = -1;
        }
        if (pid <= 0 || terminou) return status;
        int s = 0;
        while (waitpid(pid, &s, 0) < 0 && errno == EINTR) {
        }
        terminou = true;
        status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
        return status;
    }

    // Every line read so far.
    const std::vector<std::string>& getLidas() const { return lidas; }

private:
    void escreveTudo(const std::string& s) {
        std::size_t feito = 0;
        while (paraFilho >= 0 && feito < s.size()) {
            ssize_t n = write(paraFilho, s.data() + feito, s.size() - feito);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return;
            feito += static_cast<std::size_t>(n);
        }
    }

    pid_t pid = -1;
    int paraFilho = -1;
    int doFilho = -1;
    bool terminou = false;
    int status = -1;
    std::string pendente;
    std::vector<std::string> lidas;
};

#endif
