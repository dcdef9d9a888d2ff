#include "ui/track_map_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/preview_text.h"
#include "ui/qt_text.h"

namespace morlindo::ui {
namespace {

constexpr int kMargin = 12;
// Web Mercator reaches the poles only at infinity; maps stop here.
constexpr double kMercatorLimit = 85.05112878;
// How far the view zooms in and out of the whole track.
constexpr double kFurthestZoomIn = 1e5;
constexpr double kFurthestZoomOut = 0.25;
// Zoomed in this far beyond the whole track, the map asks for detail.
constexpr double kDetailZoom = 4;
// The detail is read for the view widened by this share of its size on each
// side, so that a short pan stays within it, ...
constexpr double kDetailMargin = 0.5;
// ... and is asked for again when zoomed in this far beyond its step.
constexpr double kDetailCoarseness = 2;
// How long the view rests before the detail is asked for.
constexpr int kDetailDelayMs = 250;
// A wheel's notch (120) zooms by about 1.2.
constexpr double kZoomPerWheelUnit = 1.0015;
// The read-out takes the nearest point within this many pixels.
constexpr double kHoverPixels = 12;

QPointF mercator(double latitude, double longitude) {
    const double phi =
        std::clamp(latitude, -kMercatorLimit, kMercatorLimit) * std::numbers::pi / 180;
    return {longitude * std::numbers::pi / 180,
            -std::log(std::tan(std::numbers::pi / 4 + phi / 2))};
}

double latitudeOf(QPointF projected) {
    return std::atan(std::sinh(-projected.y())) * 180 / std::numbers::pi;
}

double longitudeOf(QPointF projected) { return projected.x() * 180 / std::numbers::pi; }

std::vector<QPointF> projectedOf(const std::vector<TrackSample>& samples) {
    std::vector<QPointF> projected;
    projected.reserve(samples.size());
    for (const TrackSample& s : samples) projected.push_back(mercator(s.latitude, s.longitude));
    return projected;
}

bool contains(const GeoBounds& outer, const GeoBounds& inner) {
    return outer.south <= inner.south && outer.north >= inner.north && outer.west <= inner.west &&
           outer.east >= inner.east;
}

GeoBounds widened(const GeoBounds& region, double share) {
    const double latitudes = (region.north - region.south) * share;
    const double longitudes = (region.east - region.west) * share;
    return {std::max(region.south - latitudes, -kMercatorLimit), region.west - longitudes,
            std::min(region.north + latitudes, kMercatorLimit), region.east + longitudes};
}

// The lines to draw, as [first, end) ranges of the outline: a new one at
// each sample that starts a segment, so that no line crosses a break.
std::vector<std::pair<std::size_t, std::size_t>> linesOf(const std::vector<TrackSample>& outline) {
    std::vector<std::pair<std::size_t, std::size_t>> lines;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        if (i == 0 || outline[i].startsSegment) lines.emplace_back(i, i);
        lines.back().second = i + 1;
    }
    return lines;
}

}  // namespace

QString pointReadOut(const TrackSample& sample, double distanceKm, bool timesAreLocal) {
    QStringList parts;
    if (sample.time) parts << timeText(*sample.time, timesAreLocal);
    if (sample.altitudeMeters) parts << altitudeText(*sample.altitudeMeters);
    parts << TrackMapView::tr("%1 from the start").arg(distanceText(distanceKm));
    return parts.join(QStringLiteral(" · "));
}

TrackMapView::TrackMapView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 60);
    setAccessibleName(tr("Track map"));
    setMouseTracking(true);
    setCursor(Qt::OpenHandCursor);
    detailTimer_.setSingleShot(true);
    detailTimer_.setInterval(kDetailDelayMs);
    connect(&detailTimer_, &QTimer::timeout, this, [this] { askForDetail(); });
}

// The distances along the thinned outline are scaled to the track's whole
// length, which the thinning shortens. Like that length, they add nothing
// across a break between segments.
void TrackMapView::setTrack(std::vector<TrackSample> outline, double lengthKm, bool timesAreLocal) {
    outline_ = std::move(outline);
    timesAreLocal_ = timesAreLocal;
    projected_.clear();
    distanceKm_.clear();
    double along = 0;
    for (std::size_t i = 0; i < outline_.size(); ++i) {
        const TrackSample& s = outline_[i];
        projected_.push_back(mercator(s.latitude, s.longitude));
        if (i > 0 && !s.startsSegment) {
            along += greatCircleKm(outline_[i - 1].latitude, outline_[i - 1].longitude, s.latitude,
                                   s.longitude);
        }
        distanceKm_.push_back(along);
    }
    if (along > 0 && lengthKm > 0) {
        for (double& distance : distanceKm_) distance *= lengthKm / along;
    }
    lines_ = linesOf(outline_);
    detailTimer_.stop();
    detailRequest_.reset();
    detailProjected_.clear();
    detailLines_.clear();
    view_.reset();
    readOut_.clear();
    hovered_.reset();
    update();
}

TrackMapView::View TrackMapView::fittedView() const {
    if (projected_.empty()) return {};
    const auto [left, right] = std::minmax_element(projected_.begin(), projected_.end(),
                                                   [](auto a, auto b) { return a.x() < b.x(); });
    const auto [top, bottom] = std::minmax_element(projected_.begin(), projected_.end(),
                                                   [](auto a, auto b) { return a.y() < b.y(); });
    const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin - 16);
    const double spanX = std::max(right->x() - left->x(), 1e-9);
    const double spanY = std::max(bottom->y() - top->y(), 1e-9);
    return {QPointF(left->x() + spanX / 2, top->y() + spanY / 2),
            std::max(std::min(area.width() / spanX, area.height() / spanY), 1e-9)};
}

QPointF TrackMapView::toScreen(QPointF projected, const View& view) const {
    const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin - 16);
    return area.center() + (projected - view.centre) * view.scale;
}

void TrackMapView::setDetail(std::vector<TrackSample> detail, const DetailRequest& request) {
    detailProjected_ = projectedOf(detail);
    detailLines_ = linesOf(detail);
    detailRequest_ = request;
    update();
}

GeoBounds TrackMapView::visibleRegion(const View& view) const {
    const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin - 16);
    const QPointF topLeft = view.centre - QPointF(area.width(), area.height()) / 2 / view.scale;
    const QPointF bottomRight = view.centre + QPointF(area.width(), area.height()) / 2 / view.scale;
    return {latitudeOf(bottomRight), longitudeOf(topLeft), latitudeOf(topLeft),
            longitudeOf(bottomRight)};
}

// The detail is drawn when it holds all the view shows.
bool TrackMapView::detailCovers(const View& view) const {
    return detailRequest_ && contains(detailRequest_->region, visibleRegion(view));
}

void TrackMapView::viewChanged() {
    detailTimer_.start();
    update();
}

// Asks for the detail about the view when the outline no longer resolves
// it and the detail at hand does not cover it finely enough.
void TrackMapView::askForDetail() {
    if (!detailSource_ || !view_ || view_->scale < fittedView().scale * kDetailZoom) return;
    const double degreesPerPixel = 180 / std::numbers::pi / view_->scale;
    if (detailCovers(*view_) &&
        detailRequest_->longitudeStep <= degreesPerPixel * kDetailCoarseness) {
        return;
    }
    DetailRequest request;
    request.region = widened(visibleRegion(*view_), kDetailMargin);
    const double farthest =
        std::max(std::abs(request.region.south), std::abs(request.region.north));
    request.longitudeStep = degreesPerPixel;
    request.latitudeStep = degreesPerPixel * std::cos(farthest * std::numbers::pi / 180);
    detailSource_(request);
}

void TrackMapView::zoomAbout(QPointF at, double factor) {
    if (projected_.empty()) return;
    const double fitted = fittedView().scale;
    View view = currentView();
    const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin - 16);
    const QPointF under = view.centre + (at - area.center()) / view.scale;
    view.scale =
        std::clamp(view.scale * factor, fitted * kFurthestZoomOut, fitted * kFurthestZoomIn);
    view.centre = under - (at - area.center()) / view.scale;
    view_ = view;
    viewChanged();
}

void TrackMapView::panBy(QPointF pixels) {
    if (projected_.empty()) return;
    View view = currentView();
    view.centre -= pixels / view.scale;
    view_ = view;
    viewChanged();
}

void TrackMapView::fitWholeTrack() {
    view_.reset();
    update();
}

void TrackMapView::hoverAt(QPointF at) {
    const View view = currentView();
    std::optional<std::size_t> nearest;
    double best = kHoverPixels * kHoverPixels;
    for (std::size_t i = 0; i < projected_.size(); ++i) {
        const QPointF d = toScreen(projected_[i], view) - at;
        const double squared = QPointF::dotProduct(d, d);
        if (squared <= best) {
            best = squared;
            nearest = i;
        }
    }
    if (nearest == hovered_) return;
    hovered_ = nearest;
    readOut_ = nearest ? pointReadOut(outline_[*nearest], distanceKm_[*nearest], timesAreLocal_)
                       : QString();
    update();
}

void TrackMapView::wheelEvent(QWheelEvent* event) {
    zoomAbout(event->position(), std::pow(kZoomPerWheelUnit, event->angleDelta().y()));
    event->accept();
}

void TrackMapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void TrackMapView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        panBy(event->position() - dragFrom_);
        dragFrom_ = event->position();
    } else {
        setCursor(Qt::OpenHandCursor);
    }
    hoverAt(event->position());
}

void TrackMapView::mouseDoubleClickEvent(QMouseEvent*) { fitWholeTrack(); }

void TrackMapView::leaveEvent(QEvent*) {
    hovered_.reset();
    readOut_.clear();
    update();
}

void TrackMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (projected_.empty()) return;
    const View view = currentView();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().highlight(), 2));
    if (detailCovers(view)) {
        drawLines(painter, detailProjected_, detailLines_, view);
    } else {
        drawLines(painter, projected_, lines_, view);
    }
    painter.setPen(QPen(palette().text(), 1));
    painter.setBrush(QColor(0, 160, 0));
    painter.drawEllipse(toScreen(projected_.front(), view), 5, 5);
    painter.setBrush(QColor(200, 0, 0));
    const QPointF end = toScreen(projected_.back(), view);
    painter.drawRect(QRectF(end.x() - 4, end.y() - 4, 8, 8));
    if (hovered_) {
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(toScreen(projected_[*hovered_], view), 6, 6);
        const QRectF box(4, 4, width() - 8, fontMetrics().height() + 4);
        painter.fillRect(box, palette().toolTipBase());
        painter.setPen(palette().toolTipText().color());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(readOut_, Qt::ElideRight, width() - 8));
        painter.setPen(QPen(palette().text(), 1));
    }
    drawScaleBar(painter, view);
}

void TrackMapView::drawLines(QPainter& painter, const std::vector<QPointF>& points,
                             const Lines& lines, const View& view) const {
    for (const auto& [first, end] : lines) {
        QPainterPath path(toScreen(points[first], view));
        for (std::size_t i = first + 1; i < end; ++i) path.lineTo(toScreen(points[i], view));
        painter.drawPath(path);
    }
}

// The scale bar, true at the latitude of the view's centre.
void TrackMapView::drawScaleBar(QPainter& painter, const View& view) const {
    const double latitude = 2 * std::atan(std::exp(-view.centre.y())) * 180 / std::numbers::pi - 90;
    const double metresPerPixel =
        kEarthRadiusKm * 1000 * std::cos(latitude * std::numbers::pi / 180) / view.scale;
    const double metres = roundLength(metresPerPixel * width() / 4);
    const double pixels = metres / metresPerPixel;
    const QPointF barStart(kMargin, height() - kMargin);
    painter.drawLine(barStart, barStart + QPointF(pixels, 0));
    painter.drawText(barStart + QPointF(pixels + 4, 4), lengthText(metres));
}

}  // namespace morlindo::ui
