// A fresh program folder with empty databases for the tests of the
// programming editor and its move dialog (that of the blocks form's tests),
// audio files of a given length, and the rows their cases need.
#pragma once

#include "../traffic/BloquesFixture.h"

#include "F_Programacion.h"

#include "forms/MsgBox.h"

#include <QDataStream>
#include <QFile>

#include <ostream>

// Readable failures of row lists.
inline void PrintTo(const QStringList& filas, std::ostream* os)
{
    *os << "\n  " << filas.join("\n  ").toStdString();
}

class EditorPrueba : public BloquesFixture {
protected:
    // A mono 16-bit PCM WAV of the given length, in the test's folder.
    QString Wav(const QString& nombre, int milisegundos) const
    {
        constexpr quint32 muestras_por_segundo = 8000;
        const quint32 datos = muestras_por_segundo * 2 * static_cast<quint32>(milisegundos) / 1000;
        const QString ruta = dir_.filePath(nombre);
        QFile fichero(ruta);
        EXPECT_TRUE(fichero.open(QIODevice::WriteOnly));
        QDataStream out(&fichero);
        out.setByteOrder(QDataStream::LittleEndian);
        out.writeRawData("RIFF", 4);
        out << quint32(36 + datos);
        out.writeRawData("WAVEfmt ", 8);
        out << quint32(16) << quint16(1) << quint16(1) << muestras_por_segundo << quint32(muestras_por_segundo * 2)
            << quint16(2) << quint16(16);
        out.writeRawData("data", 4);
        out << datos;
        const QByteArray silencio(static_cast<int>(datos), '\0');
        out.writeRawData(silencio.constData(), static_cast<int>(datos));
        return ruta;
    }

    static void SqlMusica(const QString& sql) { jet::DBEngine().OpenDatabase(MusicaPath()).Execute(sql); }

    static void Programacion(const QString& nombre, const QString& dias = "0,0,0,0,0,0,0")
    {
        Sql("INSERT INTO PROGRAMACION_NOMBRE (NOMBRE,LUNES,MARTES,MIERCOLES,JUEVES,VIERNES,SABADO,DOMINGO) VALUES ("
            + SqlTexto(nombre) + "," + dias + ")");
    }

    static void Fila(const QString& programacion, const QTime& hora, const QString& tipo, const QString& descripcion,
                     const QString& tiempo, const QTime& fin, const QString& fichero)
    {
        Sql("INSERT INTO PROGRAMACION (PROGRAMACION,HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO) VALUES ("
            + SqlTexto(programacion) + "," + SqlHora(hora) + "," + SqlTexto(tipo) + "," + SqlTexto(descripcion) + ","
            + SqlTexto(tiempo) + "," + SqlHora(fin) + "," + SqlTexto(fichero) + ")");
    }

    // The editor with the programming nombre open.
    static F_Programacion& Abrir(QString nombre)
    {
        F_Programacion& f = forms::Get<F_Programacion>();
        f.Buscar(nombre);
        return f;
    }
};
