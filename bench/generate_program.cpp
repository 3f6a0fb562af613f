// Writes a generated lathe program of N blocks: generate-program N FILE
#include "bench/program_generator.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: generate-program BLOCKS FILE\n";
        return 2;
    }
    std::ofstream(argv[2], std::ios::binary)
        << trazor::bench::GenerateLatheProgram(std::strtoull(argv[1], nullptr, 10));
    return 0;
}
