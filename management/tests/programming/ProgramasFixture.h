// The rows the tests of the program editor and its item dialog need, and
// short WAV files, on the blocks tests' fresh program folder.
#pragma once

#include "support/ToneFile.h"
#include "../traffic/BloquesFixture.h"

#include <QDataStream>
#include <QFile>

class ProgramasFixture : public BloquesFixture {
protected:
    static void Programa(const QTime& hora, const QString& nombre, int tiempo)
    {
        Sql("INSERT INTO PROGRAMAS (HORA,NOMBRE,REALIZACION,TIEMPO,TIEMPO_VER) VALUES (" + SqlHora(hora) + "," +
            SqlTexto(nombre) + ",'Ana'," + QString::number(tiempo) + "," + SqlTexto(Tiempo(tiempo)) + ")");
    }

    static void Item(const QTime& hora, int numero, const QString& nombre, int tiempo)
    {
        Sql("INSERT INTO PROGRAMAS_CONTENIDO (HORA,NUMERO,NOMBRE,FICHERO,TIEMPO,TIEMPO_VER) VALUES (" +
            SqlHora(hora) + "," + QString::number(numero) + "," + SqlTexto(nombre) + "," +
            SqlTexto("/audio/" + nombre) + "," + QString::number(tiempo) + "," + SqlTexto(Tiempo(tiempo)) + ")");
    }

    // TIEMPO and TIEMPO_VER of the program at hora, "" when there is none.
    static QString Total(const QTime& hora)
    {
        return Filas("SELECT TIEMPO,TIEMPO_VER FROM PROGRAMAS WHERE HORA=" + SqlHora(hora)).value(0);
    }

    // The items of the program at hora as "NUMERO NOMBRE", in position order.
    static QStringList Items(const QTime& hora)
    {
        return Filas("SELECT NUMERO,NOMBRE FROM PROGRAMAS_CONTENIDO WHERE HORA=" + SqlHora(hora) +
                     " ORDER BY NUMERO,NOMBRE");
    }

    // A mono WAV of exactly the given seconds, in the test's folder.
    QString Wav(const QString& nombre, quint32 segundos) const
    {
        const QString path = dir_.filePath(nombre);
        EXPECT_TRUE(soundtest::WriteTone(path, {soundtest::Kind::Wav, 1000LL * segundos, 8000, 1}));
        return path;
    }
};
