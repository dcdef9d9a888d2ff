#include "formats/almap_track.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "io/error.h"

namespace morlindo {
namespace {

constexpr std::string_view kSignature{"ALMAPGPS\x01\x01\x01\x01\x01", kAlmapSignatureSize};

template <typename Unsigned>
Unsigned readLittleEndian(const char* bytes) {
    Unsigned value = 0;
    for (std::size_t i = sizeof(Unsigned); i-- > 0;) {
        value = static_cast<Unsigned>(value << 8) | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

template <typename Unsigned>
void writeLittleEndian(char* bytes, Unsigned value) {
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
        bytes[i] = static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

double readDouble(const char* bytes) {
    return std::bit_cast<double>(readLittleEndian<std::uint64_t>(bytes));
}

std::int16_t readWord(const char* bytes) {
    return std::bit_cast<std::int16_t>(readLittleEndian<std::uint16_t>(bytes));
}

std::string degreesText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "infinity" : "-infinity";
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

// A coordinate a track can hold: a finite number of degrees within limit
// either way. Anything else means the bytes are not a track's records.
void checkDegrees(const std::filesystem::path& file, std::uint64_t record, const char* name,
                  double value, int limit) {
    if (std::isfinite(value) && std::fabs(value) <= limit) return;
    throw Error(file,
                "record %1: the %2 %3 is not a number of degrees from -%4 to %4; "
                "this is not an AlMap track file",
                {std::to_string(record), name, degreesText(value), std::to_string(limit)});
}

}  // namespace

std::uint64_t almapRecordCount(std::uint64_t fileLength) {
    return fileLength < kAlmapSignatureSize ? 0
                                            : (fileLength - kAlmapSignatureSize) / kAlmapRecordSize;
}

AlmapTrackReader::AlmapTrackReader(const std::filesystem::path& path, ReadProgress* progress)
    : file_(path, progress), recordCount_(almapRecordCount(file_.size())) {
    std::array<char, kAlmapSignatureSize> signature{};
    if (file_.size() >= kAlmapSignatureSize) file_.readExactly(signature.data(), signature.size());
    if (std::string_view(signature.data(), signature.size()) != kSignature) {
        throw Error(path,
                    "this is not an AlMap track file: it does not begin with the AlMap "
                    "track signature");
    }
    if (const auto rest = (file_.size() - kAlmapSignatureSize) % kAlmapRecordSize; rest != 0) {
        throw Error(path,
                    "the file ends %1 bytes into record %2; it was cut short or is not an AlMap "
                    "track file",
                    {std::to_string(rest), std::to_string(recordCount_ + 1)});
    }
}

std::optional<AlmapTrackPoint> AlmapTrackReader::next() {
    if (recordsRead_ == recordCount_) return std::nullopt;
    ++recordsRead_;
    std::array<char, kAlmapRecordSize> record;
    file_.readExactly(record.data(), record.size());
    AlmapTrackPoint point;
    point.longitude = readDouble(record.data());
    point.latitude = readDouble(record.data() + 8);
    point.value3 = readDouble(record.data() + 16);
    point.word1 = readWord(record.data() + 24);
    point.word2 = readWord(record.data() + 26);
    point.word3 = readWord(record.data() + 28);
    point.word4 = readWord(record.data() + 30);
    checkDegrees(file_.path(), recordsRead_, "latitude", point.latitude, 90);
    checkDegrees(file_.path(), recordsRead_, "longitude", point.longitude, 180);
    return point;
}

AlmapTrackWriter::AlmapTrackWriter(OutputFile& output) : output_(output) {
    output_.write(kSignature);
}

void AlmapTrackWriter::writeAlmapPoint(double longitude, double latitude) {
    std::array<char, kAlmapRecordSize> record{};
    writeLittleEndian(record.data(), std::bit_cast<std::uint64_t>(longitude));
    writeLittleEndian(record.data() + 8, std::bit_cast<std::uint64_t>(latitude));
    // value3 stays +0.0 and words 2 to 4 stay 0.
    writeLittleEndian(record.data() + 24, std::uint16_t{60});
    output_.write(std::string_view(record.data(), record.size()));
}

}  // namespace morlindo
