// What the tests of the music forms share: rows written with plain SQL and
// the grids' columns read back.
#pragma once

#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "support/StationFixture.h"

#include <QStringList>

#include <map>

class CatalogoPrueba : public StationFixture {
protected:
    using Fila = std::map<QString, QString>;

    static void Ejecutar(const QString& sql) { Execute(MusicaPath(), sql); }

    static void Nombres(const QString& tabla, const QStringList& nombres)
    {
        for (const QString& nombre : nombres)
            Ejecutar("INSERT INTO " + tabla + " (NOMBRE) VALUES (" + SqlTexto(nombre) + ")");
    }

    // A stored song with the columns of valores (SQL literals) overriding plain defaults.
    static void Cancion(int codigo, const Fila& valores = {})
    {
        Fila fila = {{"TITULO", "'Título'"},
                     {"INTERPRETE", "''"},
                     {"ALBUN", "''"},
                     {"AÑO", "2006"},
                     {"SLOT", "''"},
                     {"TIPO", "''"},
                     {"RITMO", "''"},
                     {"ESTILO", "''"},
                     {"FICHERO", "'-Vacio-'"},
                     {"DURACION_VER", "'0'"},
                     {"INTRO", "0"},
                     {"PRESENTACION1", "'-Vacio-'"},
                     {"PRESENTACION2", "'-Vacio-'"},
                     {"radiaciones", "0"},
                     {"COMENTARIO", "''"},
                     {"estilo_n", "0"},
                     {"ritmo_n", "0"},
                     {"tipo_n", "0"}};
        for (const auto& [columna, valor] : valores)
            fila[columna] = valor;
        QStringList nombres{"CODIGO"};
        QStringList datos{QString::number(codigo)};
        for (const auto& [columna, valor] : fila) {
            nombres << columna;
            datos << valor;
        }
        Ejecutar("INSERT INTO CATALOGO (" + nombres.join(',') + ") VALUES (" + datos.join(',') + ")");
    }

    // The NOMBRE column of a list in the table's own order.
    static QStringList Lista(const QString& tabla) { return Rows(MusicaPath(), "SELECT NOMBRE FROM " + tabla); }

    // Column 1 of every data row of a grid.
    template <class Grid>
    static QStringList Columna1(const Grid& grid)
    {
        QStringList textos;
        for (int fila = 1; fila < grid.Rows(); ++fila)
            textos << grid.TextMatrix(fila, 1);
        return textos;
    }
};
