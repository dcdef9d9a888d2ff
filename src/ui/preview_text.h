// The figures of a track as the preview words them, in the window's
// language: with the digits `morlindo info` gives (one rounding for both),
// times with their zone, and the round lengths of scale bars and axes.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>

#include "io/civil_time.h"

namespace morlindo::ui {

class PreviewText {
    Q_DECLARE_TR_FUNCTIONS(PreviewText)
};

// value with decimals digits after the window language's decimal point.
QString decimalNumber(double value, int decimals);
QString altitudeText(double metres);  // "123.4 m"
QString distanceText(double km);      // "12.345 km"
QString timeText(const DateTime& time, bool local);
QString durationText(std::int64_t seconds);

// A round length of at most `longest` metres: 1, 2 or 5 times a power of ten.
double roundLength(double longest);
// A round length, in m below a kilometre and in km above.
QString lengthText(double metres);

}  // namespace morlindo::ui
