// Holds a POSIX record lock on a file, as apt and dpkg lock theirs, until it
// is terminated. Prints "locked" once the lock is held.
// Usage: trava_arquivo FILE
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: trava_arquivo FILE\n");
        return 2;
    }
    int fd = open(argv[1], O_RDWR | O_CREAT, 0640);
    struct flock trava = {};
    trava.l_type = F_WRLCK;
    trava.l_whence = SEEK_SET;
    if (fd < 0 || fcntl(fd, F_SETLKW, &trava) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    std::printf("locked\n");
    std::fflush(stdout);
    for (;;) pause();
}
