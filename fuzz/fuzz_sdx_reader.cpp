// Feeds arbitrary bytes to the .sdx reader and the after-open steps. The first byte picks
// how the rest is used: as a whole file, or as a header plus a raw payload that is
// compressed here, so the fuzzer also reaches the unpacking with valid streams.

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "database/SdxFile.h"
#include "database/Upkeep.h"

using namespace velmora;

namespace {

std::vector<uint8_t> FileFromPayload(const uint8_t* data, size_t size) {
    std::vector<uint8_t> file(SdxHeader::kSize, 0);
    std::memcpy(file.data(), data, std::min(size, SdxHeader::kSize));
    const uint8_t* payload = data + std::min(size, SdxHeader::kSize);
    const size_t payload_size = size - std::min(size, SdxHeader::kSize);
    uLongf stream = compressBound(static_cast<uLong>(payload_size));
    file.resize(SdxHeader::kSize + stream);
    if (compress(file.data() + SdxHeader::kSize, &stream, payload,
                 static_cast<uLong>(payload_size)) != Z_OK)
        return {};
    file.resize(SdxHeader::kSize + stream);
    StoreU32(file.data() + 56, static_cast<uint32_t>(stream));
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto db = std::make_unique<Database>();
    static auto again = std::make_unique<Database>();
    if (size == 0) return 0;
    std::vector<uint8_t> file = (data[0] & 1) ? FileFromPayload(data + 1, size - 1)
                                              : std::vector<uint8_t>(data + 1, data + size);
    if (!ReadDatabase(*db, file)) return 0;
    UnpackSections(*db);
    RunAfterOpenSteps(*db);

    // Whatever was accepted must save and reopen to the same tables.
    const auto saved = WriteDatabase(*db);
    if (!saved) return 0;
    if (!ReadDatabase(*again, *saved)) __builtin_trap();
    UnpackSections(*again);
    RunAfterOpenSteps(*again);
    if (std::memcmp(db->satellites.data(), again->satellites.data(),
                    size_t(db->sat_count()) * Satellite::kSize) != 0 ||
        std::memcmp(db->transponders.data(), again->transponders.data(),
                    size_t(db->tp_count()) * Transponder::kSize) != 0 ||
        std::memcmp(db->tv.data(), again->tv.data(), size_t(db->tv_count()) * Channel::kSize) !=
            0 ||
        std::memcmp(db->radio.data(), again->radio.data(),
                    size_t(db->radio_count()) * Channel::kSize) != 0)
        __builtin_trap();
    return 0;
}
