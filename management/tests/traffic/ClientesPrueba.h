// Fixture of the advertiser forms' tests: advertisers written with plain SQL.
#pragma once

#include "support/StationFixture.h"

#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

class ClientesPrueba : public StationFixture {
protected:
    // Advertiser numero named nombre; its other columns "t<numero>", "d<numero>" ...
    static void Insertar(long long numero, const QString& nombre)
    {
        Execute(DornaPath(), QString("INSERT INTO CLIENTES (NUMERO,NOMBRE,TELEFONO,DIRECCION,NIF,POBLACION,COMENTARIO) "
                                     "VALUES (%1,%2,'t%1','d%1','n%1','p%1','c%1')")
                                 .arg(numero)
                                 .arg(SqlTexto(nombre)));
    }
};
