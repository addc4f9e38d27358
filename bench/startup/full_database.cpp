// Writes a full database (63 satellites, 2000 transponders, 4000 channels) for the
// start-up measurement: full_database OUT.sdx
#include <cstdio>

#include "bench/FullDatabase.h"
#include "database/DatabaseFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.sdx\n", argv[0]);
        return 2;
    }
    auto db = velmora::FullDatabase(velmora::Layout::Spread);
    return velmora::SaveDatabaseFile(*db, argv[1]) == velmora::SaveResult::Written ? 0 : 1;
}
