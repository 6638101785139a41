// A fresh program folder with empty databases for the tests of the
// programming editor and its move dialog (that of the blocks form's tests),
// audio files of a given length, and the rows their cases need.
#pragma once

#include "support/ToneFile.h"
#include "../traffic/BloquesFixture.h"

#include "programming/F_Programacion.h"

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
    // A mono WAV of the given length, in the test's folder.
    QString Wav(const QString& nombre, int milisegundos) const
    {
        const QString ruta = dir_.filePath(nombre);
        EXPECT_TRUE(soundtest::WriteTone(ruta, {soundtest::Kind::Wav, milisegundos, 8000, 1}));
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
