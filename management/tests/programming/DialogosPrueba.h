// The editor's test folder with what the dialogs that create, open and fill
// programmings also need: programs and rotation names.
#pragma once

#include "EditorPrueba.h"

#include "station/Tiempo.h"

class DialogosPrueba : public EditorPrueba {
protected:
    static void Programa(const QTime& hora, const QString& nombre, int tiempo)
    {
        Sql("INSERT INTO PROGRAMAS (HORA,NOMBRE,REALIZACION,TIEMPO,TIEMPO_VER) VALUES (" + SqlHora(hora) + ","
            + SqlTexto(nombre) + ",'Redacción'," + QString::number(tiempo) + "," + SqlTexto(Tiempo(tiempo)) + ")");
    }

    static void Rotacion(const QString& nombre)
    {
        Execute(ContinuidadPath(), "INSERT INTO NOMBRE (NOMBRE) VALUES (" + SqlTexto(nombre) + ")");
    }

    // A row of 60 seconds.
    static void Fila(const QString& programacion, const QTime& hora, const QString& tipo)
    {
        EditorPrueba::Fila(programacion, hora, tipo, "Fila", "00:01:00", hora.addSecs(60), "/audio/fila.wav");
    }
};
