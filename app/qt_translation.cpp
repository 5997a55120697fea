#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vantelo::app {

bool installQtChinese(QCoreApplication &application)
{
    auto *translator = new QTranslator(&application);
    // A portable Windows folder carries the file beside the program; on Linux
    // it is Qt's own translation folder.
    for (const QString &folder : {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(QStringLiteral("qtbase_zh_CN"), folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

} // namespace vantelo::app
