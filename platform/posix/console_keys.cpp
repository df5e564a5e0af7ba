#include "platform/console_keys.h"

#include <cerrno>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

namespace k7r::platform {

namespace {

// The terminal's mode before we changed it, for the signal handler too.
termios savedMode;
volatile sig_atomic_t modeChanged = 0;

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void RestoreMode() {
    if (modeChanged) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedMode);
        modeChanged = 0;
    }
}

// Puts the terminal back, then lets the signal end the program as usual.
void RestoreAndReraise(int signal) {
    RestoreMode();
    ::signal(signal, SIG_DFL);
    raise(signal);
}

std::optional<unsigned char> ReadByte() {
    unsigned char byte = 0;
    for (;;) {
        ssize_t n = read(STDIN_FILENO, &byte, 1);
        if (n == 1) {
            return byte;
        }
        if (n == 0 || errno != EINTR) {
            return std::nullopt;
        }
    }
}

// Whether another byte arrives at once: the rest of an escape sequence
// follows its ESC within a few milliseconds; a lone Esc press does not.
bool ByteFollows() {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return poll(&input, 1, 30) == 1;
}

} // namespace

ConsoleKeys::ConsoleKeys() {
    if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &savedMode) != 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = RestoreAndReraise;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals) {
        sigaction(signal, &action, nullptr);
    }
    termios raw = savedMode;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    modeChanged = 1;
    if (tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw) != 0) {
        modeChanged = 0;
    }
}

ConsoleKeys::~ConsoleKeys() {
    RestoreMode();
    for (int signal : kSignals) {
        ::signal(signal, SIG_DFL);
    }
}

std::optional<int> ConsoleKeys::Read() {
    std::optional<unsigned char> byte = ReadByte();
    if (!byte || *byte != 27 || !modeChanged || !ByteFollows()) {
        return byte;
    }
    // ESC [ or ESC O, parameters, then a final byte from 40h to 7Eh.
    std::optional<unsigned char> next = ReadByte();
    if (next && (*next == '[' || *next == 'O')) {
        do {
            next = ReadByte();
        } while (next && (*next < 0x40 || *next > 0x7E));
    }
    return kExtendedKey;
}

} // namespace k7r::platform
