// The tests of the blocks form and the contract search, and of the forms that
// work on their rows: the rows their cases need, and no error left untrapped
// at the end.
#pragma once

#include "support/StationFixture.h"

#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "station/Tiempo.h"

#include <QDate>
#include <QStringList>
#include <QTime>

struct Contrato {
    int orden;
    QString nombre, campaña, voz;
    int periodo = 5;  // days from today; the second period date is 25 days later
    int duracion = 30;
};

class BloquesFixture : public StationFixture {
protected:
    void TearDown() override { ExpectNoUntrappedErrors(); }

    static void Sql(const QString& sql) { Execute(DornaPath(), sql); }

    // The rows of a query on Dorna.MDB, each as its values joined by blanks.
    static QStringList Filas(const QString& sql) { return Rows(DornaPath(), sql, u' '); }

    static void Bloque(const QTime& hora, int tiempo)
    {
        Sql("INSERT INTO BLOQUES (HORA,NOMBRE,DURACION,PRIORITARIO,TIEMPO,TIEMPO_VER) VALUES (" + SqlHora(hora) + ",'',"
            + SqlHora(QTime(0, 5)) + ",0," + QString::number(tiempo) + "," + SqlTexto(Tiempo(tiempo)) + ")");
    }

    static void Guardar(const Contrato& c)
    {
        const QDate hoy = QDate::currentDate();
        Sql(QString("INSERT INTO PUBLICIDAD (ORDEN,CLIENTE,CLIENTE_NOMBRE,CAMPAÑA,PERIODO,PERIODO2,CUÑA,NOMBRE,"
                    "DURACION,DURACION_MOSTRAR,VOZ,COMENTARIO,EMISIONES) VALUES (%1,1,'Cliente',%2,%3,%4,%5,%6,%7,"
                    "%8,%9,'',0)")
                .arg(c.orden)
                .arg(SqlTexto(c.campaña), SqlFecha(hoy.addDays(c.periodo)), SqlFecha(hoy.addDays(c.periodo + 25)),
                     SqlTexto("/cuñas/" + c.nombre), SqlTexto(c.nombre), QString::number(c.duracion),
                     SqlTexto(Tiempo(c.duracion)), SqlTexto(c.voz)));
    }

    // A spot of contract orden placed in the block at bloque, at position numero.
    static void Colocar(const QTime& bloque, int orden, int numero, int tiempo)
    {
        Sql(QString("INSERT INTO PUBLICIDAD_CONTENIDO (ORDEN,BLOQUE,NUMERO,FICHERO,NOMBRE,TIEMPO,TIEMPO_VER,"
                    "FECHA1,FECHA2) VALUES (%1,%2,%3,'/cuñas/c%1.wav','c%1.wav',%4,%5,%6,%6)")
                .arg(orden)
                .arg(SqlHora(bloque))
                .arg(numero)
                .arg(tiempo)
                .arg(SqlTexto(Tiempo(tiempo)), SqlFecha(QDate::currentDate().addDays(5))));
    }
};
