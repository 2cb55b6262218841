#include "history/test_index.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <map>

namespace history {
namespace {

TestIndexRow Row(const std::string& path, std::int64_t size = 700) {
  TestIndexRow row;
  row.path = path;
  row.size = size;
  row.modifiedMs = 1'700'000'000'123;
  row.header = "Part #12  ,Set Pressure: 10.0 PSI,  Monday, December 08, 2003,  3:45:12 PM";
  row.headerDate = "Monday, December 08, 2003";
  row.headerTime = "3:45:12 PM";
  row.testedAtMs = 1'070'898'312'000;
  row.testedAtFromHeader = true;
  row.partNumber = 12;
  row.setPressure = 10;
  row.calLeak = 10.6;
  row.testSeries = "A1";
  row.fullScaleFlow = "10";
  row.leakLimit = 5;
  row.zeroTime = 2;
  row.dataLines = 771;
  row.readHighest = 7.5;
  row.readLast = 2.5;
  row.aboveLimit = true;
  return row;
}

// A second connection to the index file, as the plant database sender has one.
class OtherConnection {
 public:
  explicit OtherConnection(const QString& file) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", kName);
    db.setDatabaseName(file);
    db.open();
  }
  ~OtherConnection() { QSqlDatabase::removeDatabase(kName); }

  // The first column of every row of a query.
  std::vector<QVariant> Column(const QString& statement) {
    QSqlQuery query(QSqlDatabase::database(kName));
    EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
    std::vector<QVariant> values;
    while (query.next()) values.push_back(query.value(0));
    return values;
  }
  std::map<std::string, qint64> Outbox() {
    QSqlQuery query(QSqlDatabase::database(kName));
    query.exec("SELECT path, revision FROM outbox");
    std::map<std::string, qint64> entries;
    while (query.next())
      entries[query.value(0).toString().toStdString()] = query.value(1).toLongLong();
    return entries;
  }
  qint64 RevisionOf(const std::string& path) {
    auto values =
        Column("SELECT revision FROM tests WHERE path = '" + QString::fromStdString(path) + "'");
    return values.empty() ? -1 : values[0].toLongLong();
  }

 private:
  static constexpr const char* kName = "other";
};

class TestIndexTest : public ::testing::Test {
 protected:
  std::string File(const char* name = "index.sqlite") const {
    return QDir(folder_.path()).filePath(name).toStdString();
  }
  QTemporaryDir folder_;
};

TEST_F(TestIndexTest, KeepsRowsAcrossOpeningsAndReplacesARowWrittenAgain) {
  TestIndexRow empty = Row("/leak/1208A1.2");
  empty.readHighest = std::nullopt;
  empty.readLast = std::nullopt;
  empty.damage = "line 9, field 3: \"4x\" is not a number";
  {
    TestIndex index(File());
    ASSERT_TRUE(index.Opened()) << index.LastError();
    ASSERT_TRUE(index.RecordAll({Row("/leak/1208A1.1", 1), empty}));
    ASSERT_TRUE(index.Record(Row("/leak/1208A1.1")));
  }
  TestIndex index(File());
  TestIndex alongside(File());  // each instance has a connection of its own
  ASSERT_TRUE(index.Opened() && alongside.Opened());
  EXPECT_EQ(index.AllRows(), (std::vector<TestIndexRow>{Row("/leak/1208A1.1"), empty}));
  EXPECT_EQ(alongside.RowOf("/leak/1208A1.2"), empty);
  EXPECT_EQ(index.RowOf("/leak/1208A1.3"), std::nullopt);
  EXPECT_EQ(index.DatabasePath(), File());
}

TEST_F(TestIndexTest, StampsInAFolderAreThoseOfItsOwnFilesOnly) {
  TestIndex index(File());
  ASSERT_TRUE(index.RecordAll({Row("/leak/1208A1.1", 1), Row("/leak/1208A1.2", 2),
                               Row("/leak/old/1208A1.1", 3), Row("/leak2/1208A1.1", 4),
                               Row("/leak.1/1208A1.1", 5)}));
  using Stamps = std::vector<std::pair<std::string, FileStamp>>;
  const Stamps expected{{"/leak/1208A1.1", {1, 1'700'000'000'123}},
                        {"/leak/1208A1.2", {2, 1'700'000'000'123}}};
  EXPECT_EQ(index.StampsIn("/leak"), expected);
  EXPECT_EQ(index.StampsIn("/leak/"), expected);
  ASSERT_TRUE(index.Remove({"/leak/1208A1.1", "/leak/not-there"}));
  EXPECT_EQ(index.StampsIn("/leak"), (Stamps{expected[1]}));
  EXPECT_EQ(index.AllRows().size(), 4u);
}

TEST_F(TestIndexTest, KeepsTheFoldersItScans) {
  {
    TestIndex index(File());
    ASSERT_TRUE(index.AddFolder("/leak"));
    ASSERT_TRUE(index.AddFolder("/plant/station 2"));
    ASSERT_TRUE(index.AddFolder("/leak"));
  }
  EXPECT_EQ(TestIndex(File()).Folders(), (std::vector<std::string>{"/leak", "/plant/station 2"}));
}

TEST_F(TestIndexTest, QueuesEveryWrittenRevisionForThePlantWhileSendingIsOn) {
  TestIndex index(File());
  OtherConnection sender(QString::fromStdString(File()));
  ASSERT_TRUE(index.Record(Row("/leak/a")));
  EXPECT_TRUE(sender.Outbox().empty());
  EXPECT_EQ(sender.Column("PRAGMA journal_mode")[0].toString(), "wal");

  index.SetQueueForPlant(true);
  ASSERT_TRUE(index.QueueForPlant());
  ASSERT_TRUE(index.RecordAll({Row("/leak/b"), Row("/leak/c")}));
  qint64 firstB = sender.RevisionOf("/leak/b");
  ASSERT_TRUE(index.Record(Row("/leak/b", 800)));  // written again before it was sent
  EXPECT_GT(sender.RevisionOf("/leak/b"), firstB);
  EXPECT_EQ(sender.Outbox(),
            (std::map<std::string, qint64>{{"/leak/b", sender.RevisionOf("/leak/b")},
                                           {"/leak/c", sender.RevisionOf("/leak/c")}}));

  // A row removed and written again never takes a revision it had before.
  qint64 firstC = sender.RevisionOf("/leak/c");
  ASSERT_TRUE(index.Remove({"/leak/c"}));
  EXPECT_EQ(sender.Outbox().count("/leak/c"), 0u);
  ASSERT_TRUE(index.Record(Row("/leak/c")));
  EXPECT_GT(sender.Outbox()["/leak/c"], firstC);
}

TEST_F(TestIndexTest, AStationGivenAPlantDatabaseLaterQueuesItsWholeHistoryOnce) {
  TestIndex index(File());
  OtherConnection sender(QString::fromStdString(File()));
  ASSERT_TRUE(index.RecordAll({Row("/leak/a"), Row("/leak/b")}));
  ASSERT_TRUE(index.QueueEverythingFor("kmuser@plant:5432/leaktests as station LINE1"));
  EXPECT_EQ(sender.Outbox().size(), 2u);
  sender.Column("DELETE FROM outbox");  // sent
  // The next start with the same server sends nothing again; another server gets it all.
  ASSERT_TRUE(index.QueueEverythingFor("kmuser@plant:5432/leaktests as station LINE1"));
  EXPECT_TRUE(sender.Outbox().empty());
  ASSERT_TRUE(index.QueueEverythingFor("kmuser@plant2:5432/leaktests as station LINE1"));
  EXPECT_EQ(sender.Outbox().size(), 2u);
}

TEST_F(TestIndexTest, SetsAsideAFileThatIsNoIndexAndStartsANewOne) {
  struct Case {
    const char* name;
    const char* statement;  // into an SQLite file; none: a text file
  };
  const Case cases[] = {
      {"a text file", nullptr},
      {"another program's database", "CREATE TABLE parts(number INTEGER)"},
      {"another schema version",
       "CREATE TABLE meta(key TEXT PRIMARY KEY, value); INSERT INTO meta VALUES('schema_version', "
       "99)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QString file = QString::fromStdString(File(c.name));
    if (c.statement) {
      OtherConnection other(file);
      for (const QString& statement : QString(c.statement).split("; ")) other.Column(statement);
    } else {
      QFile text(file);
      ASSERT_TRUE(text.open(QIODevice::WriteOnly));
      text.write("\"Part #12  ,Set Pressure: 10.0 PSI\"\r\n1059,392,490,1.6,10\r\n");
    }
    QByteArray before = [&] {
      QFile f(file);
      f.open(QIODevice::ReadOnly);
      return f.readAll();
    }();
    TestIndex index(file.toStdString());
    ASSERT_TRUE(index.Opened()) << index.LastError();
    EXPECT_TRUE(index.AllRows().empty());
    EXPECT_TRUE(index.Record(Row("/leak/a")));
    QFile aside(file + ".damaged");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), before);
  }
}

TEST_F(TestIndexTest, MakesTheFolderOfANewIndex) {
  std::string file = File("data/KM4400/index.sqlite");
  TestIndex index(file);
  ASSERT_TRUE(index.Opened()) << index.LastError();
  EXPECT_TRUE(index.Record(Row("/leak/a")));
  EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
}

TEST_F(TestIndexTest, AnIndexThatCannotBeOpenedSaysSoOnEveryWrite) {
  QFile blocker(QString::fromStdString(File("blocker")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  TestIndex index(File("blocker/index.sqlite"));  // its folder would have to be inside a file
  EXPECT_FALSE(index.Opened());
  EXPECT_FALSE(index.LastError().empty());
  IndexResult result = index.Record(Row("/leak/a"));
  EXPECT_FALSE(result);
  EXPECT_EQ(result.message, index.LastError());
  EXPECT_FALSE(index.Remove({"/leak/a"}));
  EXPECT_FALSE(index.AddFolder("/leak"));
  EXPECT_TRUE(index.AllRows().empty());
  EXPECT_TRUE(index.StampsIn("/leak").empty());
}

TEST_F(TestIndexTest, AFailedWriteSaysWhyAndLeavesNothingHalfDone) {
  TestIndex index(File());
  ASSERT_TRUE(index.Record(Row("/leak/a")));
  OtherConnection other(QString::fromStdString(File()));
  other.Column("DROP TABLE outbox");
  index.SetQueueForPlant(true);
  IndexResult result = index.RecordAll({Row("/leak/b"), Row("/leak/c")});
  EXPECT_FALSE(result);
  EXPECT_NE(result.message.find("outbox"), std::string::npos) << result.message;
  EXPECT_EQ(index.AllRows(), std::vector<TestIndexRow>{Row("/leak/a")});
}

}  // namespace
}  // namespace history
