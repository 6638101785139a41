// Texts sort and compare as a Spanish station expects: case ignored, ñ after n,
// accents beside their letter; LIKE follows the same rule with * ? # [ ].
#include "StationFolder.h"

#include <ostream>

using SpanishOrder = StationFolder;

TEST_F(SpanishOrder, OrderByNameIsAlphabetical)
{
    musica.Execute(QStringLiteral("INSERT INTO INTERPRETE (NOMBRE) VALUES ('Zapata'), ('ñandú'), ('Nube'), "
                                  "('árbol'), ('Oso'), ('abeto'), ('Ávila'), ('nata'), ('Ñu'), ('Nuñez')"));
    EXPECT_EQ(Rows(musica, QStringLiteral("SELECT NOMBRE FROM INTERPRETE ORDER BY NOMBRE")),
              QStringList({"abeto", "árbol", "Ávila", "nata", "Nube", "Nuñez", "ñandú", "Ñu", "Oso", "Zapata"}));
}

TEST_F(SpanishOrder, EqualityIgnoresCaseButNotAccents)
{
    musica.Execute(QStringLiteral("INSERT INTO ALBUN (NOMBRE) VALUES ('Canción'), ('Cancion'), ('MAÑANA')"));
    EXPECT_EQ(Rows(musica, QStringLiteral("SELECT NOMBRE FROM ALBUN WHERE NOMBRE='CANCIÓN'")), QStringList({"Canción"}));
    EXPECT_EQ(Rows(musica, QStringLiteral("SELECT NOMBRE FROM ALBUN WHERE NOMBRE='mañana'")), QStringList({"MAÑANA"}));
}

struct LikeCase {
    const char* pattern;
    QStringList matches;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LikeCase& c, std::ostream* out)
{
    *out << c.pattern;
}

class Likes : public StationFolder, public ::testing::WithParamInterface<LikeCase> {};

TEST_P(Likes, PatternSelectsTheNames)
{
    musica.Execute(QStringLiteral("INSERT INTO ESTILOS (NOMBRE) VALUES ('Ñu'), ('nube'), ('Rock 80'), "
                                  "('Rock 90s'), ('50%'), ('a_b'), ('axb')"));
    const QString sql = QStringLiteral("SELECT NOMBRE FROM ESTILOS WHERE NOMBRE LIKE '%1' ORDER BY NOMBRE")
                            .arg(QString::fromUtf8(GetParam().pattern));
    EXPECT_EQ(Rows(musica, sql), GetParam().matches) << sql.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Patterns, Likes,
                         ::testing::Values(LikeCase{"ñ*", {"Ñu"}}, LikeCase{"N*", {"nube"}},
                                           LikeCase{"rock ##", {"Rock 80"}}, LikeCase{"rock #?s", {"Rock 90s"}},
                                           LikeCase{"*[0-9]", {"Rock 80"}}, LikeCase{"[!r]*", {"50%", "a_b", "axb", "nube", "Ñu"}},
                                           LikeCase{"a_b", {"a_b"}}, LikeCase{"50%", {"50%"}},
                                           LikeCase{"*", {"50%", "a_b", "axb", "nube", "Ñu", "Rock 80", "Rock 90s"}}),
                         [](const auto& testCase) { return "Pattern" + std::to_string(testCase.index); });
