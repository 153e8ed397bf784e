#include "ui/translated_texts.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>
#include <QVariant>

namespace ui {

namespace {

// The dynamic property that keeps a translated property's context and source.
constexpr char kSourcePrefix[] = "translatedFrom:";

void Retranslate(QObject* object) {
    const QList<QByteArray> names = object->dynamicPropertyNames();
    for (const QByteArray& name : names) {
        if (!name.startsWith(kSourcePrefix)) {
            continue;
        }
        const QStringList kept = object->property(name.constData()).toStringList();
        if (kept.size() != 2) {
            continue;
        }
        const QByteArray context = kept[0].toUtf8();
        const QByteArray source = kept[1].toUtf8();
        const QByteArray property = name.mid(int(sizeof kSourcePrefix) - 1);
        object->setProperty(property.constData(),
                            QCoreApplication::translate(context.constData(), source.constData()));
    }
}

}  // namespace

void SetTranslatedText(QObject* object, const char* property, const char* context,
                       const char* source) {
    const QByteArray name = QByteArray(kSourcePrefix) + property;
    object->setProperty(name.constData(),
                        QStringList{QString::fromLatin1(context), QString::fromUtf8(source)});
    object->setProperty(property, QCoreApplication::translate(context, source));
}

void RetranslateTexts(QObject* root) {
    Retranslate(root);
    const QList<QObject*> all = root->findChildren<QObject*>();
    for (QObject* object : all) {
        Retranslate(object);
    }
}

}  // namespace ui
