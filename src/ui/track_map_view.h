// The track drawn to scale (Web Mercator, north up) with its start (a green
// dot) and end (a red square) and a scale bar. At first the whole track
// fits the view; the wheel zooms about the pointer, dragging pans, and a
// double click fits the whole track again. Resting the pointer near the
// track reads out its nearest point: time, altitude and distance from the
// start.
//
// The drawing is the thinned outline of the track, a few thousand points
// whatever the file's size, so zooming and panning stay quick. It is drawn
// as one line per segment, so that no line crosses a break between segments
// or tracks. Zoomed in beyond what the outline shows, the map asks its
// detail source for the points about the view, read again from the file,
// and draws them once they come while they cover the view; until then, and
// elsewhere, it draws the outline.
#pragma once

#include <QCoreApplication>
#include <QPointF>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "convert/track_detail.h"
#include "convert/track_statistics.h"

namespace morlindo::ui {

class TrackMapView final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TrackMapView)

public:
    explicit TrackMapView(QWidget* parent = nullptr);
    // lengthKm: the track's length, which the distances read out add up to.
    void setTrack(std::vector<TrackSample> outline, double lengthKm = 0,
                  bool timesAreLocal = false);

    // Asked, a moment after the view last changed while zoomed in, for the
    // detail of the region about the view; it answers with setDetail.
    using DetailSource = std::function<void(const DetailRequest&)>;
    void setDetailSource(DetailSource source) { detailSource_ = std::move(source); }
    void setDetail(std::vector<TrackSample> detail, const DetailRequest& request);
    // What the read-out says of the point nearest the pointer; empty when
    // the pointer is not near the track.
    const QString& readOut() const { return readOut_; }
    // How many lines the track is drawn as: one per segment.
    std::size_t lineCount() const { return lines_.size(); }
    // Zoom by factor about a point of the widget, as the wheel does.
    void zoomAbout(QPointF at, double factor);
    void panBy(QPointF pixels);
    void fitWholeTrack();
    // Reads out the point nearest to at, within a few pixels.
    void hoverAt(QPointF at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The part of the plane shown: its centre and pixels per unit.
    struct View {
        QPointF centre;
        double scale = 1;
    };

    View fittedView() const;
    View currentView() const { return view_.value_or(fittedView()); }
    using Lines = std::vector<std::pair<std::size_t, std::size_t>>;

    QPointF toScreen(QPointF projected, const View& view) const;
    GeoBounds visibleRegion(const View& view) const;
    bool detailCovers(const View& view) const;
    void viewChanged();
    void askForDetail();
    void drawLines(QPainter& painter, const std::vector<QPointF>& points, const Lines& lines,
                   const View& view) const;
    void drawScaleBar(QPainter& painter, const View& view) const;

    std::vector<TrackSample> outline_;
    std::vector<QPointF> projected_;
    std::vector<double> distanceKm_;  // from the start, for each point
    // The lines drawn, one per segment: [first, end) ranges of the outline.
    Lines lines_;
    // The detail drawn close up, and what it was read for.
    std::vector<QPointF> detailProjected_;
    Lines detailLines_;
    std::optional<DetailRequest> detailRequest_;
    DetailSource detailSource_;
    QTimer detailTimer_;
    std::optional<View> view_;  // none: the whole track fits
    QPointF dragFrom_;
    QString readOut_;
    std::optional<std::size_t> hovered_;
    bool timesAreLocal_ = false;
};

// The read-out of one point: its time, altitude and distance from the start.
QString pointReadOut(const TrackSample& sample, double distanceKm, bool timesAreLocal);

}  // namespace morlindo::ui
