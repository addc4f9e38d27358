#pragma once
// One .sdx reader fuzz input, shared by the fuzz target and the test that replays the
// corpus without libFuzzer. The first byte picks how the rest is used: as a whole file,
// or as a header plus a raw payload that is compressed here, so that the unpacking is
// reached with valid streams too. Whatever the reader accepts must save and reopen to
// the same database.

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "database/SdxFile.h"
#include "database/Upkeep.h"

namespace velmora::fuzzing {

inline std::vector<uint8_t> FileFromPayload(const uint8_t* data, size_t size) {
    const size_t head = std::min(size, SdxHeader::kSize);
    std::vector<uint8_t> file(SdxHeader::kSize, 0);
    std::memcpy(file.data(), data, head);
    uLongf stream = compressBound(static_cast<uLong>(size - head));
    file.resize(SdxHeader::kSize + stream);
    if (compress(file.data() + SdxHeader::kSize, &stream, data + head,
                 static_cast<uLong>(size - head)) != Z_OK)
        return {};
    file.resize(SdxHeader::kSize + stream);
    StoreU32(file.data() + 56, static_cast<uint32_t>(stream));
    return file;
}

inline bool SameBytes(const void* a, const void* b, size_t n) {
    return std::memcmp(a, b, n) == 0;
}

// Runs the input; false when an accepted file does not survive a save and a reopen.
inline bool RunSdxReaderInput(const uint8_t* data, size_t size) {
    static auto db = std::make_unique<Database>();
    static auto again = std::make_unique<Database>();
    if (size == 0) return true;
    const std::vector<uint8_t> file = (data[0] & 1) ? FileFromPayload(data + 1, size - 1)
                                                    : std::vector<uint8_t>(data + 1, data + size);
    if (!ReadDatabase(*db, file)) return true;
    UnpackSections(*db);
    RunAfterOpenSteps(*db);
    if (db->sat_count() > kMaxSatellites || db->tp_count() > kMaxTransponders ||
        db->tv_count() > kMaxChannels || db->radio_count() > kMaxChannels)
        return false;

    const auto saved = WriteDatabase(*db);
    if (!saved) return true;
    if (!ReadDatabase(*again, *saved)) return false;
    UnpackSections(*again);
    RunAfterOpenSteps(*again);
    const Database& a = *db;
    const Database& b = *again;
    return SameBytes(&a.header, &b.header, SdxHeader::kSize) &&
           SameBytes(a.satellites.data(), b.satellites.data(), a.sat_count() * Satellite::kSize) &&
           SameBytes(a.transponders.data(), b.transponders.data(),
                     a.tp_count() * Transponder::kSize) &&
           SameBytes(a.tv.data(), b.tv.data(), a.tv_count() * Channel::kSize) &&
           SameBytes(a.radio.data(), b.radio.data(), a.radio_count() * Channel::kSize) &&
           SameBytes(&a.settings, &b.settings, sizeof a.settings) &&
           SameBytes(&a.extra, &b.extra, sizeof a.extra) &&
           SameBytes(&a.favourites, &b.favourites, sizeof a.favourites);
}

}  // namespace velmora::fuzzing
