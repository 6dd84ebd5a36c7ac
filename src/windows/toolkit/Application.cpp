// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"

#include "ProgramWindow.h"

#include "language/Translations.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace toolkit {

namespace {

std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

// The platform the toolkit will start: "-platform NAME" on the command line, else QT_QPA_PLATFORM.
std::string_view ChosenPlatform(int argc, const char* const argv[]) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return argv[i + 1];
    return Environment("QT_QPA_PLATFORM");
}

// Whether every platform of a list such as "xcb" or "xcb:option;xcb" is the X11 one.
bool OnlyX11(std::string_view platforms) {
    bool named = false;
    while (!platforms.empty()) {
        const std::size_t end = platforms.find(';');
        const std::string_view entry = platforms.substr(0, end);
        const std::string_view name = entry.substr(0, entry.find(':'));
        if (!name.empty()) {
            if (name != "xcb") return false;
            named = true;
        }
        platforms = end == std::string_view::npos ? std::string_view() : platforms.substr(end + 1);
    }
    return named;
}

// Said before the toolkit starts, so in the interface's catalogue rather than through tr().
std::string Say(const movement::Text& text) { return language::Interface().Say(text); }

std::string DisplayAdvice() {
    return Say({RZ_TEXT("toolkit",
                        "Uruchom program na pulpicie albo na ekranie wirtualnym, na przykład:\n"
                        "  xvfb-run -s \"-screen 0 1024x768x24\" rozstawiki\n"
                        "Pliki PDF bez okien tworzy rozstawiki-pdf (rozstawiki-pdf --help).\n")});
}

QtMessageHandler previousHandler = nullptr;

void EndOnFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (previousHandler != nullptr) previousHandler(type, context, message);
        return;
    }
    const std::string notice = Say({RZ_TEXT("toolkit", "Nie udało się otworzyć okien programu na ekranie \"%1\".\n"),
                                    {std::string(Environment("DISPLAY"))}}) +
                               DisplayAdvice();
    std::fputs(notice.c_str(), stderr);
    std::_Exit(1);
}

}  // namespace

QString ApplicationTitle() {
    return QString::fromStdString(language::Interface().Say(RZ_TEXT("toolkit", "Rozstawiki stolikowe")));
}

void SetUpApplication(QApplication& application) {
    // The display name would be appended to every window caption, so only the name is set.
    QApplication::setApplicationName(ApplicationTitle());
    QApplication::setQuitOnLastWindowClosed(false);
    FitDialogsOnScreen(application);

#ifdef _WIN32
    // Qt's own texts travel with the program: Windows has no copy of them for every program.
    const QString translations = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    // The program's own texts, and Qt's in the same language: Qt's are English as written.
    const language::Translations& interface = language::Interface();
    QApplication::installTranslator(&interface.translator());
    const QString code = QString::fromLatin1(interface.language().code);
    if (code == QLatin1String("en")) return;
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"), translations))
        QApplication::installTranslator(translator);
}

std::string MissingDisplayNotice(int argc, const char* const argv[]) {
    const std::string_view platform = ChosenPlatform(argc, argv);
    const bool x11 = OnlyX11(platform);
#ifdef _WIN32
    // Windows always has its desktop; only a platform on an X server can miss its display.
    if (!x11) return {};
#endif
    if (!platform.empty() && !x11) return {};
    if (!Environment("DISPLAY").empty()) return {};
    if (!x11 && !Environment("WAYLAND_DISPLAY").empty()) return {};
    return Say({RZ_TEXT(
               "toolkit",
               "Nie znaleziono ekranu, na którym można pokazać okna programu (zmienna DISPLAY jest pusta).\n")}) +
           DisplayAdvice();
}

DisplayFailureGuard::DisplayFailureGuard() { previousHandler = qInstallMessageHandler(EndOnFatalMessage); }

DisplayFailureGuard::~DisplayFailureGuard() { qInstallMessageHandler(previousHandler); }

// Not quit(): that first asks every window to close, and a secondary window answers a close by
// handing control back to the main window instead.
void Terminate() { QCoreApplication::exit(0); }

std::string FileNameOf(const QString& name) {
#ifdef _WIN32
    return name.toStdString();  // UTF-8, as the file system's names are kept on Windows
#else
    return QFile::encodeName(name).toStdString();
#endif
}

}  // namespace toolkit
