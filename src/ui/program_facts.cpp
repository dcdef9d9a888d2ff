#include "ui/program_facts.h"

#include "io/version.h"

namespace morlindo::ui {
namespace {

const std::string kTenSpaces(10, ' ');

}  // namespace

std::string mainWindowTitle() {
    return "AlMap Track & NMEA <--> Ozi Track/Route/WayPoints & NMEA(Ver. " +
           std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision) + ")";
}

std::string aboutText(std::string_view credit) {
    return kTenSpaces + "MorlindoConverter " + "Version " + std::to_string(kVersionMajor) + "." +
           std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision) + kTenSpaces +
           "\r\n" + kTenSpaces + std::string(credit) + kTenSpaces;
}

}  // namespace morlindo::ui
