#include "station/SqlTexto.h"

#include <QLocale>

QString SqlTexto(const QString& texto)
{
    return QLatin1Char('\'') + QString(texto).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

QString SqlNumero(double numero)
{
    return QString::number(numero, 'f', QLocale::FloatingPointShortest);
}

QString SqlHora(const QTime& hora)
{
    return QLatin1Char('#') + hora.toString(QStringLiteral("hh:mm:ss")) + QLatin1Char('#');
}

QString SqlHora(const jet::Value& hora)
{
    return QLatin1Char('#') + hora.toTimeText() + QLatin1Char('#');
}

QString SqlFecha(const QDate& fecha)
{
    return QLatin1Char('#') + fecha.toString(QStringLiteral("MM/dd/yy")) + QLatin1Char('#');
}

QString SqlFecha(const jet::Value& fecha)
{
    return SqlFecha(fecha.toDate());
}
