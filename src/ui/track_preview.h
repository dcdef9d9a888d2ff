// The preview of the file selected in the list: its statistics as text, the
// track drawn to scale (TrackMapView), and, where the file has altitudes,
// the elevation profile. The file is read off the user-interface thread; a newer request
// stops an older reading. A file that cannot be read shows its error instead.
// The map's detail close up is read from the file the same way; a newer
// request, or another file, stops an older one and its result is dropped.
#pragma once

#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "convert/track_statistics.h"
#include "ui/fitting_label.h"
#include "ui/track_map_view.h"

namespace morlindo::ui {

// Altitude against distance along the track, with the altitudes at its
// lowest and highest points and a distance axis in round lengths.
class ElevationProfileView final : public QWidget {
public:
    explicit ElevationProfileView(QWidget* parent = nullptr);
    void setProfile(std::vector<ProfilePoint> profile);
    bool hasProfile() const { return profile_.size() >= 2; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawDistanceAxis(QPainter& painter, const QRectF& area, double distanceKm) const;

    std::vector<ProfilePoint> profile_;
};

class TrackPreview final : public QWidget {
    Q_OBJECT

public:
    explicit TrackPreview(QWidget* parent = nullptr);
    ~TrackPreview() override;

    // Starts reading the file; kind as the list knows it, or by extension.
    void showFile(const std::filesystem::path& file, std::optional<FileKind> kind = std::nullopt);
    void clear();

    // The statistics, or the error, as text that a screen reader reads.
    QLabel& summary() { return summary_; }
    TrackMapView& map() { return map_; }

Q_SIGNALS:
    // The preview of the last file asked for is on screen.
    void shown();

private:
    struct Reading {
        std::optional<TrackStatistics> statistics;
        // Worded on the window's thread, in the window's language.
        std::filesystem::path file;
        std::exception_ptr failure;
    };

    struct Detail {
        std::vector<TrackSample> samples;
        DetailRequest request;
        std::uint64_t generation = 0;  // 0: not read
    };

    void showReading();
    void showStatistics(const TrackStatistics& statistics);
    void stopReading();
    void readDetail(const DetailRequest& request);
    void showDetail();
    void stopDetail();

    QHBoxLayout layout_{this};
    FittingLabel summary_{FittingLabel::Mode::Wrap};
    TrackMapView map_;
    ElevationProfileView profile_;
    QFutureWatcher<Reading> watcher_;
    std::shared_ptr<std::atomic<bool>> stop_;
    std::filesystem::path file_;
    std::optional<FileKind> kind_;
    bool outlineThinned_ = false;  // only then has the file more detail to show
    QFutureWatcher<Detail> detailWatcher_;
    std::shared_ptr<std::atomic<bool>> detailStop_;
    std::uint64_t detailGeneration_ = 0;  // of the request whose result is shown
};

// The statistics as the preview words them, line by line.
QString statisticsText(const TrackStatistics& statistics);

}  // namespace morlindo::ui
