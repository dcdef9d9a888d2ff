#include "formats/gpx_reader.h"

#include <expat.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "io/code_page_decoder.h"
#include "io/error.h"
#include "io/input_file.h"

namespace morlindo {
namespace {

// expat hands over a namespaced name as "namespace" kNameSeparator "local";
// the separator cannot occur in XML text.
constexpr char kNameSeparator = '\x01';
constexpr std::string_view kGpx11Namespace = "http://www.topografix.com/GPX/1/1";
constexpr std::string_view kGpx10Namespace = "http://www.topografix.com/GPX/1/0";

constexpr std::size_t kReadSize = 1 << 16;
// An ele or time text longer than this is no number or time at all; keeping
// no more of it keeps memory flat.
constexpr std::size_t kMaxValueText = 256;
// Names and descriptions are cut after so many bytes.
constexpr std::size_t kMaxNameText = 4096;
constexpr std::size_t kQuotedLength = 40;
// expat holds a tag, comment or declaration whole until its end; one longer
// than this is no GPX, and refusing it keeps memory bounded.
constexpr std::uint64_t kMaxTokenBytes = 1 << 20;
// Items are handed over in batches of up to so many: expat stops after each
// batch and resumes when it has been taken. Stopping after every item would
// cost as much again as the handlers.
constexpr std::size_t kBatchSize = 512;

// The elements that matter, by where they stand; every other is Other.
enum class Element : std::uint8_t {
    Other,
    Gpx,
    Trk,
    Trkseg,
    Rte,
    Trkpt,
    Rtept,
    Wpt,
    Ele,
    Time,
    Name,
    Desc,
};
// The elements whose children are classified: gpx/trk/trkseg/trkpt/ele is
// the deepest path that matters.
constexpr int kTrackedDepth = 5;

ItemKind itemKindOf(Element point) {
    return point == Element::Trkpt   ? ItemKind::Point
           : point == Element::Rtept ? ItemKind::RoutePoint
                                     : ItemKind::Waypoint;
}

bool isValue(Element element) {
    return element == Element::Ele || element == Element::Time || element == Element::Name ||
           element == Element::Desc;
}

Element nameOrDescription(std::string_view name) {
    return name == "name" ? Element::Name : name == "desc" ? Element::Desc : Element::Other;
}

bool isPoint(Element element) {
    return element == Element::Trkpt || element == Element::Rtept || element == Element::Wpt;
}

// The local name of an element of GPX 1.1, 1.0 or no namespace; empty for
// one of another namespace. Both GPX namespaces differ in their last
// character only.
std::string_view gpxLocalName(const char* name) {
    constexpr std::size_t kCommonLength = kGpx11Namespace.size() - 1;
    static_assert(kGpx10Namespace.substr(0, kCommonLength) ==
                  kGpx11Namespace.substr(0, kCommonLength));
    if (std::strncmp(name, kGpx11Namespace.data(), kCommonLength) == 0) {
        const char version = name[kCommonLength];
        if ((version == '1' || version == '0') && name[kCommonLength + 1] == kNameSeparator) {
            return name + kCommonLength + 2;
        }
    }
    if (std::strchr(name, kNameSeparator) != nullptr) return {};
    return name;
}

// What a child of the given element is, by its local name.
Element childElement(Element parent, std::string_view name) {
    switch (parent) {
        case Element::Gpx:
            return name == "trk"   ? Element::Trk
                   : name == "rte" ? Element::Rte
                   : name == "wpt" ? Element::Wpt
                                   : Element::Other;
        case Element::Trk:
            return name == "trkseg" ? Element::Trkseg : nameOrDescription(name);
        case Element::Trkseg:
            return name == "trkpt" ? Element::Trkpt : Element::Other;
        case Element::Rte:
            return name == "rtept" ? Element::Rtept : nameOrDescription(name);
        case Element::Trkpt:
            return name == "ele" ? Element::Ele : name == "time" ? Element::Time : Element::Other;
        case Element::Rtept:
        case Element::Wpt:
            return name == "ele"    ? Element::Ele
                   : name == "time" ? Element::Time
                                    : nameOrDescription(name);
        default:
            return Element::Other;
    }
}

// Whether text holds bytes that are no UTF-8 character before its end (a
// character cut short by the end is taken as whole).
bool holdsInvalidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        if (length == 0 || (length == 2 && lead < 0xC2) || (lead > 0xF4)) return true;
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k == text.size()) return false;
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return true;
        }
        i += length;
    }
    return false;
}

bool isXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isXmlBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isXmlBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A decimal number; also in exponent notation, which some programs write
// although GPX asks for plain decimals. Never infinite or NaN.
std::optional<double> parseGpxNumber(std::string_view text) {
    text = trimmed(text);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) return std::nullopt;
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (result.ec != std::errc{} || result.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A piece of the file as a message shows it: quoted, short, printable.
std::string shownText(std::string_view text) {
    std::string shown = "\"";
    for (const char c : text.substr(0, kQuotedLength)) {
        shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    }
    return shown + (text.size() > kQuotedLength ? "...\"" : "\"");
}

bool allDigits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

int numberAt(std::string_view text, std::size_t at, std::size_t length) {
    int value = 0;
    for (std::size_t i = at; i < at + length; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

// "Z", "+hh:mm", "-hh:mm" or nothing, as seconds east of UTC.
std::optional<std::int64_t> zoneOffsetSeconds(std::string_view zone) {
    if (zone.empty() || zone == "Z") return 0;
    if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':' ||
        !allDigits(zone.substr(1, 2)) || !allDigits(zone.substr(4, 2))) {
        return std::nullopt;
    }
    const int hours = numberAt(zone, 1, 2);
    const int minutes = numberAt(zone, 4, 2);
    if (minutes > 59 || hours > 14 || (hours == 14 && minutes > 0)) return std::nullopt;
    const std::int64_t seconds = hours * 3600 + minutes * 60;
    return zone[0] == '-' ? -seconds : seconds;
}

}  // namespace

std::optional<DateTime> parseXmlDateTime(std::string_view text) {
    text = trimmed(text);
    constexpr std::string_view kShape = "0000-00-00T00:00:00";
    if (text.size() < kShape.size()) return std::nullopt;
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == '0' ? !digit : text[i] != kShape[i]) return std::nullopt;
    }
    DateTime value{numberAt(text, 0, 4),  numberAt(text, 5, 2),  numberAt(text, 8, 2),
                   numberAt(text, 11, 2), numberAt(text, 14, 2), numberAt(text, 17, 2)};
    std::string_view rest = text.substr(kShape.size());
    bool fractionIsZero = true;
    if (rest.starts_with('.')) {
        std::size_t digits = 1;
        while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') {
            fractionIsZero = fractionIsZero && rest[digits] == '0';
            ++digits;
        }
        if (digits == 1) return std::nullopt;
        rest.remove_prefix(digits);
    }
    const auto offset = zoneOffsetSeconds(rest);
    if (!offset) return std::nullopt;
    // 24:00:00 is the end of the day, the same moment as the next midnight.
    const bool endOfDay =
        value.hour == 24 && value.minute == 0 && value.second == 0 && fractionIsZero;
    if (endOfDay) value.hour = 0;
    if (value.year < 1 || !isValidDateTime(value)) return std::nullopt;
    if (endOfDay || *offset != 0) {
        value = dateTimeFromSecondsSinceDayZero(secondsSinceDayZero(value) +
                                                (endOfDay ? 86400 : 0) - *offset);
        if (value.year < 1 || value.year > 9999) return std::nullopt;
    }
    return value;
}

// One pass of expat over the file, and the state its handlers keep. The
// handlers never throw through expat: they note the failure and stop the
// parser, and the reading throws it once expat has returned.
class GpxReader::Parse {
public:
    Parse(const std::filesystem::path& path, ReadProgress* progress) : file_(path, progress) {
        start();
    }
    ~Parse() { XML_ParserFree(parser_); }

    bool next(Item& item);
    void rewind();
    const std::filesystem::path& path() const noexcept { return file_.path(); }

private:
    struct Failure {
        ReasonPattern pattern;
        std::vector<ReasonValue> values;
        std::int64_t line;
    };

    void start();
    // Parses on until a batch of points is complete or the file ends; false
    // at the end. A fault is kept until the points before it are taken.
    bool parseOn();
    Error parseError() const;
    // Whether the file is read as UTF-8, as it declares or as XML takes a
    // file without a byte-order mark that declares nothing.
    bool readsUtf8() const;
    // Whether the parser stopped at bytes that are no UTF-8 character.
    bool atInvalidUtf8() const;
    std::int64_t currentLine() const {
        return static_cast<std::int64_t>(XML_GetCurrentLineNumber(parser_));
    }
    // Notes the failure at the current line (where the element starts, or
    // where an ele or time ends) and stops the parser.
    void fail(ReasonPattern pattern, std::vector<ReasonValue> values = {});

    void onStart(const char* name, const char** attributes);
    void onEnd();
    void onText(const char* text, int length);
    void startPoint(Element element, const char** attributes);
    void startOwner(ItemKind kind);
    // Hands over the track or route begun last, once its name is known.
    void flushOwner();
    void emit(const Item& item);
    void readCoordinate(const char* name, const char* text, double limit, double& value);
    void endValue(Element element);

    static void XMLCALL startHandler(void* self, const XML_Char* name, const XML_Char** atts) {
        static_cast<Parse*>(self)->onStart(name, atts);
    }
    static void XMLCALL endHandler(void* self, const XML_Char*) {
        static_cast<Parse*>(self)->onEnd();
    }
    static void XMLCALL textHandler(void* self, const XML_Char* text, int length) {
        static_cast<Parse*>(self)->onText(text, length);
    }
    // A declared encoding that expat does not read itself is read through
    // the system's code pages, when it can be: expat then decodes each
    // character of several bytes through decodeHandler.
    static int XMLCALL unknownEncodingHandler(void* self, const XML_Char* name,
                                              XML_Encoding* info) {
        return static_cast<Parse*>(self)->useCodePage(name, *info);
    }
    static int XMLCALL decodeHandler(void* decoder, const char* bytes) {
        const auto& codePage = *static_cast<const CodePageDecoder*>(decoder);
        const int length = -codePage.byteMap()[static_cast<unsigned char>(bytes[0])];
        return codePage.decode(bytes, length);
    }
    static void XMLCALL declarationHandler(void* self, const XML_Char*, const XML_Char* encoding,
                                           int) {
        static_cast<Parse*>(self)->declaredEncoding_ = encoding == nullptr ? "" : encoding;
    }
    int useCodePage(const char* name, XML_Encoding& info);

    InputFile file_;
    XML_Parser parser_ = nullptr;
    bool suspended_ = false;
    bool lastBufferGiven_ = false;
    bool finished_ = false;
    bool startsUtf16_ = false;  // a byte-order mark or "<" of UTF-16 begins the file
    std::uint64_t bytesGiven_ = 0;

    std::array<Element, kTrackedDepth> path_{};
    int depth_ = 0;
    bool inPoint_ = false;
    Item point_;
    Item owner_;  // the track or route being read
    bool ownerPending_ = false;
    std::vector<Item> ready_;
    std::size_t taken_ = 0;  // of ready_
    std::optional<Error> pendingError_;
    bool capturing_ = false;
    bool valueIsName_ = false;
    std::string valueText_;
    std::optional<Failure> failure_;
    std::string unknownEncoding_;
    std::string declaredEncoding_;
    // The code page of the file when expat does not read it itself; kept
    // for the second reading of a file without track points.
    std::optional<CodePageDecoder> codePage_;
    std::string codePageName_;
};

int GpxReader::Parse::useCodePage(const char* name, XML_Encoding& info) {
    if (!codePage_ || codePageName_ != name) {
        codePage_ = CodePageDecoder::named(name);
        codePageName_ = name;
    }
    if (!codePage_) {
        unknownEncoding_ = name;
        return XML_STATUS_ERROR;
    }
    std::copy(codePage_->byteMap().begin(), codePage_->byteMap().end(), info.map);
    info.data = &*codePage_;
    info.convert = decodeHandler;
    info.release = nullptr;
    return XML_STATUS_OK;
}

void GpxReader::Parse::start() {
    if (parser_ != nullptr) XML_ParserFree(parser_);
    parser_ = XML_ParserCreateNS(nullptr, kNameSeparator);
    if (parser_ == nullptr) throw std::bad_alloc();
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, startHandler, endHandler);
    XML_SetCharacterDataHandler(parser_, textHandler);
    XML_SetUnknownEncodingHandler(parser_, unknownEncodingHandler, this);
    XML_SetXmlDeclHandler(parser_, declarationHandler);
    declaredEncoding_.clear();
    // Parameter entities and so external DTDs are never read, and without an
    // external entity handler no external entity is either. Internal
    // entities expand within expat's amplification limits, which stay on.
    XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
    suspended_ = lastBufferGiven_ = finished_ = false;
    bytesGiven_ = 0;
    depth_ = 0;
    inPoint_ = capturing_ = ownerPending_ = false;
    ready_.clear();
    taken_ = 0;
    pendingError_.reset();
    failure_.reset();
    ready_.reserve(kBatchSize);
}

bool GpxReader::Parse::next(Item& item) {
    for (;;) {
        if (taken_ < ready_.size()) {
            item = ready_[taken_++];
            return true;
        }
        ready_.clear();
        taken_ = 0;
        if (pendingError_) throw *pendingError_;
        if (!parseOn()) return false;
    }
}

void GpxReader::Parse::rewind() {
    file_.seek(0);
    start();
}

bool GpxReader::Parse::parseOn() {
    XML_Status status;
    if (suspended_) {
        status = XML_ResumeParser(parser_);
    } else if (!finished_) {
        void* buffer = XML_GetBuffer(parser_, static_cast<int>(kReadSize));
        if (buffer == nullptr) throw std::bad_alloc();
        const std::size_t got = file_.read(static_cast<char*>(buffer), kReadSize);
        if (bytesGiven_ == 0 && got >= 2) {
            const auto* bytes = static_cast<const unsigned char*>(buffer);
            startsUtf16_ = (bytes[0] == 0xFE && bytes[1] == 0xFF) ||
                           (bytes[0] == 0xFF && bytes[1] == 0xFE) || bytes[0] == 0 || bytes[1] == 0;
        }
        lastBufferGiven_ = got < kReadSize;
        bytesGiven_ += got;
        status = XML_ParseBuffer(parser_, static_cast<int>(got), lastBufferGiven_);
    } else {
        return false;
    }
    if (status == XML_STATUS_ERROR) {
        pendingError_ = parseError();
        return true;
    }
    suspended_ = status == XML_STATUS_SUSPENDED;
    finished_ = !suspended_ && lastBufferGiven_;
    // What expat keeps unparsed is the start of a token it has not seen the
    // end of. Its byte index may be 32 bits wide (and wrap), so the distance
    // is taken in its own width.
    using Offset = std::make_unsigned_t<XML_Index>;
    const XML_Index parsed = XML_GetCurrentByteIndex(parser_);
    if (parsed != -1 && static_cast<Offset>(static_cast<Offset>(bytesGiven_) -
                                            static_cast<Offset>(parsed)) > kMaxTokenBytes) {
        pendingError_ = Error(file_.path(),
                              "a tag, comment or declaration is longer than 1 MiB; this is "
                              "not a GPX file",
                              {}, currentLine());
    }
    return true;
}

Error GpxReader::Parse::parseError() const {
    if (failure_) return Error(file_.path(), failure_->pattern, failure_->values, failure_->line);
    const XML_Error code = XML_GetErrorCode(parser_);
    const auto line = static_cast<std::int64_t>(XML_GetCurrentLineNumber(parser_));
    if (code == XML_ERROR_UNKNOWN_ENCODING && !unknownEncoding_.empty()) {
        return Error(file_.path(),
                     "the file declares the text encoding %1, which this system cannot read",
                     {shownText(unknownEncoding_)}, line);
    }
    if (code == XML_ERROR_INVALID_TOKEN && readsUtf8() && atInvalidUtf8()) {
        return Error(file_.path(), "not valid UTF-8 (the file declares UTF-8)", {}, line);
    }
    return Error(file_.path(), "the file is not well-formed XML: %1", {XML_ErrorString(code)},
                 line);
}

bool GpxReader::Parse::readsUtf8() const {
    std::string declared;
    for (const char c : declaredEncoding_) declared += static_cast<char>(std::tolower(c));
    return declared == "utf-8" || declared == "utf8" || (declared.empty() && !startsUtf16_);
}

bool GpxReader::Parse::atInvalidUtf8() const {
    int offset = 0, size = 0;
    const char* context = XML_GetInputContext(parser_, &offset, &size);
    if (context == nullptr || offset < 0 || offset >= size) return false;
    // expat stops at the start of the token that holds the bytes.
    constexpr int kLookAhead = 1024;
    const std::string_view rest(context + offset,
                                static_cast<std::size_t>(std::min(size - offset, kLookAhead)));
    return holdsInvalidUtf8(rest);
}

void GpxReader::Parse::fail(ReasonPattern pattern, std::vector<ReasonValue> values) {
    if (!failure_) failure_ = Failure{pattern, std::move(values), currentLine()};
    XML_StopParser(parser_, XML_FALSE);
}

void GpxReader::Parse::onStart(const char* name, const char** attributes) {
    const int depth = depth_++;
    if (depth == 0) {
        if (gpxLocalName(name) != "gpx") {
            fail("the root element is not gpx; this is not a GPX file");
            return;
        }
        path_[0] = Element::Gpx;
        return;
    }
    if (depth > kTrackedDepth) return;
    const Element parent = path_[static_cast<std::size_t>(depth - 1)];
    const Element element =
        parent == Element::Other ? Element::Other : childElement(parent, gpxLocalName(name));
    if (depth < kTrackedDepth) path_[static_cast<std::size_t>(depth)] = element;
    if (failure_) return;
    if (isPoint(element)) {
        startPoint(element, attributes);
    } else if (element == Element::Trk) {
        startOwner(ItemKind::TrackStart);
    } else if (element == Element::Rte) {
        startOwner(ItemKind::RouteStart);
    } else if (element == Element::Trkseg) {
        flushOwner();
        Item segment;
        segment.kind = ItemKind::SegmentStart;
        segment.line = currentLine();
        emit(segment);
    } else if (isValue(element)) {
        capturing_ = true;
        valueIsName_ = element == Element::Name || element == Element::Desc;
        valueText_.clear();
    }
}

void GpxReader::Parse::startOwner(ItemKind kind) {
    owner_ = Item{};
    owner_.kind = kind;
    owner_.line = currentLine();
    ownerPending_ = true;
}

void GpxReader::Parse::flushOwner() {
    if (!ownerPending_) return;
    ownerPending_ = false;
    emit(owner_);
}

void GpxReader::Parse::emit(const Item& item) {
    ready_.push_back(item);
    // Hand the batch over before parsing on; the reading resumes here.
    if (ready_.size() == kBatchSize) XML_StopParser(parser_, XML_TRUE);
}

void GpxReader::Parse::startPoint(Element element, const char** attributes) {
    if (element == Element::Rtept) flushOwner();
    inPoint_ = true;
    point_.kind = itemKindOf(element);
    point_.altitudeMeters.reset();
    point_.utcTime.reset();
    point_.name.clear();
    point_.description.clear();
    point_.line = currentLine();
    const char* latitude = nullptr;
    const char* longitude = nullptr;
    for (const char** attribute = attributes; *attribute != nullptr; attribute += 2) {
        if (std::strcmp(attribute[0], "lat") == 0) latitude = attribute[1];
        if (std::strcmp(attribute[0], "lon") == 0) longitude = attribute[1];
    }
    readCoordinate("lat", latitude, 90, point_.latitude);
    readCoordinate("lon", longitude, 180, point_.longitude);
}

void GpxReader::Parse::readCoordinate(const char* name, const char* text, double limit,
                                      double& value) {
    if (failure_) return;
    if (text == nullptr) {
        fail("the point has no %1 attribute", {name});
        return;
    }
    const auto number = parseGpxNumber(text);
    if (!number || std::fabs(*number) > limit) {
        const std::string degrees = std::to_string(static_cast<int>(limit));
        fail("the %1 %2 of the point is not a number of degrees from -%3 to %3",
             {name, shownText(text), degrees});
        return;
    }
    value = *number;
}

void GpxReader::Parse::onText(const char* text, int length) {
    if (!capturing_) return;
    const std::size_t limit = valueIsName_ ? kMaxNameText : kMaxValueText + 1;
    const std::size_t room = limit - std::min(limit, valueText_.size());
    valueText_.append(text, std::min(room, static_cast<std::size_t>(length)));
}

void GpxReader::Parse::onEnd() {
    const int depth = --depth_;
    if (depth >= kTrackedDepth) return;
    const Element element = path_[static_cast<std::size_t>(depth)];
    if (failure_) return;
    if (capturing_ && isValue(element)) {
        endValue(element);
    } else if (isPoint(element) && inPoint_) {
        inPoint_ = false;
        emit(point_);
    } else if (element == Element::Trk || element == Element::Rte) {
        flushOwner();
    }
}

void GpxReader::Parse::endValue(Element element) {
    capturing_ = false;
    if (element == Element::Name || element == Element::Desc) {
        Item& owner = inPoint_ ? point_ : owner_;
        (element == Element::Name ? owner.name : owner.description) = trimmed(valueText_);
        return;
    }
    if (element == Element::Ele) {
        if (trimmed(valueText_).empty()) return;  // an empty ele gives no elevation
        point_.altitudeMeters = parseGpxNumber(valueText_);
        if (!point_.altitudeMeters) {
            fail("the ele %1 is not a number of metres", {shownText(trimmed(valueText_))});
        }
        return;
    }
    point_.utcTime = parseXmlDateTime(valueText_);
    if (!point_.utcTime) {
        fail("the time %1 is not a date and time like 2004-11-08T06:30:00Z",
             {shownText(trimmed(valueText_))});
    }
}

GpxReader::GpxReader(const std::filesystem::path& path, ReadProgress* progress)
    : parse_(std::make_unique<Parse>(path, progress)) {}

GpxReader::~GpxReader() = default;

bool GpxReader::next(Item& item) { return parse_->next(item); }

void GpxReader::rewind() { parse_->rewind(); }

const std::filesystem::path& GpxReader::path() const { return parse_->path(); }

}  // namespace morlindo
