// The rows the tests of the program editor and its item dialog need, on the
// blocks tests' fixture.
#pragma once

#include "../traffic/BloquesFixture.h"

class ProgramasFixture : public BloquesFixture {
protected:
    static void Programa(const QTime& hora, const QString& nombre, int tiempo)
    {
        Sql("INSERT INTO PROGRAMAS (HORA,NOMBRE,REALIZACION,TIEMPO,TIEMPO_VER) VALUES (" + SqlHora(hora) + ","
            + SqlTexto(nombre) + ",'Ana'," + QString::number(tiempo) + "," + SqlTexto(Tiempo(tiempo)) + ")");
    }

    static void Item(const QTime& hora, int numero, const QString& nombre, int tiempo)
    {
        Sql("INSERT INTO PROGRAMAS_CONTENIDO (HORA,NUMERO,NOMBRE,FICHERO,TIEMPO,TIEMPO_VER) VALUES (" + SqlHora(hora)
            + "," + QString::number(numero) + "," + SqlTexto(nombre) + "," + SqlTexto("/audio/" + nombre) + ","
            + QString::number(tiempo) + "," + SqlTexto(Tiempo(tiempo)) + ")");
    }

    // TIEMPO and TIEMPO_VER of the program at hora, "" when there is none.
    static QString Total(const QTime& hora)
    {
        return Filas("SELECT TIEMPO,TIEMPO_VER FROM PROGRAMAS WHERE HORA=" + SqlHora(hora)).value(0);
    }

    // The items of the program at hora as "NUMERO NOMBRE", in position order.
    static QStringList Items(const QTime& hora)
    {
        return Filas("SELECT NUMERO,NOMBRE FROM PROGRAMAS_CONTENIDO WHERE HORA=" + SqlHora(hora)
                     + " ORDER BY NUMERO,NOMBRE");
    }
};
