// The engine's tests: a fresh program folder with Dorna.MDB and MUSICA.MDB
// open for the test.
#pragma once

#include "support/StationFixture.h"

#include "jet/Engine.h"

class StationFolder : public ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ProgramFolderFixture::SetUp());
        dorna = jet::DBEngine().OpenDatabase(Path(QStringLiteral("Dorna.MDB")));
        musica = jet::DBEngine().OpenDatabase(Path(QStringLiteral("MUSICA.MDB")));
    }

    jet::Database dorna;
    jet::Database musica;
};
