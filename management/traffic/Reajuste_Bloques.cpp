#include "traffic/Reajuste_Bloques.h"

#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "traffic/TiempoBloque.h"

#include "jet/Engine.h"
#include "jet/Transaction.h"

namespace {

void Reajustar()
{
    jet::Database A = jet::DBEngine().OpenDatabase(DornaPath());
    jet::Database B = jet::DBEngine().OpenDatabase(DornaPath());

    A.Execute("DELETE * FROM PUBLICIDAD_CONTENIDO WHERE FECHA1 < Date()");

    // Every block, whether or not a programming has rows: a block whose spots
    // were purged must not keep their length.
    jet::Recordset Bloques = A.OpenRecordset("SELECT HORA,TIEMPO,TIEMPO_VER FROM BLOQUES");
    if (Bloques.AbsolutePosition() == -1)
        return;

    jet::Recordset Suma;
    Bloques.MoveFirst();
    while (!Bloques.EOF()) {
        const jet::Value Hora = Bloques.Fields("HORA").Value();
        Suma = B.OpenRecordset("SELECT Sum(TIEMPO) AS ToTal FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE=" + SqlHora(Hora));
        const jet::Value Total = Suma.Fields("ToTal").Value();
        PonerTiempo(Bloques, Total.IsNull() ? 0 : Total.toDouble());
        Bloques.MoveNext();
    }

    A.Execute("UPDATE PROGRAMACION,BLOQUES SET PROGRAMACION.TIEMPO_VER = BLOQUES.TIEMPO_VER, "
              "PROGRAMACION.FIN =  DateAdd('s', BLOQUES.TIEMPO, Format(BLOQUES.HORA, 'hh:mm:ss'))  "
              "WHERE PROGRAMACION.HORA=BLOQUES.HORA");
}

}  // namespace

void Reajuste_Bloques()
{
    jet::Transaction Transaccion;
    Reajustar();
    Transaccion.Commit();
}
