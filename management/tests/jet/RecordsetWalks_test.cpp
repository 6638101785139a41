// Walks over a catalogue larger than what a recordset keeps of it, step by
// step against the fully read answer: the rows of the SELECT as they stood at
// opening, in order, with the writes made through the recordset. Each walk
// runs on a file in write-ahead-log mode (rows read as reached while others
// write), inside a transaction and on a file with a rollback journal (rows
// read at opening).
#include "StationFolder.h"

#include "jet/Engine.h"
#include "jet/Error.h"

#include <QStringList>

#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

namespace {

constexpr int kSongs = 5000;

struct Song {
    int codigo;
    QString titulo;
    QString interprete;
    int año;
};

// Codes inserted out of order, so that the table's own order is not theirs.
int CodigoInserted(int i)
{
    return i * 7919 % kSongs + 1;
}

Song SongOf(int codigo)
{
    static const char* const starts[] = {"Ávila ", "avión ", "Avenida "};
    return {codigo, QString::fromUtf8(starts[codigo % 3]) + QString::number(codigo),
            QStringLiteral("Intérprete %1").arg(codigo % 7), 1960 + codigo % 60};
}

QString ValuesOf(const Song& song)
{
    return QStringLiteral("(%1,'%2','%3',%4)").arg(song.codigo).arg(song.titulo, song.interprete).arg(song.año);
}

void InsertSongs(jet::Database& db, const std::vector<Song>& songs)
{
    QStringList values;
    for (const Song& song : songs)
        values << ValuesOf(song);
    db.Execute(QStringLiteral("INSERT INTO CATALOGO (CODIGO,TITULO,INTERPRETE,AÑO) VALUES ") + values.join(','));
}

// A SELECT and what it gives over the songs in the table's own order.
struct Query {
    const char* sql;
    std::function<bool(const Song&)> where;
    std::function<bool(const Song&, const Song&)> before;  // empty: the table's own order
};

const Query kByCode{"SELECT CODIGO,TITULO,INTERPRETE FROM CATALOGO ORDER BY CODIGO", nullptr,
                    [](const Song& a, const Song& b) { return a.codigo < b.codigo; }};
const Query kRecentByCodeDown{"SELECT * FROM CATALOGO WHERE AÑO >= 2000 ORDER BY CODIGO DESC",
                              [](const Song& s) { return s.año >= 2000; },
                              [](const Song& a, const Song& b) { return a.codigo > b.codigo; }};
const Query kAsStored{"SELECT TITULO, CODIGO FROM CATALOGO", nullptr, nullptr};
const Query kByFirstColumn{"SELECT CODIGO AS CODIGO, TITULO FROM CATALOGO ORDER BY 1", nullptr,
                           [](const Song& a, const Song& b) { return a.codigo < b.codigo; }};

// One step of a walk, done on the recordset and on the fully read rows.
struct Step {
    enum Kind { First, Next, Last, Find, Retitle, Delete, Add, OtherWriterAdds, Peek } kind = First;
    int count = 1;  // Next: how many; Add: the code; Peek: the row
    const char* criteria = "";  // Find
    std::function<bool(const Song&)> matches;  // Find
    const char* text = "";  // Retitle
};

Step Of(Step::Kind kind, int count = 1)
{
    Step step;
    step.kind = kind;
    step.count = count;
    return step;
}

Step First()
{
    return Of(Step::First);
}
Step Next(int count = 1)
{
    return Of(Step::Next, count);
}
Step Last()
{
    return Of(Step::Last);
}
Step Delete()
{
    return Of(Step::Delete);
}
Step Add(int codigo)
{
    return Of(Step::Add, codigo);
}
Step OtherWriterAdds(int codigo)
{
    return Of(Step::OtherWriterAdds, codigo);
}
// Reads a row by its position, as a grid does, without moving.
Step Peek(int row)
{
    return Of(Step::Peek, row);
}

Step Find(const char* criteria, std::function<bool(const Song&)> matches)
{
    Step step = Of(Step::Find);
    step.criteria = criteria;
    step.matches = std::move(matches);
    return step;
}

Step Retitle(const char* text)
{
    Step step = Of(Step::Retitle);
    step.text = text;
    return step;
}

bool StartsWith(const QString& text, const char* start)
{
    return text.startsWith(QString::fromUtf8(start), Qt::CaseInsensitive);
}

struct Walk {
    const char* name;
    const Query* query;
    std::vector<Step> steps;
};

const Walk kWalks[] = {
    {"ToTheEndAndBack", &kByCode, {Next(10), Last(), First(), Next(4500), Last()}},
    {"FindOneByCodeThenWalkOn",
     &kByCode,
     {Find("CODIGO=4321", [](const Song& s) { return s.codigo == 4321; }), Next(3)}},
    {"FindTheFirstOfMany",
     &kByCode,
     {Last(), Find("INTERPRETE='Intérprete 3'", [](const Song& s) { return s.interprete == "Intérprete 3"; }), Next()}},
    {"FindByTitlePrefixInAnyCaseButNotItsAccents",
     &kByCode,
     {Find("TITULO LIKE 'AVI*'", [](const Song& s) { return StartsWith(s.titulo, "avi"); }),
      Find("TITULO LIKE 'ávila 49*'", [](const Song& s) { return StartsWith(s.titulo, "Ávila 49"); }),
      Find("TITULO LIKE 'Avenida 12#*'",
           [](const Song& s) {
               return StartsWith(s.titulo, "Avenida 12") && s.titulo.size() > 10 && s.titulo[10].isDigit();
           })}},
    {"NoMatchKeepsThePosition",
     &kByCode,
     {Next(7), Find("CODIGO=99999", [](const Song&) { return false; }),
      Find("TITULO LIKE 'zz*'", [](const Song&) { return false; }), Next()}},
    {"RetitledRowIsFoundByItsNewTitleOnly",
     &kByCode,
     {Find("CODIGO=2500", [](const Song& s) { return s.codigo == 2500; }), Retitle("Nuevo título"), Last(),
      Find("TITULO='Nuevo título'", [](const Song& s) { return s.titulo == "Nuevo título"; }),
      Find("TITULO LIKE 'nuevo*'", [](const Song& s) { return StartsWith(s.titulo, "nuevo"); }),
      Find("TITULO='avión 2500'", [](const Song& s) { return s.titulo == "avión 2500"; })}},
    {"EditEveryRowOfAStretch",
     &kByCode,
     {Next(100), Retitle("a"), Next(), Retitle("b"), Next(), Retitle("c"), First(),
      Find("TITULO='b'", [](const Song& s) { return s.titulo == "b"; })}},
    {"DeleteMidWalkThenMoveOn",
     &kByCode,
     {Next(20), Delete(), Next(), Delete(), Next(), Delete(), Next(2), First(), Next(25), Last(), Delete(), Last()}},
    {"DeleteWhatAFindFound",
     &kByCode,
     {Find("CODIGO=3000", [](const Song& s) { return s.codigo == 3000; }), Delete(), Next(),
      Find("CODIGO=3000", [](const Song& s) { return s.codigo == 3000; }), Last()}},
    {"DeleteEveryRowFromTheStart",
     &kRecentByCodeDown,
     {Delete(), Next(), Delete(), Next(), Delete(), Next(2), Delete()}},
    {"AddedRowsFollowAndCanBeFound",
     &kByCode,
     {Add(6001), Next(3), Add(6002), Last(), Find("CODIGO=6001", [](const Song& s) { return s.codigo == 6001; }),
      Retitle("añadida"), Delete(), Next(),
      Find("TITULO LIKE 'añadida*'", [](const Song& s) { return StartsWith(s.titulo, "añadida"); })}},
    {"AddAfterDeletingTheLastRowReusesNoPosition", &kAsStored, {Last(), Delete(), Add(7000), Last(), Next()}},
    {"OtherWritersRowsAreNotInIt",
     &kByCode,
     {OtherWriterAdds(6100), Next(5), OtherWriterAdds(6101), Last(),
      Find("CODIGO=6100", [](const Song&) { return false; }), Add(6102), Last(),
      Find("CODIGO>6000", [](const Song& s) { return s.codigo > 6000; })}},
    {"FilteredAndReversed",
     &kRecentByCodeDown,
     {Next(300), Find("AÑO=1999", [](const Song&) { return false; }),
      Find("INTERPRETE='Intérprete 5'", [](const Song& s) { return s.interprete == "Intérprete 5"; }), Retitle("x"),
      Last(), Find("TITULO='x'", [](const Song& s) { return s.titulo == "x"; })}},
    {"TheTablesOwnOrder",
     &kAsStored,
     {Next(2048), Next(2048), Last(), Find("CODIGO=1", [](const Song& s) { return s.codigo == 1; }), Next()}},
    {"ReadFromBothEnds",
     &kByCode,
     {Peek(4990), Peek(4000), Peek(10), Last(), Next(), First(), Next(3000), Peek(3990), Peek(4500),
      Find("CODIGO=4800", [](const Song& s) { return s.codigo == 4800; }), Delete(), Next()}},
    {"ReadFromBothEndsOfAFilteredReverseOrder",
     &kRecentByCodeDown,
     {Peek(1600), Last(), Delete(), Peek(1000), Find("CODIGO=17", [](const Song&) { return false; }),
      Find("CODIGO=2080", [](const Song& s) { return s.codigo == 2080; }), Next(5)}},
    {"OrderByAColumnNumber",
     &kByFirstColumn,
     {Last(), Find("CODIGO=17", [](const Song& s) { return s.codigo == 17; }), Delete(), Next()}},
};

enum class Reading { WhileOthersWrite, InATransaction, WithARollbackJournal };

struct Case {
    const Walk* walk;
    Reading reading;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.walk->name;
}

bool HasOtherWriter(const Walk& walk)
{
    return std::any_of(walk.steps.begin(), walk.steps.end(),
                       [](const Step& s) { return s.kind == Step::OtherWriterAdds; });
}

// Another writer would wait for the transaction to end: not in that reading.
std::vector<Case> AllCases()
{
    std::vector<Case> cases;
    for (const Walk& walk : kWalks)
        for (Reading reading : {Reading::WhileOthersWrite, Reading::InATransaction, Reading::WithARollbackJournal})
            if (reading != Reading::InATransaction || !HasOtherWriter(walk))
                cases.push_back({&walk, reading});
    return cases;
}

// The fully read answer: every row read at opening, changed as the steps say.
struct FullyRead {
    std::vector<Song> rows;
    int position = 0;
    bool deleted = false;
    bool noMatch = false;

    bool HasCurrent() const { return !deleted && position < int(rows.size()); }
};

class RecordsetWalks : public StationFolder, public ::testing::WithParamInterface<Case> {
protected:
    void SetUp() override
    {
        StationFolder::SetUp();
        std::vector<Song> songs;
        for (int i = 0; i < kSongs; ++i)
            songs.push_back(SongOf(CodigoInserted(i)));
        musica.Execute("BEGIN");
        for (size_t first = 0; first < songs.size(); first += 1000)
            InsertSongs(musica, std::vector<Song>(songs.begin() + long(first),
                                                  songs.begin() + long(std::min(first + 1000, songs.size()))));
        musica.Execute("COMMIT");
        stored = songs;
        if (GetParam().reading == Reading::WithARollbackJournal) {
            musica.Execute("PRAGMA journal_mode=DELETE");
            musica = jet::DBEngine().OpenDatabase(Path("MUSICA.MDB"));
        }
    }

    FullyRead Opened(const Query& query) const
    {
        FullyRead read;
        for (const Song& song : stored)
            if (!query.where || query.where(song))
                read.rows.push_back(song);
        if (query.before)
            std::stable_sort(read.rows.begin(), read.rows.end(), query.before);
        return read;
    }

    std::vector<Song> stored;  // what the file holds, in the table's own order
};

void Apply(const Step& step, jet::Recordset& songs, FullyRead& expected, std::vector<Song>& stored,
           jet::Database& other)
{
    switch (step.kind) {
    case Step::First:
        songs.MoveFirst();
        expected.position = 0;
        expected.deleted = false;
        return;
    case Step::Next:
        for (int i = 0; i < step.count; ++i) {
            songs.MoveNext();
            if (expected.deleted)
                expected.deleted = false;
            else
                ++expected.position;
        }
        return;
    case Step::Last:
        songs.MoveLast();
        expected.position = std::max(int(expected.rows.size()) - 1, 0);
        expected.deleted = false;
        return;
    case Step::Find: {
        songs.FindFirst(QString::fromUtf8(step.criteria));
        const auto found = std::find_if(expected.rows.begin(), expected.rows.end(), step.matches);
        expected.noMatch = found == expected.rows.end();
        if (!expected.noMatch) {
            expected.position = int(found - expected.rows.begin());
            expected.deleted = false;
        }
        return;
    }
    case Step::Retitle: {
        songs.Edit();
        songs.Fields("TITULO") = QString::fromUtf8(step.text);
        songs.Update();
        Song& song = expected.rows[size_t(expected.position)];
        std::find_if(stored.begin(), stored.end(), [&song](const Song& s) { return s.codigo == song.codigo; })->titulo =
            song.titulo = QString::fromUtf8(step.text);
        return;
    }
    case Step::Delete: {
        songs.Delete();
        const int codigo = expected.rows[size_t(expected.position)].codigo;
        expected.rows.erase(expected.rows.begin() + expected.position);
        stored.erase(
            std::find_if(stored.begin(), stored.end(), [codigo](const Song& s) { return s.codigo == codigo; }));
        expected.deleted = true;
        return;
    }
    case Step::Add: {
        const Song song = SongOf(step.count);
        const bool hadCurrent = expected.HasCurrent();
        songs.AddNew();
        songs.Fields("CODIGO") = song.codigo;
        songs.Fields("TITULO") = song.titulo;
        songs.Update();
        Song added = song;
        added.interprete.clear();
        added.año = 0;
        expected.rows.push_back(added);
        stored.push_back(added);
        if (!hadCurrent) {
            expected.position = int(expected.rows.size()) - 1;
            expected.deleted = false;
        }
        return;
    }
    case Step::Peek: {
        int codigo = 0;
        while (songs.FieldName(codigo).compare("CODIGO", Qt::CaseInsensitive) != 0)
            ++codigo;
        EXPECT_EQ(songs.ValueAt(step.count, codigo).toInt(), expected.rows[size_t(step.count)].codigo)
            << "row " << step.count;
        return;
    }
    case Step::OtherWriterAdds: {
        const Song song = SongOf(step.count);
        InsertSongs(other, {song});
        stored.push_back(song);
        return;
    }
    }
}

// What a form can see of the recordset, as text.
QString Seen(jet::Recordset& songs)
{
    QString seen = QStringLiteral("position %1, eof %2, count %3, no match %4")
                       .arg(songs.AbsolutePosition())
                       .arg(songs.EOF())
                       .arg(songs.RecordCount())
                       .arg(songs.NoMatch());
    if (songs.AbsolutePosition() != -1)
        seen += QStringLiteral(", song %1 «%2»")
                    .arg(songs.Fields("CODIGO").Value().toString(), songs.Fields("TITULO").Value().toString());
    return seen;
}

QString Seen(const FullyRead& expected)
{
    QString seen = QStringLiteral("position %1, eof %2, count %3, no match %4")
                       .arg(expected.HasCurrent() ? expected.position : -1)
                       .arg(expected.position >= int(expected.rows.size()))
                       .arg(expected.rows.size())
                       .arg(expected.noMatch);
    if (expected.HasCurrent()) {
        const Song& song = expected.rows[size_t(expected.position)];
        seen += QStringLiteral(", song %1 «%2»").arg(song.codigo).arg(song.titulo);
    }
    return seen;
}

QStringList CodesAndTitles(const jet::Rows& rows)
{
    QStringList all;
    int codigo = 0;
    int titulo = 0;
    for (int f = 0; f < rows.FieldCount(); ++f) {
        if (rows.FieldName(f).compare("TITULO", Qt::CaseInsensitive) == 0)
            titulo = f;
        else if (rows.FieldName(f).compare("CODIGO", Qt::CaseInsensitive) == 0)
            codigo = f;
    }
    for (int r = 0; r < rows.Count(); ++r)
        all << rows.At(r, codigo).toString() + "|" + rows.At(r, titulo).toString();
    return all;
}

QStringList CodesAndTitles(const std::vector<Song>& songs)
{
    QStringList all;
    for (const Song& song : songs)
        all << QString::number(song.codigo) + "|" + song.titulo;
    return all;
}

}  // namespace

TEST_P(RecordsetWalks, EveryStepShowsWhatTheFullyReadRowsShow)
{
    const Walk& walk = *GetParam().walk;
    const bool inTransaction = GetParam().reading == Reading::InATransaction;
    jet::Database other = jet::DBEngine().OpenDatabase(Path("MUSICA.MDB"));
    if (inTransaction)
        musica.Execute("BEGIN");

    jet::Recordset songs = musica.OpenRecordset(QString::fromUtf8(walk.query->sql));
    FullyRead expected = Opened(*walk.query);
    const jet::Rows atOpening = songs.Rows();
    const QStringList openedWith = CodesAndTitles(expected.rows);
    ASSERT_EQ(Seen(songs).toStdString(), Seen(expected).toStdString()) << "at opening";
    for (size_t i = 0; i < walk.steps.size(); ++i) {
        Apply(walk.steps[i], songs, expected, stored, other);
        ASSERT_EQ(Seen(songs).toStdString(), Seen(expected).toStdString()) << "after step " << i;
    }
    EXPECT_EQ(CodesAndTitles(songs.Rows()), CodesAndTitles(expected.rows));
    EXPECT_EQ(CodesAndTitles(atOpening), openedWith) << "rows taken at opening changed";

    if (inTransaction)
        musica.Execute("COMMIT");
    songs.Close();
    std::vector<Song> byCode = stored;
    std::sort(byCode.begin(), byCode.end(), [](const Song& a, const Song& b) { return a.codigo < b.codigo; });
    EXPECT_EQ(Rows(musica, "SELECT CODIGO,TITULO FROM CATALOGO ORDER BY CODIGO"), CodesAndTitles(byCode))
        << "the file does not hold what was written";
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    static const char* const readings[] = {"WhileOthersWrite", "InATransaction", "WithARollbackJournal"};
    return std::string(info.param.walk->name) + "_" + readings[int(info.param.reading)];
}

INSTANTIATE_TEST_SUITE_P(Walks, RecordsetWalks, ::testing::ValuesIn(AllCases()), CaseName);

TEST_F(StationFolder, RowsOfARecordsetStayReadableAfterItIsClosed)
{
    musica.Execute("INSERT INTO CATALOGO (CODIGO,TITULO) VALUES (1,'Uno'), (2,'Dos')");
    jet::Recordset songs = musica.OpenRecordset("SELECT CODIGO,TITULO FROM CATALOGO ORDER BY CODIGO");
    const jet::Rows rows = songs.Rows();
    songs.Close();
    musica.Execute("DELETE * FROM CATALOGO");
    ASSERT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.At(1, 1).toString(), "Dos");
    EXPECT_THROW(rows.At(2, 0), jet::Error);
}

// A recordset that keeps the file's moment of opening stops the write-ahead
// log from being emptied; only a large one, read as reached, may keep it.
TEST_F(StationFolder, OnlyALargeOpenRecordsetKeepsTheLogFromBeingEmptied)
{
    struct Case {
        int songs;
        bool keepsTheLog;
    };
    for (const Case c : {Case{20, false}, Case{2048, false}, Case{2049, true}}) {
        musica.Execute("DELETE * FROM CATALOGO");
        QStringList values;
        for (int codigo = 1; codigo <= c.songs; ++codigo)
            values << QStringLiteral("(%1,'Canción %1')").arg(codigo);
        musica.Execute("INSERT INTO CATALOGO (CODIGO,TITULO) VALUES " + values.join(','));
        jet::Recordset songs = musica.OpenRecordset("SELECT CODIGO,TITULO FROM CATALOGO ORDER BY CODIGO");
        jet::Database other = jet::DBEngine().OpenDatabase(Path("MUSICA.MDB"));
        other.Execute("UPDATE CATALOGO SET TITULO='otra' WHERE CODIGO=1");
        // Columns: busy, frames in the log, frames copied into the file.
        jet::Recordset checkpoint = other.OpenRecordset("PRAGMA wal_checkpoint(PASSIVE)");
        EXPECT_EQ(checkpoint.ValueAt(0, 1).toInt() != checkpoint.ValueAt(0, 2).toInt(), c.keepsTheLog)
            << c.songs << " songs";
        EXPECT_EQ(songs.Fields("TITULO").Value().toString(), "Canción 1") << c.songs << " songs";
        songs.Close();
        checkpoint = other.OpenRecordset("PRAGMA wal_checkpoint(PASSIVE)");
        EXPECT_EQ(checkpoint.ValueAt(0, 1).toInt(), checkpoint.ValueAt(0, 2).toInt()) << c.songs << " songs, closed";
    }
}

TEST_F(StationFolder, InATransactionARecordsetSeesItsChangesAndKeepsItsRowsWhenMoreAreWritten)
{
    QStringList values;
    for (int codigo = 1; codigo <= 3000; ++codigo)
        values << QStringLiteral("(%1)").arg(codigo);
    musica.Execute("INSERT INTO CATALOGO (CODIGO) VALUES " + values.join(','));
    musica.Execute("BEGIN");
    musica.Execute("DELETE * FROM CATALOGO WHERE CODIGO <= 10");
    jet::Recordset songs = musica.OpenRecordset("SELECT CODIGO FROM CATALOGO ORDER BY CODIGO");
    EXPECT_EQ(songs.Fields("CODIGO").Value().toInt(), 11);
    musica.Execute("INSERT INTO CATALOGO (CODIGO) VALUES (9999)");
    musica.Execute("DELETE * FROM CATALOGO WHERE CODIGO = 3000");
    EXPECT_EQ(songs.RecordCount(), 2990);
    songs.MoveLast();
    EXPECT_EQ(songs.Fields("CODIGO").Value().toInt(), 3000);
    musica.Execute("COMMIT");
}
