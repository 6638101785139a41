// Fixture of the advertiser forms' tests: a fresh program folder with its
// databases, and advertisers written with plain SQL.
#pragma once

#include "station/Databases.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

#include "forms/TestSeam.h"
#include "jet/Engine.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

class ClientesPrueba : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        qputenv("VARNOOK_DATA_DIR", dir_.path().toUtf8());
        CreateMissingDatabases(dir_.path());
    }

    // Advertiser numero named nombre; its other columns "t<numero>", "d<numero>" ...
    static void Insertar(long long numero, const QString& nombre)
    {
        jet::DBEngine().OpenDatabase(DornaPath()).Execute(
            QString("INSERT INTO CLIENTES (NUMERO,NOMBRE,TELEFONO,DIRECCION,NIF,POBLACION,COMENTARIO) "
                    "VALUES (%1,%2,'t%1','d%1','n%1','p%1','c%1')")
                .arg(numero)
                .arg(SqlTexto(nombre)));
    }

    QTemporaryDir dir_;
    forms::test::Seam seam_;
};
