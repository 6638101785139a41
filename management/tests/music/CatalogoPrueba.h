// What the tests of the music forms share: a fresh program folder with the
// three databases, rows written with plain SQL, and generated audio files.
#pragma once

#include "support/ToneFile.h"
#include "station/Databases.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

#include "forms/TestSeam.h"
#include "jet/Engine.h"

#include <QDataStream>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

class CatalogoPrueba : public ::testing::Test {
protected:
    using Fila = std::map<QString, QString>;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        qputenv("VARNOOK_DATA_DIR", dir_.path().toUtf8());
        CreateMissingDatabases(dir_.path());
    }

    QString Ruta(const QString& nombre) const { return dir_.filePath(nombre); }

    static void Ejecutar(const QString& sql) { jet::DBEngine().OpenDatabase(MusicaPath()).Execute(sql); }

    static void Nombres(const QString& tabla, const QStringList& nombres)
    {
        for (const QString& nombre : nombres)
            Ejecutar("INSERT INTO " + tabla + " (NOMBRE) VALUES (" + SqlTexto(nombre) + ")");
    }

    // A stored song with the columns of valores (SQL literals) overriding plain defaults.
    static void Cancion(int codigo, const Fila& valores = {})
    {
        Fila fila = {{"TITULO", "'Título'"},     {"INTERPRETE", "''"},   {"ALBUN", "''"},
                     {"AÑO", "2006"},           {"SLOT", "''"},         {"TIPO", "''"},
                     {"RITMO", "''"},           {"ESTILO", "''"},       {"FICHERO", "'-Vacio-'"},
                     {"DURACION_VER", "'0'"},   {"INTRO", "0"},         {"PRESENTACION1", "'-Vacio-'"},
                     {"PRESENTACION2", "'-Vacio-'"}, {"radiaciones", "0"}, {"COMENTARIO", "''"},
                     {"estilo_n", "0"},         {"ritmo_n", "0"},       {"tipo_n", "0"}};
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
    static QStringList Lista(const QString& tabla)
    {
        QStringList nombres;
        jet::Recordset rs = jet::DBEngine().OpenDatabase(MusicaPath()).OpenRecordset("SELECT NOMBRE FROM " + tabla);
        for (; !rs.EOF(); rs.MoveNext())
            nombres << rs.Fields("NOMBRE").Value().toString();
        return nombres;
    }

    // Column 1 of every data row of a grid.
    template <class Grid>
    static QStringList Columna1(const Grid& grid)
    {
        QStringList textos;
        for (int fila = 1; fila < grid.Rows(); ++fila)
            textos << grid.TextMatrix(fila, 1);
        return textos;
    }

    static void ExpectSinErrores()
    {
        const auto& errores = forms::test::Errors();
        EXPECT_TRUE(errores.empty()) << errores.front().toStdString();
    }

    // A mono WAV file of the given length.
    static void EscribirWav(const QString& path, int milisegundos)
    {
        ASSERT_TRUE(soundtest::WriteTone(path, {soundtest::Kind::Wav, milisegundos, 8000, 1}));
    }

private:
    QTemporaryDir dir_;
    forms::test::Seam seam_;
};
