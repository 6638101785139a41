// A fresh program folder with empty databases for the tests of the blocks
// form and the contract search, and the rows their cases need.
#pragma once

#include "menu/F_Menu.h"

#include "station/Databases.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "station/Tiempo.h"

#include "forms/TestSeam.h"
#include "jet/Engine.h"

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>
#include <QTime>

#include <gtest/gtest.h>

struct Contrato {
    int orden;
    QString nombre, campaña, voz;
    int periodo = 5;   // days from today; the second period date is 25 days later
    int duracion = 30;
};

class BloquesFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        qputenv("VARNOOK_DATA_DIR", dir_.path().toUtf8());
        CreateMissingDatabases(dir_.path());
        // The menu's start-up readjustment runs on the empty database, not on a case's rows.
        forms::Get<F_Menu>();
    }

    void TearDown() override
    {
        EXPECT_TRUE(forms::test::Errors().empty()) << forms::test::Errors().front().toStdString();
    }

    static void Sql(const QString& sql) { jet::DBEngine().OpenDatabase(DornaPath()).Execute(sql); }

    // The rows of a query, each as its values joined by blanks.
    static QStringList Filas(const QString& sql)
    {
        jet::Recordset rs = jet::DBEngine().OpenDatabase(DornaPath()).OpenRecordset(sql);
        QStringList filas;
        for (; !rs.EOF(); rs.MoveNext()) {
            QStringList valores;
            for (int c = 0; c < rs.FieldCount(); ++c)
                valores << rs.Fields(c).Value().toString();
            filas << valores.join(' ');
        }
        return filas;
    }

    static void Bloque(const QTime& hora, int tiempo)
    {
        Sql("INSERT INTO BLOQUES (HORA,NOMBRE,DURACION,PRIORITARIO,TIEMPO,TIEMPO_VER) VALUES (" + SqlHora(hora) +
            ",''," + SqlHora(QTime(0, 5)) + ",0," + QString::number(tiempo) + "," + SqlTexto(Tiempo(tiempo)) +
            ")");
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

    static QStringList Mensajes()
    {
        QStringList mensajes;
        for (const auto& mensaje : forms::test::Messages())
            mensajes << mensaje.Prompt;
        return mensajes;
    }

    QTemporaryDir dir_;
    forms::test::Seam seam_;
};
