#pragma once
// The .sdx file: a 64-byte header followed by one zlib stream of the seven sections
// (satellites, transponders, TV, radio, settings, extra, favourite groups).

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "database/Database.h"

namespace velmora {

// The header's checksum over the zlib stream. Its table is all zero, so every input of
// four bytes or more yields 0; kept because the header field is defined by it.
uint32_t PayloadChecksum(const uint8_t* data, size_t length);

// Payload length L announced by `header`, or nullopt when a count or size is negative,
// a record size differs from the tables' strides, or a section exceeds its table.
std::optional<size_t> CheckedPayloadLength(const SdxHeader& header);

// The longest file ReadDatabase can accept: its stream is never longer than the payload.
inline constexpr size_t kMaxSdxFileSize = SdxHeader::kSize + kPayloadAreaSize;

// Validates a whole file image and inflates its payload into db.payload().
// Returns false for: a file shorter than 64 bytes, a signature without "SDX" (any case),
// impossible counts or sizes, a length other than 64 + packed_length, a stream longer
// than L, an inflate error, or a payload whose inflated length is not exactly L. On false nothing
// of `db` that is shown or saved changes (header and tables stay); on true the header is the
// file's, with its checksum replaced by the recomputed one.
bool ReadDatabase(Database& db, std::span<const uint8_t> file);

// Copies the inflated payload into the tables and blocks: every table is first filled
// with 0xFF over its capacity; the favourite groups are zeroed (they are rebuilt).
void UnpackSections(Database& db);

// Writes the seven sections into the payload area; returns their total length L.
size_t PackSections(Database& db);

// Packs, sets the mark "CDX", compresses and refreshes packed_length and checksum.
// Returns header plus stream, or nullopt when the header's counts or sizes are ones
// ReadDatabase refuses, compression fails, or the stream would be longer than the payload
// (an empty or tiny database); the header is then unchanged.
std::optional<std::vector<uint8_t>> WriteDatabase(Database& db);

}  // namespace velmora
