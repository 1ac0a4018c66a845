#pragma once

class QTranslator;

namespace selvio {

// Installs Qt's own Russian texts (the file dialogs, the overwrite question, the edits' context
// menu, the standard buttons) from "qtbase_ru" in Qt's translations folder. Returns the
// installed translator, owned by the application, or nullptr when the file is missing (Qt then
// speaks English).
QTranslator* InstallQtTranslation();

}  // namespace selvio
