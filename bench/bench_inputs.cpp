#include "bench_inputs.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <string_view>

#include "formats/almap_track.h"
#include "formats/date_time.h"
#include "formats/number_text.h"
#include "io/output_file.h"

namespace morlindo::bench {
namespace {

constexpr double kMetresPerDegree = 111320.0;
constexpr DateTime kStart{2004, 11, 8, 9, 0, 0};  // UTC

// Appends the magnitude of value rounded to the given decimals, its whole
// part zero-padded to wholeDigits.
void appendDecimal(std::string& out, double value, int wholeDigits, int decimals = 0) {
    appendMaskedNumber(out, std::fabs(value), DigitMask{wholeDigits, decimals, decimals});
}

// A coordinate as NMEA writes it: degrees, then minutes with 4 decimals.
void appendDegreesMinutes(std::string& out, double degrees, int degreeDigits) {
    const double magnitude = std::fabs(degrees);
    double whole = std::floor(magnitude);
    double minutes = (magnitude - whole) * 60.0;
    if (std::round(minutes * 1e4) >= 60.0 * 1e4) {  // 59.99995 and up is the next degree
        whole += 1;
        minutes = 0;
    }
    appendDecimal(out, whole, degreeDigits);
    appendDecimal(out, minutes, 2, 4);
}

// "$" text "*" checksum CR LF; the checksum is the XOR of the bytes between.
void appendSentence(std::string& out, std::string_view body) {
    unsigned checksum = 0;
    for (const char c : body) checksum ^= static_cast<unsigned char>(c);
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '$';
    out += body;
    out += '*';
    out += kHex[checksum >> 4 & 0xF];
    out += kHex[checksum & 0xF];
    out += "\r\n";
}

struct Fix {
    double latitude;
    double longitude;
    double altitude;  // metres
    double speed;     // metres a second
    double heading;   // degrees from north
};

// One second of the drive: speed and heading wander, the altitude drifts.
class Drive {
public:
    Fix next() {
        speed_ = std::clamp(speed_ + change_(random_) * 0.3, 0.5, 30.0);
        heading_ = std::fmod(heading_ + change_(random_) * 4.0 + 360.0, 360.0);
        altitude_ = std::clamp(altitude_ + change_(random_) * 0.5, -20.0, 1900.0);
        const double radians = heading_ * std::numbers::pi / 180.0;
        latitude_ += speed_ * std::cos(radians) / kMetresPerDegree;
        longitude_ += speed_ * std::sin(radians) /
                      (kMetresPerDegree * std::cos(latitude_ * std::numbers::pi / 180.0));
        return Fix{latitude_, longitude_, altitude_, speed_, heading_};
    }

private:
    std::mt19937_64 random_{20041108};
    std::normal_distribution<double> change_{0.0, 1.0};
    double latitude_ = 37.5665;
    double longitude_ = 126.978;
    double altitude_ = 38.0;
    double speed_ = 8.0;
    double heading_ = 45.0;
};

// "hhmmss.00," of the UTC time.
void appendTime(std::string& out, const DateTime& utc) {
    appendDecimal(out, utc.hour, 2);
    appendDecimal(out, utc.minute, 2);
    appendDecimal(out, utc.second, 2);
    out += ".00,";
}

// The position fields: latitude, N or S, longitude, E or W.
void appendPosition(std::string& out, const Fix& fix) {
    appendDegreesMinutes(out, fix.latitude, 2);
    out += fix.latitude < 0 ? ",S," : ",N,";
    appendDegreesMinutes(out, fix.longitude, 3);
    out += fix.longitude < 0 ? ",W," : ",E,";
}

void appendGga(std::string& out, std::string& body, const Fix& fix, const DateTime& utc) {
    body = "GPGGA,";
    appendTime(body, utc);
    appendPosition(body, fix);
    body += "1,08,0.9,";
    if (fix.altitude < 0) body += '-';
    appendDecimal(body, fix.altitude, 1, 1);
    body += ",M,18.5,M,,";
    appendSentence(out, body);
}

void appendRmc(std::string& out, std::string& body, const Fix& fix, const DateTime& utc) {
    body = "GPRMC,";
    appendTime(body, utc);
    body += "A,";
    appendPosition(body, fix);
    appendDecimal(body, fix.speed * 3600.0 / 1852.0, 3, 1);  // knots
    body += ',';
    appendDecimal(body, fix.heading, 3, 1);
    body += ',';
    appendDecimal(body, utc.day, 2);
    appendDecimal(body, utc.month, 2);
    appendDecimal(body, utc.year % 100, 2);
    body += ",,,A";
    appendSentence(out, body);
}

}  // namespace

void writeBenchLog(const std::filesystem::path& path, std::uint64_t seconds) {
    OutputFile log(path);
    Drive drive;
    std::string sentences;
    std::string body;
    const std::int64_t start = secondsSinceDayZero(kStart);
    for (std::uint64_t i = 0; i < seconds; ++i) {
        const Fix fix = drive.next();
        const DateTime utc = dateTimeFromSecondsSinceDayZero(start + static_cast<std::int64_t>(i));
        sentences.clear();
        appendGga(sentences, body, fix, utc);
        appendRmc(sentences, body, fix, utc);
        log.write(sentences);
    }
    log.commit();
}

void writeBenchTrack(const std::filesystem::path& path, std::uint64_t points) {
    OutputFile output(path);
    AlmapTrackWriter track(output);
    Drive drive;
    for (std::uint64_t i = 0; i < points; ++i) {
        const Fix fix = drive.next();
        track.writeAlmapPoint(fix.longitude, fix.latitude);
    }
    output.commit();
}

}  // namespace morlindo::bench
