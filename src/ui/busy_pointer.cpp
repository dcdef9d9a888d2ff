#include "ui/busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace morlindo::ui {
namespace {

class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor)); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

ConverterTable withBusyPointer(ConverterTable converters) {
    for (Converter& converter : converters) {
        converter = [inner = std::move(converter)](const std::filesystem::path& inputPath,
                                                   const ConversionOptions& options) {
            const BusyPointer busy;
            inner(inputPath, options);
        };
    }
    return converters;
}

}  // namespace morlindo::ui
