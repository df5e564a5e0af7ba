// Writes the command line's manual page into the file named, for the
// install step.
#include "cli/manual_page.h"

#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    std::ofstream page(argv[1], std::ios::binary);
    page << k7r::cli::ManualPage();
    page.close();
    return page ? 0 : 1;
}
