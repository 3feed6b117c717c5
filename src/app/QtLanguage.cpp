#include "QtLanguage.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace twinsweep {

namespace {

QPointer<QTranslator>& Installed() {
    static QPointer<QTranslator> translator;
    return translator;
}

void RemoveTranslation() {
    if (QTranslator* translator = Installed().data()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

void SetDefaultLocale(const QLocale& locale) {
    QLocale::setDefault(locale);
    // The application hands the new default to every window and so to their widgets.
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
}

} // namespace

bool UseQtLanguage(const QLocale& locale) {
    RemoveTranslation();
    auto* translator = new QTranslator(QCoreApplication::instance());
    const bool found =
        translator->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (found) {
        QCoreApplication::installTranslator(translator);
        Installed() = translator;
    } else {
        delete translator;
    }
    SetDefaultLocale(locale);
    return found;
}

void ResetQtLanguage() {
    RemoveTranslation();
    SetDefaultLocale(QLocale::system());
}

} // namespace twinsweep
