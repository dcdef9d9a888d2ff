#include "formats/ozi_track_items.h"

#include "formats/date_time.h"
#include "formats/number_text.h"
#include "formats/ozi_text.h"

namespace morlindo {

OziTrackItemReader::OziTrackItemReader(const std::filesystem::path& path, OziTrackReading reading,
                                       ReadProgress* progress)
    : path_(path), reading_(reading), progress_(progress) {
    reader_.emplace(path_, progress_);
}

bool OziTrackItemReader::next(Item& item) {
    if (startsGiven_ < 2 || pointPending_) {
        item.altitudeMeters.reset();
        item.utcTime.reset();
        item.name.clear();
        item.description.clear();
        item.line = reader_->lineNumber();
        if (startsGiven_ < 2) {
            item.kind = startsGiven_++ == 0 ? ItemKind::TrackStart : ItemKind::SegmentStart;
            if (item.kind == ItemKind::TrackStart) item.name = reader_->trackName();
            return true;
        }
        pointPending_ = false;
        readPoint(item);
        return true;
    }
    const auto point = reader_->next();
    if (!point) return false;
    pending_ = *point;
    if (reader_->startsSegment() && reader_->pointsRead() > 1) {
        pointPending_ = true;
        item = Item{};
        item.kind = ItemKind::SegmentStart;
        item.line = reader_->lineNumber();
        return true;
    }
    readPoint(item);
    return true;
}

void OziTrackItemReader::readPoint(Item& item) {
    item.kind = ItemKind::Point;
    item.latitude = pending_.latitude;
    item.longitude = pending_.longitude;
    item.line = reader_->lineNumber();
    item.altitudeMeters.reset();
    item.utcTime.reset();
    item.name.clear();
    item.description.clear();
    if (reading_.positionsOnly) return;
    const OziTrackPointDetails details = readOziTrackPointDetails(reader_->otherFields());
    if (details.altitudeFeet) {
        item.altitudeMeters = reader_->altitudeInMeters() ? *details.altitudeFeet
                                                          : *details.altitudeFeet * kMetresPerFoot;
    }
    if (details.localTime) {
        item.utcTime = addHours(*details.localTime, -reading_.timeZoneHours);
        if (item.utcTime->year < 1 || item.utcTime->year > 9999) item.utcTime.reset();
    }
}

void OziTrackItemReader::rewind() {
    reader_.reset();
    reader_.emplace(path_, progress_);
    startsGiven_ = 0;
    pointPending_ = false;
}

OziTrackItemWriter::OziTrackItemWriter(OutputFile& output, const OziTrackWriting& writing,
                                       const Clock& clock, const TextEncoding& encoding)
    : output_(output),
      options_(writing.options),
      trackName_(writing.trackName),
      encoding_(encoding),
      replaced_(writing.trackNameReplaced),
      style_(writing.style),
      timeZoneHours_(writing.timeZoneHours),
      clock_(clock) {
    if (writing.pointCount) {
        writeHeader(*writing.pointCount);
    } else {
        scratch_.emplace(output_.target());
    }
}

void OziTrackItemWriter::writeHeader(std::uint64_t pointCount) {
    const bool stamped = style_ == OziTrackStyle::Stamped;
    const auto count = static_cast<std::int64_t>(pointCount);
    writeOziTrackHeader(output_, stamped ? " reserved 3" : "reserved 3", options_, trackName_,
                        stamped ? printStyleNumber(count) : std::to_string(count));
}

void OziTrackItemWriter::finish() {
    if (!scratch_) return;
    writeHeader(points_);
    scratch_->appendTo(output_);
    scratch_.reset();
}

void OziTrackItemWriter::write(const Item& item) {
    switch (item.kind) {
        case ItemKind::TrackStart:
            if (tracks_++ > 0 && (!item.name.empty() || !item.description.empty())) {
                dropped_.names = true;
            }
            if (tracks_ == 1 && scratch_ && !item.name.empty()) {
                replaced_ = false;
                trackName_ = encoding_.fromUtf8(oziTextField(item.name), &replaced_);
            }
            break;
        case ItemKind::SegmentStart:
            breakPending_ = segments_++ > 0;
            break;
        case ItemKind::Point: {
            const bool startsSegment = breakPending_;
            breakPending_ = false;
            ++points_;
            (scratch_ ? *scratch_ : output_)
                .writeLine(style_ == OziTrackStyle::Stamped ? stampedLine(item, startsSegment)
                                                            : receiverLine(item, startsSegment));
            break;
        }
        case ItemKind::Waypoint:
            ++dropped_.waypoints;
            break;
        case ItemKind::RouteStart:
            ++dropped_.routes;
            break;
        case ItemKind::RoutePoint:
            break;
    }
}

const std::string& OziTrackItemWriter::stampedLine(const Item& item, bool startsSegment) {
    // Every point gets the time at which its line is written; all lines
    // written within one second share it.
    if (const DateTime now = clock_.now(); now != lastTime_) {
        lastTime_ = now;
        timeFields_.clear();
        appendPrintStyleNumber(timeFields_, dayNumber(now));
        timeFields_ += ',' + formatDayMonthNameYear(now) + ',' + formatTimeOfDay(now);
    }
    line_.clear();
    appendPrintStyleSixDecimals(line_, item.latitude);
    line_ += ',';
    appendPrintStyleSixDecimals(line_, item.longitude);
    line_ += startsSegment ? ", 1 ,-777 ," : ", 0 ,-777 ,";
    line_ += timeFields_;
    return line_;
}

const std::string& OziTrackItemWriter::receiverLine(const Item& item, bool startsSegment) {
    const DateTime local =
        item.utcTime ? addHours(*item.utcTime, timeZoneHours_) : clock_.nowInZone(timeZoneHours_);
    line_.clear();
    appendMaskedNumber(line_, item.latitude, kMaskSevenDecimals);
    line_ += ',';
    appendMaskedNumber(line_, item.longitude, kMaskSevenDecimals);
    line_ += startsSegment ? ", 1 ," : ", 0 ,";
    appendMaskedNumber(line_, std::int64_t{altitudeFeet(item.altitudeMeters)}, kMaskFourDigits);
    line_ += ',';
    line_ += timeFields(local);
    return line_;
}

const std::string& OziTrackItemWriter::timeFields(const DateTime& local) {
    if (local != lastTime_) {
        lastTime_ = local;
        // Fields 5 to 7: day number, "YYYY/MM/DD", "HH:nn:ss".
        timeFields_.clear();
        appendMaskedNumber(timeFields_, dayNumber(local), kMaskSixDecimals);
        timeFields_ += ',';
        timeFields_ += formatYearMonthDay(local);
        timeFields_ += ',';
        timeFields_ += formatTimeOfDay(local);
    }
    return timeFields_;
}

}  // namespace morlindo
