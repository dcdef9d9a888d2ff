// The language of the window: Korean when the system's language is Korean,
// English otherwise, or what `--lang ko|en` on the command line asks for.
// The captions are written in English in the sources and translated with
// Qt Linguist (translations/morlindo_ko.ts, built into the program); Qt's
// own dialogs (the file and colour dialogs, the buttons of message boxes)
// take Qt's translations from the folder Qt keeps them in.
#pragma once

#include <QLocale>
#include <QStringList>

namespace morlindo::ui {

enum class Language { Korean, English };

// The language for a system locale and the program's arguments.
Language languageFor(const QLocale& system, const QStringList& arguments);
// The arguments without "--lang X" and "--lang=X": the files to open.
QStringList withoutLanguageArguments(const QStringList& arguments);

// Installs the translations of the language into the application, ours and
// Qt's own, in place of any installed before. Widgets made afterwards speak
// the language.
void useLanguage(Language language);

}  // namespace morlindo::ui
