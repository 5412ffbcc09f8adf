#include "toolkit/qt/qt_renderer.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool loadQtCzechTranslations()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load("qtbase_cs", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}
