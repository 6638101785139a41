#include "forms/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace forms::detail {

void UseSpanish()
{
    // Day and month names, the first day of the week and the like.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_es"), folder)) {
        delete translator;
        std::fprintf(stderr, "Varnook: no se encuentra %s; los diálogos de Qt se muestran en inglés.\n",
                     qPrintable(QDir::toNativeSeparators(folder + QStringLiteral("/qtbase_es.qm"))));
        return;
    }
    QCoreApplication::installTranslator(translator);
}

}  // namespace forms::detail
