// A fresh program folder for each test: the three databases as the program
// creates them, VARNOOK_DATA_DIR naming the folder, and for the forms' tests
// the test seam; with what the tests of every area use to read and write it.
//
//   class F_ClientesTest : public StationFixture {};
//   Execute(DornaPath(), "INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (1,'Uno')");
//   EXPECT_EQ(Rows(DornaPath(), "SELECT NUMERO,NOMBRE FROM CLIENTES"), QStringList{"1|Uno"});
#pragma once

#include "forms/TestSeam.h"
#include "jet/Database.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Copies the empty databases, made once per run, into folder and names it the
// program folder.
void MakeProgramFolder(const QString& folder);

// The folder and its databases alone: the engine's tests make no application.
class ProgramFolderFixture : public ::testing::Test {
protected:
    void SetUp() override;

    QString Folder() const { return folder_.path(); }
    QString Path(const QString& file) const { return folder_.filePath(file); }
    // A mono WAV of exactly the given length, in the folder; its path.
    QString Wav(const QString& file, long long milliseconds) const;

    // A statement on a database file: DornaPath(), MusicaPath(), ContinuidadPath().
    static void Execute(const QString& database, const QString& sql);
    // Every row of a query, its values as a grid shows them joined by separator.
    static QStringList Rows(jet::Database& database, const QString& select, QChar separator = u'|');
    static QStringList Rows(const QString& database, const QString& select, QChar separator = u'|');

private:
    QTemporaryDir folder_;
};

// With the test seam, for the tests of forms; each form is gone before the
// folder is, and no search has been opened yet (Control_busqueda 0).
class StationFixture : public ProgramFolderFixture {
protected:
    StationFixture();

    // The texts of the message boxes shown, in order.
    static QStringList Prompts();
    static void ExpectNoUntrappedErrors();

private:
    forms::test::Seam seam_;
};
