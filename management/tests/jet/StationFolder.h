// A fresh program folder with the three real databases, for one test.
#pragma once

#include "jet/Database.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// "#MM/dd/yyyy#" of today plus some days.
QString SqlDay(int daysFromToday);

class StationFolder : public ::testing::Test {
protected:
    void SetUp() override;

    QString Path(const QString& file) const { return folder.filePath(file); }
    // Every row of a SELECT as "value|value|...", values as a grid shows them.
    static QStringList Rows(jet::Database& database, const QString& select);

    QTemporaryDir folder;
    jet::Database dorna;
    jet::Database musica;
};
