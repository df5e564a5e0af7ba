#include "platform/standard_output.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace k7r::platform {
namespace {

constexpr int kOutputDescriptor = 1;
constexpr int kErrorDescriptor = 2;
constexpr std::size_t kRelayBufferSize = 4096;

// Whether standard error was a console before the relay took its place.
bool errorOnConsole = false;

bool IsConsole(int descriptor) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode) != 0;
}

// How many bytes at the start of text are whole UTF-8 characters: one cut
// by the end of a read waits for its remaining bytes.
std::size_t WholeCharacters(std::string_view text) {
    // A character is at most four bytes: its lead byte lies at most three
    // continuation bytes back.
    for (std::size_t back = 1; back <= 4 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80) {
            continue;
        }
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? text.size() - back : text.size();
    }
    return text.size();
}

void WriteToConsole(HANDLE console, std::string_view text) {
    const std::wstring wide = Widen(text);
    std::size_t done = 0;
    while (done < wide.size()) {
        DWORD written = 0;
        if (!::WriteConsoleW(console, wide.data() + done, static_cast<DWORD>(wide.size() - done),
                             &written, nullptr) ||
            written == 0) {
            return;
        }
        done += written;
    }
}

// Until every writer has closed the pipe.
void RelayToConsole(HANDLE pipe, HANDLE console) {
    std::string pending;
    char buffer[kRelayBufferSize];
    DWORD got = 0;
    while (::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        pending.append(buffer, got);
        const std::size_t whole = WholeCharacters(pending);
        WriteToConsole(console, std::string_view(pending).substr(0, whole));
        pending.erase(0, whole);
    }
    WriteToConsole(console, pending);
}

} // namespace

void UseBinaryStandardOutput() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

// The C runtime writes bytes to a console in the console's code page. The
// descriptors that lead to a console are turned to one pipe instead, in
// the order the program writes them, and a thread hands what arrives to
// the console in UTF-16.
struct ConsoleText::Relay {
    HANDLE pipe = nullptr;
    std::thread thread;
    // Each relayed descriptor with a copy of its console descriptor.
    std::vector<std::pair<int, int>> saved;
};

ConsoleText::ConsoleText() {
    errorOnConsole = IsConsole(kErrorDescriptor);
    std::vector<int> consoles;
    for (const int descriptor : {kOutputDescriptor, kErrorDescriptor}) {
        if (IsConsole(descriptor)) {
            consoles.push_back(descriptor);
        }
    }
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (consoles.empty() || !::CreatePipe(&readEnd, &writeEnd, nullptr, 0)) {
        return;
    }
    const int writer = _open_osfhandle(reinterpret_cast<intptr_t>(writeEnd), _O_WRONLY | _O_TEXT);
    if (writer < 0) {
        ::CloseHandle(readEnd);
        ::CloseHandle(writeEnd);
        return;
    }
    relay_ = std::make_unique<Relay>();
    relay_->pipe = readEnd;
    std::fflush(stdout);
    std::fflush(stderr);
    for (const int descriptor : consoles) {
        relay_->saved.emplace_back(descriptor, _dup(descriptor));
        _dup2(writer, descriptor);
    }
    _close(writer);
    // A console showed each write at once; so does the pipe, which also
    // keeps standard output and standard error in the order written.
    if (consoles.front() == kOutputDescriptor) {
        std::setvbuf(stdout, nullptr, _IONBF, 0);
    }
    const auto console = reinterpret_cast<HANDLE>(_get_osfhandle(relay_->saved.front().second));
    relay_->thread = std::thread(RelayToConsole, readEnd, console);
}

ConsoleText::~ConsoleText() {
    if (!relay_) {
        return;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    // Putting the consoles back closes the pipe's last writers: the relay
    // writes out what is left and ends.
    for (const auto& [descriptor, copy] : relay_->saved) {
        _dup2(copy, descriptor);
        _close(copy);
    }
    relay_->thread.join();
    ::CloseHandle(relay_->pipe);
}

bool StandardErrorIsTerminal() {
    return errorOnConsole || _isatty(_fileno(stderr)) != 0;
}

} // namespace k7r::platform
