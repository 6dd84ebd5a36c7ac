#include "Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace toolkit {

QString ApplicationTitle() { return QStringLiteral("Rozstawiki stolikowe"); }

void SetUpApplication(QApplication& application) {
    // The display name would be appended to every window caption, so only the name is set.
    QApplication::setApplicationName(ApplicationTitle());
    QApplication::setQuitOnLastWindowClosed(false);

    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

void Terminate() { QCoreApplication::quit(); }

}  // namespace toolkit
