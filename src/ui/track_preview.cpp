#include "ui/track_preview.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/preview_text.h"
#include "ui/qt_text.h"
#include "ui/reason_text.h"

namespace morlindo::ui {
namespace {

constexpr int kMargin = 12;
// Room below the profile for the distance axis.
constexpr int kAxisHeight = 18;

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
    lines << TrackPreview::tr("Length: %1").arg(distanceText(s.lengthKm));
    lines << TrackPreview::tr("Tracks: %1, segments: %2, waypoints: %3, routes: %4")
                 .arg(locale.toString(static_cast<qulonglong>(s.tracks)),
                      locale.toString(static_cast<qulonglong>(s.segments)),
                      locale.toString(static_cast<qulonglong>(s.waypoints)),
                      locale.toString(static_cast<qulonglong>(s.routes)));
    if (s.firstTime && s.lastTime) {
        lines << TrackPreview::tr("Start: %1").arg(timeText(*s.firstTime, s.timesAreLocal));
        lines << TrackPreview::tr("End: %1").arg(timeText(*s.lastTime, s.timesAreLocal));
        if (const auto seconds = s.durationSeconds()) {
            lines << TrackPreview::tr("Duration: %1").arg(durationText(*seconds));
        }
    }
    if (s.bounds) {
        lines << TrackPreview::tr("Latitude: %1 to %2")
                     .arg(decimalNumber(s.bounds->south, kCoordinateDecimals),
                          decimalNumber(s.bounds->north, kCoordinateDecimals));
        lines << TrackPreview::tr("Longitude: %1 to %2")
                     .arg(decimalNumber(s.bounds->west, kCoordinateDecimals),
                          decimalNumber(s.bounds->east, kCoordinateDecimals));
    }
    if (s.lowestMeters && s.highestMeters) {
        lines << TrackPreview::tr("Altitude: %1 to %2, ascent %3")
                     .arg(altitudeText(*s.lowestMeters), altitudeText(*s.highestMeters),
                          altitudeText(s.ascentMeters));
    }
    if (s.linesRead && s.sentencesPassedOver) {
        lines << TrackPreview::tr("Lines: %1, passed over: %2")
                     .arg(locale.toString(static_cast<qulonglong>(*s.linesRead)),
                          locale.toString(static_cast<qulonglong>(*s.sentencesPassedOver)));
    }
    return lines.join(QLatin1Char('\n'));
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
    const int labelWidth = fontMetrics().horizontalAdvance(altitudeText(high->altitudeMeters));
    const QRectF area = QRectF(rect()).adjusted(kMargin + labelWidth + 4, kMargin, -kMargin,
                                                -kMargin - kAxisHeight);
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
    painter.drawText(QPointF(kMargin, area.top() + fontMetrics().ascent()),
                     altitudeText(high->altitudeMeters));
    // Where both labels have room.
    if (area.height() > 2 * fontMetrics().height()) {
        painter.drawText(QPointF(kMargin, area.bottom()), altitudeText(lowest));
    }
    drawDistanceAxis(painter, area, distance);
}

// Ticks at round distances along the bottom, as many as have room.
void ElevationProfileView::drawDistanceAxis(QPainter& painter, const QRectF& area,
                                            double distanceKm) const {
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    const int labelRoom = fontMetrics().horizontalAdvance(lengthText(distanceKm * 1000)) + 16;
    const int ticks = std::max(1, static_cast<int>(area.width() / labelRoom));
    const double step = roundLength(distanceKm * 1000 / ticks);
    double labelsEnd = -1;  // where the last label drawn ends
    for (double metres = 0; metres <= distanceKm * 1000 + 1e-6; metres += step) {
        const double x = area.left() + area.width() * metres / (distanceKm * 1000);
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 3));
        const QString label = lengthText(metres);
        const double labelWidth = fontMetrics().horizontalAdvance(label);
        const double left = std::clamp(x - labelWidth / 2, 0.0, width() - labelWidth);
        if (left < labelsEnd + 8) continue;
        painter.drawText(QPointF(left, area.bottom() + 3 + fontMetrics().ascent()), label);
        labelsEnd = left + labelWidth;
    }
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
    connect(&detailWatcher_, &QFutureWatcher<Detail>::finished, this, [this] { showDetail(); });
    map_.setDetailSource([this](const DetailRequest& request) { readDetail(request); });
}

TrackPreview::~TrackPreview() {
    stopReading();
    stopDetail();
}

void TrackPreview::stopDetail() {
    if (detailStop_) detailStop_->store(true);
    ++detailGeneration_;
}

void TrackPreview::readDetail(const DetailRequest& request) {
    if (!outlineThinned_) return;
    stopDetail();
    detailStop_ = std::make_shared<std::atomic<bool>>(false);
    detailWatcher_.setFuture(
        QtConcurrent::run([file = file_, kind = kind_, request, generation = detailGeneration_,
                           stop = detailStop_]() -> Detail {
            StopWhenAsked progress(stop);
            try {
                return {trackDetailOf(file, kind, request, &progress), request, generation};
            } catch (...) {
                return {};  // stopped, or the file changed since: the outline stays
            }
        }));
}

void TrackPreview::showDetail() {
    const Detail detail = detailWatcher_.result();
    if (detail.generation == detailGeneration_) map_.setDetail(detail.samples, detail.request);
}

void TrackPreview::stopReading() {
    if (stop_) stop_->store(true);
}

void TrackPreview::showFile(const std::filesystem::path& file, std::optional<FileKind> kind) {
    stopReading();
    stopDetail();
    file_ = file;
    kind_ = kind;
    outlineThinned_ = false;
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
    stopDetail();
    outlineThinned_ = false;
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
    outlineThinned_ = statistics.points > statistics.outline.size();
    map_.setTrack(statistics.outline, statistics.lengthKm, statistics.timesAreLocal);
    profile_.setProfile(statistics.profile);
}

}  // namespace morlindo::ui
