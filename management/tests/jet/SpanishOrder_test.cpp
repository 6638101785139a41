// Texts sort and compare as a Spanish station expects: case ignored, ñ after n,
// accents beside their letter; LIKE follows the same rule with * ? # [ ].
// The indexes of every station's files are ordered so: the order of words
// and of every character is pinned here, and must never move.
#include "CodePoints.h"
#include "StationFolder.h"

#include <cstdint>
#include <ostream>
#include <string>

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
    EXPECT_EQ(Rows(musica, QStringLiteral("SELECT NOMBRE FROM ALBUN WHERE NOMBRE='CANCIÓN'")),
              QStringList({"Canción"}));
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
                                           LikeCase{"*[0-9]", {"Rock 80"}},
                                           LikeCase{"[!r]*", {"50%", "a_b", "axb", "nube", "Ñu"}},
                                           LikeCase{"a_b", {"a_b"}}, LikeCase{"50%", {"50%"}},
                                           LikeCase{"*", {"50%", "a_b", "axb", "nube", "Ñu", "Rock 80", "Rock 90s"}}),
                         [](const auto& testCase) { return "Pattern" + std::to_string(testCase.index); });

struct OrderedTexts {
    const char* kind;
    std::vector<std::string> texts;  // each one after the one before
};

void PrintTo(const OrderedTexts& c, std::ostream* out)
{
    *out << c.kind;
}

class Texts : public ::testing::TestWithParam<OrderedTexts> {};

TEST_P(Texts, StandInThisOrder)
{
    const std::vector<std::string>& texts = GetParam().texts;
    for (size_t i = 1; i < texts.size(); ++i) {
        EXPECT_LT(CompareTexts(texts[i - 1], texts[i]), 0) << texts[i - 1] << " before " << texts[i];
        EXPECT_GT(CompareTexts(texts[i], texts[i - 1]), 0) << texts[i] << " after " << texts[i - 1];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Texts,
    ::testing::Values(
        OrderedTexts{"Spanish words",
                     {"",          "007",      "1 de mayo", "10 años", "2 de julio", "a",      "a ciegas", "a-ha",
                      "Ábaco",     "abad",     "Abeja",     "ácido",   "acuarela",   "Ángel",  "anzuelo",  "año",
                      "añoranza",  "apio",     "Ça va",     "cabo",    "cana",       "canal",  "cancion",  "canción",
                      "canciones", "caña",     "cañón",     "cao",     "cerro",      "Chile",  "cine",     "lima",
                      "llama",     "lobo",     "nube",      "nylon",   "Ñandú",      "ñu",     "Óscar",    "oso",
                      "pinguino",  "pingüino", "pingüinos", "über",    "ubre",       "Zapata", "zapato",   "zoo",
                      "¡Hola!",    "¿Qué?"}},
        // A letter followed by a combining accent is two characters.
        OrderedTexts{"Decomposed letters", {"é", "ez", "e\u0301", "n", "nz", "n\u0303", "ñ"}},
        OrderedTexts{"Characters beyond U+FFFF", {"z", "\U0001F3B5 Himno", "\U0001F600", "\U0001F600 a"}}),
    [](const auto& testCase) { return "List" + std::to_string(testCase.index); });

// How the character y stands to x in the order: "=" the same, "<<" the same
// letter with a later accent, "<" a later letter, ">" before x.
std::string RelationOf(char32_t x, char32_t y)
{
    const int order = CompareTexts(Utf8Of(x), Utf8Of(y));
    if (order != 0)
        return order > 0 ? ">" : CompareTexts(Utf8Of(x) + "b", Utf8Of(y) + "a") > 0 ? "<<" : "<";
    return "=";
}

// A character of a chain: itself, or U+ and its code in hex.
char32_t CodeOf(const QString& token)
{
    if (token.startsWith(QLatin1String("U+")))
        return token.mid(2).toUInt(nullptr, 16);
    const QList<uint> codes = token.toUcs4();
    EXPECT_EQ(codes.size(), 1) << token.toStdString();
    return codes.value(0);
}

struct Chain {
    const char* characters;
    const char* chain;  // characters between the relations of RelationOf
};

void PrintTo(const Chain& c, std::ostream* out)
{
    *out << c.characters;
}

class Characters : public ::testing::TestWithParam<Chain> {};

TEST_P(Characters, KeepTheirPlaceInTheOrder)
{
    const QStringList tokens = QString::fromUtf8(GetParam().chain).split(QLatin1Char(' '));
    QStringList found = {tokens.value(0)};
    for (qsizetype i = 2; i < tokens.size(); i += 2)
        found << QString::fromStdString(RelationOf(CodeOf(tokens[i - 2]), CodeOf(tokens[i]))) << tokens[i];
    EXPECT_EQ(found.join(QLatin1Char(' ')).toStdString(), GetParam().chain);
}

// Every kind of character the table of weights gives a weight other than its
// code, and the characters it leaves to their code.
INSTANTIATE_TEST_SUITE_P(
    Classes, Characters,
    ::testing::Values(
        Chain{"ASCII", "U+0000 < U+0009 < U+0020 < ! < 0 < 9 < : < @ < [ < _ < ` < a = A < b = B < c = C < d = D "
                       "< e = E < f = F < g = G < h = H < i = I < j = J < k = K < l = L < m = M < n = N < o = O "
                       "< p = P < q = Q < r = R < s = S < t = T < u = U < v = V < w = W < x = X < y = Y < z = Z "
                       "< { < ~ < U+007F"},
        Chain{"ñ", "n = N << ǹ = Ǹ << ń = Ń << ṅ = Ṅ << ň = Ň << ṇ = Ṇ << ņ = Ņ < ñ = Ñ < o = O"},
        Chain{"Latin-1 vowels", "a = A << à = À << á = Á << â = Â << ã = Ã << ä = Ä << å = Å < b = B "
                                "< e = E << è = È << é = É << ê = Ê << ë = Ë < f "
                                "< i = I << ì = Ì << í = Í << î = Î << ï = Ï < j "
                                "< o = O << ò = Ò << ó = Ó << ô = Ô << õ = Õ << ö = Ö < p "
                                "< u = U << ù = Ù << ú = Ú << û = Û << ü = Ü < v "
                                "< y = Y << ý = Ý << ÿ = Ÿ < z"},
        Chain{"Latin-1 consonants", "c = C << ç = Ç < d"},
        Chain{"Latin-1 letters of their own", "{ < ¡ < ª < º < ¿ < × < ß = ẞ < æ = Æ < ð = Ð < ÷ < ø = Ø < þ = Þ"},
        Chain{"Latin Extended-A", "c = C << ć = Ć << ĉ = Ĉ << ċ = Ċ << č = Č << ç = Ç < d "
                                  "< i = I << í = Í << İ << ï = Ï < j "
                                  "< s = S = ſ << ś = Ś << ŝ = Ŝ << š = Š << ş = Ş < t "
                                  "< z = Z << ź = Ź << ż = Ż << ž = Ž < { "
                                  "< þ < đ = Đ < ħ = Ħ < ı < ĳ = Ĳ < ł = Ł < ŉ < ŋ = Ŋ < œ = Œ"},
        Chain{"Latin Extended-B", "a = A << ǎ = Ǎ << ȁ = Ȁ < b < o = O << ǒ = Ǒ << ơ = Ơ << ǫ = Ǫ < p "
                                  "< s << ș = Ș < t < u << ü = Ü = ǖ = Ǖ = ǘ = Ǘ < v "
                                  "< ƀ < ƒ = Ƒ < ǆ = ǅ = Ǆ < ǳ = ǲ = Ǳ < ɓ = Ɓ < ɫ = Ɫ"},
        Chain{"Latin Extended Additional", "a << á << â = ấ = Ầ << ã << ä << ả = Ả << å << ạ = Ạ = ậ < b << ḃ = Ḃ "
                                           "< w << ẁ = Ẁ < x < y << ỳ = Ỳ < z"},
        Chain{"Greek", "ά = Ά < έ = Έ < α = Α < β = Β < ι = Ι = U+0345 = U+1FBE < μ = Μ = µ < σ = Σ = ς "
                       "< ω = Ω = U+2126 < ἀ = Ἀ"},
        Chain{"Cyrillic", "а = А < б = Б < в = В = ᲀ < я = Я < ѐ = Ѐ < ё = Ё < ґ = Ґ < ԁ = Ԁ"},
        Chain{"Armenian, Georgian, Cherokee", "ա = Ա < ֆ = Ֆ < ა = Ა < Ꭰ = ꭰ < Ᏸ = ᏸ < ⴀ = Ⴀ"},
        Chain{"Letterlike and enclosed",
              "a << å = Å = U+212B < b < k = K = U+212A < ⅎ = Ⅎ < ⅰ = Ⅰ < ⅱ = Ⅱ < ↄ = Ↄ < ⓐ = Ⓐ < ⓩ = Ⓩ"},
        Chain{"Mathematical", "U+003C << ≮ < U+003D << ≠ < U+003E << ≯"},
        Chain{"Glagolitic, Coptic, Latin Extended-C and -D", "ⰰ = Ⰰ < ⱥ = Ⱥ < ⲁ = Ⲁ < ꙁ = Ꙁ < ꜣ = Ꜣ"},
        Chain{"Fullwidth", "z < ａ = Ａ < ｚ = Ｚ"},
        Chain{"Outside the table", "z < ¡ < ʼ < U+0303 < ־ < 中 < ﬀ < U+FFFF < U+10000 < 𐐀 < 𐐨 < 😀 < U+10FFFF"}),
    [](const auto& testCase) { return "Class" + std::to_string(testCase.index); });

// The whole order of single characters in one number: each code point in
// order and how it stands to the one before. Taken from the weights that
// every station's files were indexed with.
TEST(EveryCharacter, KeepsItsPlace)
{
    const std::vector<char32_t> codes = CodePointsInOrder(0x10FFFF);
    std::uint64_t fingerprint = 14695981039346656037ull;
    auto mix = [&fingerprint](std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            fingerprint ^= (value >> (8 * i)) & 0xFF;
            fingerprint *= 1099511628211ull;
        }
    };
    for (size_t i = 0; i < codes.size(); ++i) {
        if (i > 0) {
            const std::string relation = RelationOf(codes[i - 1], codes[i]);
            mix(relation == "=" ? 0 : relation == "<<" ? 1 : 2);
        }
        mix(codes[i]);
    }
    EXPECT_EQ(fingerprint, 0x6E04518082DA5E35ull);
}
