#pragma once

#include <QString>
#include <functional>

#include "words/language.h"

class QComboBox;
class QGridLayout;

namespace selvio {

// What the window says when the user has chosen `chosen` while `shown` is in use: that the
// choice takes effect at the next start, in the language in use and, when it differs, in the
// chosen one, so that both the user who made the choice by mistake and the one who needs it can
// read it; and when SELVIO_LANG (`environment`) decides the language, that it does while it is
// set. Empty when there is nothing to say: the chosen language is the one in use and the next
// start keeps it.
QString LanguageChoiceNotice(Language chosen, Language shown, const QString& environment);

// Adds the window's language choice to the command strip `commands` at `row` and the row after
// it: a caption and a list of the languages, each named in itself ("Русский", "English") so that
// a user who does not read the language in use finds their own. The list starts at the language
// in use; a user's choice is remembered for the user (RememberLanguage) and takes effect at the
// next start, which `tell` says (LanguageChoiceNotice), as it says a choice that could not be
// kept. Returns the list, for the order of Tab.
QComboBox* AddLanguageChoice(QGridLayout* commands, int row,
                             std::function<void(const QString&)> tell);

}  // namespace selvio
