#include "ui/track_preview.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/qt_text.h"
#include "ui/reason_text.h"

namespace morlindo::ui {
namespace {

constexpr int kMargin = 12;
// Web Mercator reaches the poles only at infinity; maps stop here.
constexpr double kMercatorLimit = 85.05112878;

QPointF mercator(double latitude, double longitude) {
    const double phi =
        std::clamp(latitude, -kMercatorLimit, kMercatorLimit) * std::numbers::pi / 180;
    return {longitude * std::numbers::pi / 180,
            -std::log(std::tan(std::numbers::pi / 4 + phi / 2))};
}

// A round length of at most `longest` metres: 1, 2 or 5 times a power of ten.
double roundLength(double longest) {
    const double power = std::pow(10.0, std::floor(std::log10(longest)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * power <= longest) return step * power;
    }
    return power;
}

QString lengthText(double metres) {
    return metres >= 1000 ? TrackPreview::tr("%1 km").arg(metres / 1000)
                          : TrackPreview::tr("%1 m").arg(metres);
}

QString timeText(const DateTime& time, bool local) {
    const QString text = QStringLiteral("%1-%2-%3 %4:%5:%6")
                             .arg(time.year, 4, 10, QLatin1Char('0'))
                             .arg(time.month, 2, 10, QLatin1Char('0'))
                             .arg(time.day, 2, 10, QLatin1Char('0'))
                             .arg(time.hour, 2, 10, QLatin1Char('0'))
                             .arg(time.minute, 2, 10, QLatin1Char('0'))
                             .arg(time.second, 2, 10, QLatin1Char('0'));
    return local ? TrackPreview::tr("%1 (local time)").arg(text) : text + QStringLiteral(" UTC");
}

QString durationText(std::int64_t seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// Reads on only while no newer request has come.
class StopWhenAsked final : public ReadProgress {
public:
    explicit StopWhenAsked(std::shared_ptr<std::atomic<bool>> stop) : stop_(std::move(stop)) {}
    void advanced(std::uint64_t, std::uint64_t) override {
        if (stop_->load()) throw ConversionCancelled();
    }

private:
    std::shared_ptr<std::atomic<bool>> stop_;
};

}  // namespace

QString statisticsText(const TrackStatistics& s) {
    const QLocale locale;
    QStringList lines;
    lines << TrackPreview::tr("Points: %1").arg(locale.toString(static_cast<qulonglong>(s.points)));
    lines << TrackPreview::tr("Length: %1 km").arg(locale.toString(s.lengthKm, 'f', 2));
    if (s.firstTime && s.lastTime) {
        lines << TrackPreview::tr("Start: %1").arg(timeText(*s.firstTime, s.timesAreLocal));
        lines << TrackPreview::tr("End: %1").arg(timeText(*s.lastTime, s.timesAreLocal));
        lines << TrackPreview::tr("Duration: %1").arg(durationText(*s.durationSeconds()));
    }
    if (s.bounds) {
        lines << TrackPreview::tr("Latitude: %1 to %2")
                     .arg(locale.toString(s.bounds->south, 'f', 5),
                          locale.toString(s.bounds->north, 'f', 5));
        lines << TrackPreview::tr("Longitude: %1 to %2")
                     .arg(locale.toString(s.bounds->west, 'f', 5),
                          locale.toString(s.bounds->east, 'f', 5));
    }
    if (s.lowestMeters && s.highestMeters) {
        lines << TrackPreview::tr("Altitude: %1 m to %2 m, ascent %3 m")
                     .arg(locale.toString(*s.lowestMeters, 'f', 0),
                          locale.toString(*s.highestMeters, 'f', 0),
                          locale.toString(s.ascentMeters, 'f', 0));
    }
    if (s.linesRead && s.sentencesPassedOver) {
        lines << TrackPreview::tr("Lines: %1, passed over: %2")
                     .arg(locale.toString(static_cast<qulonglong>(*s.linesRead)),
                          locale.toString(static_cast<qulonglong>(*s.sentencesPassedOver)));
    }
    return lines.join(QLatin1Char('\n'));
}

TrackMapView::TrackMapView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 60);
    setAccessibleName(TrackPreview::tr("Track map"));
}

void TrackMapView::setTrack(std::vector<TrackSample> outline) {
    outline_ = std::move(outline);
    update();
}

void TrackMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (outline_.empty()) return;
    std::vector<QPointF> points;
    points.reserve(outline_.size());
    for (const TrackSample& sample : outline_) {
        points.push_back(mercator(sample.latitude, sample.longitude));
    }
    const auto [left, right] = std::minmax_element(points.begin(), points.end(),
                                                   [](auto a, auto b) { return a.x() < b.x(); });
    const auto [top, bottom] = std::minmax_element(points.begin(), points.end(),
                                                   [](auto a, auto b) { return a.y() < b.y(); });
    const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin - 16);
    const double spanX = std::max(right->x() - left->x(), 1e-9);
    const double spanY = std::max(bottom->y() - top->y(), 1e-9);
    const double scale = std::min(area.width() / spanX, area.height() / spanY);
    const QPointF origin(area.center().x() - (left->x() + spanX / 2) * scale,
                         area.center().y() - (top->y() + spanY / 2) * scale);
    QPainterPath path;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF at = origin + points[i] * scale;
        i == 0 ? path.moveTo(at) : path.lineTo(at);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().highlight(), 2));
    painter.drawPath(path);
    painter.setPen(QPen(palette().text(), 1));
    painter.setBrush(QColor(0, 160, 0));
    painter.drawEllipse(path.elementAt(0), 5, 5);
    painter.setBrush(QColor(200, 0, 0));
    const QPointF end = path.currentPosition();
    painter.drawRect(QRectF(end.x() - 4, end.y() - 4, 8, 8));

    // The scale bar, true at the middle latitude of the track.
    const double middle = (outline_.front().latitude + outline_.back().latitude) / 2;
    const double metresPerPixel =
        kEarthRadiusKm * 1000 * std::cos(middle * std::numbers::pi / 180) / scale;
    const double metres = roundLength(metresPerPixel * width() / 4);
    const double pixels = metres / metresPerPixel;
    const QPointF barStart(kMargin, height() - kMargin);
    painter.drawLine(barStart, barStart + QPointF(pixels, 0));
    painter.drawText(barStart + QPointF(pixels + 4, 4), lengthText(metres));
}

ElevationProfileView::ElevationProfileView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 60);
    setAccessibleName(TrackPreview::tr("Elevation profile"));
}

void ElevationProfileView::setProfile(std::vector<ProfilePoint> profile) {
    profile_ = std::move(profile);
    setVisible(hasProfile());
    update();
}

void ElevationProfileView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (!hasProfile()) return;
    const auto [low, high] = std::minmax_element(
        profile_.begin(), profile_.end(),
        [](const auto& a, const auto& b) { return a.altitudeMeters < b.altitudeMeters; });
    const double lowest = low->altitudeMeters;
    const double rise = std::max(high->altitudeMeters - lowest, 1.0);
    const double distance = std::max(profile_.back().distanceKm, 1e-9);
    const QRectF area = QRectF(rect()).adjusted(kMargin + 40, kMargin, -kMargin, -kMargin);
    QPainterPath path(QPointF(area.left(), area.bottom()));
    for (const ProfilePoint& point : profile_) {
        path.lineTo(area.left() + area.width() * point.distanceKm / distance,
                    area.bottom() - area.height() * (point.altitudeMeters - lowest) / rise);
    }
    path.lineTo(area.right(), area.bottom());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().highlight(), 1));
    painter.setBrush(palette().highlight().color().lighter(160));
    painter.drawPath(path);
    painter.setPen(palette().text().color());
    painter.drawText(QPointF(kMargin, area.top() + 10), lengthText(high->altitudeMeters));
    painter.drawText(QPointF(kMargin, area.bottom()), lengthText(lowest));
}

TrackPreview::TrackPreview(QWidget* parent) : QWidget(parent) {
    summary_.setObjectName(QStringLiteral("lblPreviewSummary"));
    summary_.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summary_.setAlignment(Qt::AlignTop | Qt::AlignLeft);
    map_.setObjectName(QStringLiteral("previewMap"));
    profile_.setObjectName(QStringLiteral("previewProfile"));
    profile_.hide();
    // Side by side below the list: the figures, the track, its profile.
    layout_.setContentsMargins(0, 0, 0, 0);
    layout_.addWidget(&summary_);
    layout_.addWidget(&map_, 1);
    layout_.addWidget(&profile_, 1);
    connect(&watcher_, &QFutureWatcher<Reading>::finished, this, [this] { showReading(); });
}

TrackPreview::~TrackPreview() { stopReading(); }

void TrackPreview::stopReading() {
    if (stop_) stop_->store(true);
}

void TrackPreview::showFile(const std::filesystem::path& file, std::optional<FileKind> kind) {
    stopReading();
    stop_ = std::make_shared<std::atomic<bool>>(false);
    summary_.setText(tr("Reading %1 ...").arg(qStringOf(file.filename())));
    map_.setTrack({});
    profile_.setProfile({});
    watcher_.setFuture(QtConcurrent::run([file, kind, stop = stop_]() -> Reading {
        StopWhenAsked progress(stop);
        try {
            return {trackStatisticsOf(file, kind, &progress), file, {}};
        } catch (const ConversionCancelled&) {
            return {};
        } catch (const std::exception&) {
            return {std::nullopt, file, std::current_exception()};
        }
    }));
}

void TrackPreview::clear() {
    stopReading();
    summary_.clear();
    map_.setTrack({});
    profile_.setProfile({});
}

void TrackPreview::showReading() {
    const Reading reading = watcher_.result();
    if (reading.statistics) {
        showStatistics(*reading.statistics);
    } else if (reading.failure) {
        summary_.setText(failureText(reading.file, reading.failure));
        map_.setTrack({});
        profile_.setProfile({});
    }
    Q_EMIT shown();
}

void TrackPreview::showStatistics(const TrackStatistics& statistics) {
    summary_.setText(statisticsText(statistics));
    map_.setTrack(statistics.outline);
    profile_.setProfile(statistics.profile);
}

}  // namespace morlindo::ui
