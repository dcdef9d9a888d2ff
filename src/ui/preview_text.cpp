#include "ui/preview_text.h"

#include <QLocale>
#include <cmath>

#include "convert/track_statistics.h"
#include "ui/qt_text.h"

namespace morlindo::ui {

QString decimalNumber(double value, int decimals) {
    QString text = fromUtf8(decimalText(value, decimals));
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString altitudeText(double metres) {
    return PreviewText::tr("%1 m").arg(decimalNumber(metres, kAltitudeDecimals));
}

QString distanceText(double km) {
    return PreviewText::tr("%1 km").arg(decimalNumber(km, kLengthDecimals));
}

QString timeText(const DateTime& time, bool local) {
    const QString text = QStringLiteral("%1-%2-%3 %4:%5:%6")
                             .arg(time.year, 4, 10, QLatin1Char('0'))
                             .arg(time.month, 2, 10, QLatin1Char('0'))
                             .arg(time.day, 2, 10, QLatin1Char('0'))
                             .arg(time.hour, 2, 10, QLatin1Char('0'))
                             .arg(time.minute, 2, 10, QLatin1Char('0'))
                             .arg(time.second, 2, 10, QLatin1Char('0'));
    return local ? PreviewText::tr("%1 (local time)").arg(text) : text + QStringLiteral(" UTC");
}

QString durationText(std::int64_t seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

double roundLength(double longest) {
    if (!(longest > 0)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(longest)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * power <= longest) return step * power;
    }
    return power;
}

QString lengthText(double metres) {
    return metres >= 1000 ? PreviewText::tr("%1 km").arg(metres / 1000)
                          : PreviewText::tr("%1 m").arg(metres);
}

}  // namespace morlindo::ui
