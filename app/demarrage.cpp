#include "demarrage.h"

#include "polices.h"

#include <QApplication>
#include <QLibraryInfo>
#ifdef Q_OS_WIN
#include <QStyleHints>
#endif
#include <QLocale>
#include <QTranslator>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

void PreparerApplication(QApplication& application)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto* traductionQt = new QTranslator(&application);
    if (traductionQt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductionQt);

    InstallerPolicesDeRemplacement();
#ifdef Q_OS_WIN
    // The window is laid out to the letter in the classic style's paddings,
    // and its captions and results are red and green on the system's light
    // face: Windows 11's own style and dark mode would undo both.
    QApplication::setStyle(QStringLiteral("windowsvista"));
    QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
    // The installer will not replace or remove the program while this
    // mutex exists; Windows releases it when the process ends.
    CreateMutexW(nullptr, FALSE, L"Corvane");
#endif
}
