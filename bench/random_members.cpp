// zorsteel_random_members ROWS FILE [SEED]: writes a member file of about
// ROWS random members of every shape family (four load combinations each) for
// timing zorsteel check, from the catalogue beside the executable.
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "RandomMembers.h"

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: zorsteel_random_members ROWS FILE [SEED]\n");
        return 3;
    }
    std::ofstream file(argv[2], std::ios::binary);
    const unsigned long long seed = argc == 4 ? std::strtoull(argv[3], nullptr, 10) : 1;
    if (!file || !WriteRandomMembers(file, std::strtoull(argv[1], nullptr, 10), seed)) {
        std::fprintf(stderr, "zorsteel_random_members: cannot write %s (is aisc14u.tbl beside the executable?)\n", argv[2]);
        return 4;
    }
    return 0;
}
