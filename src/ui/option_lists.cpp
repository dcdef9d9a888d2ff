#include "ui/option_lists.h"

namespace morlindo::ui {

int timeZoneHoursAt(int index) { return index - 12; }

std::string timeZoneLabel(int index) {
    const int hours = timeZoneHoursAt(index);
    return hours < 0 ? "GMT-" + std::to_string(-hours) : "GMT+" + std::to_string(hours);
}

}  // namespace morlindo::ui
