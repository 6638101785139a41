// The tests of the programming editor and its move dialog, on the blocks
// tests' fixture, and the rows their cases need.
#pragma once

#include "../traffic/BloquesFixture.h"

#include "programming/F_Programacion.h"

#include "forms/MsgBox.h"

#include <ostream>

// Readable failures of row lists.
inline void PrintTo(const QStringList& filas, std::ostream* os)
{
    *os << "\n  " << filas.join("\n  ").toStdString();
}

class EditorPrueba : public BloquesFixture {
protected:
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
