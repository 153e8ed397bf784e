#pragma once

#include <QMetaObject>

class QObject;

namespace ui {

// Shows a text of the program in the language spoken, and again in the next one: the English
// source is kept on the object, and RetranslateTexts sets the property anew from it. The source
// is marked for the translators where it is written, with QT_TR_NOOP in the class whose
// translations it takes (context).
void SetTranslatedText(QObject* object, const char* property, const char* context,
                       const char* source);
inline void SetTranslatedText(QObject* object, const char* property, const QMetaObject& context,
                              const char* source) {
    SetTranslatedText(object, property, context.className(), source);
}

// Sets every text kept by SetTranslatedText on root and everything under it in the language now
// spoken; a window calls it on QEvent::LanguageChange.
void RetranslateTexts(QObject* root);

}  // namespace ui
