// Failures in the window's language. The core words its errors in English;
// an Error also carries its reason as an English pattern and the values
// that fill it, so the window looks the pattern up in its translations
// (context "CoreReason"; core_reasons.cpp lists every pattern of the core
// for Qt Linguist) and the system's words for an errno value in its own
// (context "SystemReason"). Without a translation the English text stands.
#pragma once

#include <QString>
#include <exception>
#include <filesystem>

#include "io/error.h"

namespace morlindo::ui {

// The reason of an Error, its places filled.
QString reasonText(const Error& error);

// The text of the failure message of a batch: the file, the line where it
// is known, and the reason. A failure that is no Error is named after the
// input.
QString failureText(const std::filesystem::path& input, const std::exception_ptr& failure);

}  // namespace morlindo::ui
