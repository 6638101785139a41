// The rows the tests of the program editor and its item dialog need, and
// short WAV files, on the blocks tests' fresh program folder.
#pragma once

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

    // A silent 8 kHz 8-bit mono WAV of exactly the given seconds, in the test's folder.
    QString Wav(const QString& nombre, quint32 segundos) const
    {
        const QString path = dir_.filePath(nombre);
        const quint32 frames = 8000 * segundos;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QDataStream out(&file);
        out.setByteOrder(QDataStream::LittleEndian);
        out.writeRawData("RIFF", 4);
        out << quint32(36 + frames);
        out.writeRawData("WAVEfmt ", 8);
        out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(8000) << quint16(1)
            << quint16(8);
        out.writeRawData("data", 4);
        out << frames;
        file.write(QByteArray(static_cast<int>(frames), static_cast<char>(128)));
        return path;
    }
};
