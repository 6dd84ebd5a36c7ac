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

// Not quit(): that first asks every window to close, and a secondary window answers a close by
// handing control back to the main window instead.
void Terminate() { QCoreApplication::exit(0); }

}  // namespace toolkit
