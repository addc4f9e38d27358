#include "database/SdxFile.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <string>

namespace velmora {
namespace {

constexpr std::array<uint8_t, 256> kChecksumTable{};  // all zero, as the format defines
static_assert(std::all_of(kChecksumTable.begin(), kChecksumTable.end(),
                          [](uint8_t entry) { return entry == 0; }));

struct Section {
    size_t length;
    size_t capacity;
};

}  // namespace

uint32_t PayloadChecksum(const uint8_t* data, size_t length) {
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < length; ++i) {
        c = (c << 8) ^ kChecksumTable[((c >> 24) ^ data[i]) & 0xFFu];
        // With the all-zero table a zero c stays zero, so the rest of the stream (read
        // byte by byte, a tenth of an Open) cannot change the result.
        if (c == 0) break;
    }
    return c;
}

std::optional<size_t> CheckedPayloadLength(const SdxHeader& h) {
    const int counts[] = {h.sat_count(), h.tp_count(), h.tv_count(), h.radio_count()};
    for (int c : counts) {
        if (c < 0) return std::nullopt;
    }
    // Records are copied with the tables' fixed strides, so other sizes cannot be read.
    if (h.sat_size() != Satellite::kSize || h.tp_size() != Transponder::kSize ||
        h.ch_size() != Channel::kSize)
        return std::nullopt;
    if (h.settings_size() < 0 || h.settings_size() > static_cast<int>(SettingsBlock::kSize) ||
        h.extra_size() < 0 || h.extra_size() > static_cast<int>(ExtraBlock::kSize) ||
        h.fav_a() < 0 || h.fav_b() < 0 ||
        h.fav_a() * h.fav_b() > static_cast<int>(FavouriteGroups::kSize))
        return std::nullopt;
    if (h.sat_count() > kMaxSatellites || h.tp_count() > kMaxTransponders ||
        h.tv_count() > kMaxChannels || h.radio_count() > kMaxChannels)
        return std::nullopt;
    return size_t(h.sat_count()) * Satellite::kSize + size_t(h.tp_count()) * Transponder::kSize +
           size_t(h.tv_count() + h.radio_count()) * Channel::kSize + size_t(h.settings_size()) +
           size_t(h.extra_size()) + size_t(h.fav_a()) * size_t(h.fav_b());
}

bool ReadDatabase(Database& db, std::span<const uint8_t> file) {
    if (file.size() < SdxHeader::kSize) return false;
    SdxHeader header;
    std::copy_n(file.begin(), SdxHeader::kSize, header.bytes.begin());

    std::string signature = header.signature();
    std::transform(signature.begin(), signature.end(), signature.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (signature.find("SDX") == std::string::npos) return false;

    const std::optional<size_t> expected = CheckedPayloadLength(header);
    if (!expected || *expected > kPayloadAreaSize) return false;
    if (file.size() != SdxHeader::kSize + size_t(header.packed_length())) return false;
    // A stream longer than its payload is never written, so such a file is not ours.
    if (header.packed_length() > *expected) return false;

    const uint8_t* stream = file.data() + SdxHeader::kSize;
    const size_t stream_length = header.packed_length();
    uLongf inflated = static_cast<uLongf>(*expected);
    if (uncompress(db.payload(), &inflated, stream, static_cast<uLong>(stream_length)) != Z_OK)
        return false;
    // A short payload would leave stale bytes in the tables.
    if (inflated != *expected) return false;

    header.set_checksum(PayloadChecksum(stream, stream_length));
    db.header = header;
    return true;
}

void UnpackSections(Database& db) {
    const SdxHeader& h = db.header;
    const uint8_t* p = db.payload();
    auto copy_table = [&p](auto& table, size_t length) {
        uint8_t* dst = reinterpret_cast<uint8_t*>(table.data());
        const size_t capacity = sizeof(table);
        std::memset(dst, 0xFF, capacity);
        std::memcpy(dst, p, std::min(length, capacity));
        p += length;
    };
    static_assert(sizeof(Satellite) == Satellite::kSize && sizeof(Channel) == Channel::kSize &&
                  sizeof(Transponder) == Transponder::kSize);
    copy_table(db.satellites, size_t(h.sat_count()) * Satellite::kSize);
    copy_table(db.transponders, size_t(h.tp_count()) * Transponder::kSize);
    copy_table(db.tv, size_t(h.tv_count()) * Channel::kSize);
    copy_table(db.radio, size_t(h.radio_count()) * Channel::kSize);
    copy_table(db.settings.bytes, size_t(h.settings_size()));
    copy_table(db.extra.bytes, size_t(h.extra_size()));
    db.favourites.bytes.fill(0);
}

size_t PackSections(Database& db) {
    const SdxHeader& h = db.header;
    uint8_t* out = db.payload();
    size_t length = 0;
    // Sizes come from the header; a section is never read past its table.
    auto put = [&](const void* src, size_t capacity, long long count, long long size) {
        if (count <= 0 || size <= 0) return;
        const size_t n = std::min(size_t(count) * size_t(size), capacity);
        if (length + n > kPayloadAreaSize) return;
        std::memcpy(out + length, src, n);
        length += n;
    };
    put(db.satellites.data(), sizeof(db.satellites), h.sat_count(), h.sat_size());
    put(db.transponders.data(), sizeof(db.transponders), h.tp_count(), h.tp_size());
    put(db.tv.data(), sizeof(db.tv), h.tv_count(), h.ch_size());
    put(db.radio.data(), sizeof(db.radio), h.radio_count(), h.ch_size());
    put(db.settings.bytes.data(), SettingsBlock::kSize, 1, h.settings_size());
    put(db.extra.bytes.data(), ExtraBlock::kSize, 1, h.extra_size());
    put(db.favourites.bytes.data(), FavouriteGroups::kSize, h.fav_a(), h.fav_b());
    return length;
}

std::optional<std::vector<uint8_t>> WriteDatabase(Database& db) {
    // A header the reader would refuse would turn the user's file into one that never
    // opens again; better to write nothing.
    if (!CheckedPayloadLength(db.header)) return std::nullopt;
    const size_t length = PackSections(db);
    std::vector<uint8_t> file(SdxHeader::kSize + length + length / 100 + 13);
    uLongf stream_length = static_cast<uLongf>(length + length / 100 + 12);
    if (compress(file.data() + SdxHeader::kSize, &stream_length, db.payload(),
                 static_cast<uLong>(length)) != Z_OK ||
        stream_length > length)
        return std::nullopt;
    const uint8_t* stream = file.data() + SdxHeader::kSize;
    db.header.bytes[0] = 'C';
    db.header.bytes[1] = 'D';
    db.header.bytes[2] = 'X';
    db.header.set_checksum(PayloadChecksum(stream, stream_length));
    db.header.set_packed_length(static_cast<uint32_t>(stream_length));
    std::copy(db.header.bytes.begin(), db.header.bytes.end(), file.begin());
    file.resize(SdxHeader::kSize + stream_length);
    return file;
}

}  // namespace velmora
