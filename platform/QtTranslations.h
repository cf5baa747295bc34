#pragma once

#include <string>

class QTranslator;

// Installs Qt's own texts (file dialogs, message box buttons, the context menus of text fields) in
// the language, from Qt's installed translations. The translator belongs to the application; deleting
// it takes the texts back to English. None for English, or when Qt has no translation for the language.
QTranslator* InstallQtTranslations(const std::string& language);
