// The language tables: look-ups ignore case, the game profile decides which
// verbs and messages exist, names of other games and misspellings are not
// there, and every table is sorted without duplicates (the look-ups rely on it).
#include <QtTest>

#include <algorithm>
#include <string>

#include "cog/Tables.h"

using cog::Game;

namespace {

std::string lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return out;
}

std::string upper(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  });
  return out;
}

// The names in the order the look-ups need, checked without the library's own comparison.
template <typename Range, typename Key>
void verifyStrictlyAscending(const Range& rows, Key key, const char* what) {
  std::string previous;
  bool first = true;
  for (const auto& row : rows) {
    const std::string name = lower(key(row));
    QVERIFY2(!name.empty(), what);
    if (!first)
      QVERIFY2(previous < name, (std::string(what) + ": " + previous + " then " + name).c_str());
    previous = name;
    first = false;
  }
  QVERIFY2(!first, what);
}

enum class Kind { Verb, Message, Type, Extension, Keyword, Section };

bool known(Kind kind, std::string_view name, Game game) {
  switch (kind) {
    case Kind::Verb: return cog::findVerb(name, game) != nullptr;
    case Kind::Message: return cog::isMessage(name, game);
    case Kind::Type: return cog::isSymbolType(name);
    case Kind::Extension: return cog::isSymbolExtension(name);
    case Kind::Keyword: return cog::isKeyword(name);
    case Kind::Section: return cog::isSectionWord(name);
  }
  return false;
}

}  // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Game)

class CogTablesTest : public QObject {
  Q_OBJECT
 private slots:
  void spellingsOfOneName_data();
  void spellingsOfOneName();
  void gameProfile_data();
  void gameProfile();
  void namesThatAreNotThere_data();
  void namesThatAreNotThere();
  void argumentCountsAndResults_data();
  void argumentCountsAndResults();
  void tablesAreSortedWithoutDuplicates();
  void everyListedNameIsFoundInItsGames();
};

// Scripts write GetSenderID, GetSenderId and getsenderid; the game reads them all.
void CogTablesTest::spellingsOfOneName_data() {
  QTest::addColumn<Kind>("kind");
  QTest::addColumn<QByteArray>("name");
  QTest::newRow("verb as the references write it") << Kind::Verb << QByteArray("GetSenderRef");
  QTest::newRow("verb in lower case") << Kind::Verb << QByteArray("getsenderid");
  QTest::newRow("verb in upper case") << Kind::Verb << QByteArray("GETSENDERID");
  QTest::newRow("verb in mixed case") << Kind::Verb << QByteArray("gEtSeNdErId");
  QTest::newRow("verb beginning with jk") << Kind::Verb << QByteArray("JKSETFLAGS");
  QTest::newRow("message capitalised") << Kind::Message << QByteArray("Startup");
  QTest::newRow("message in upper case") << Kind::Message << QByteArray("ACTIVATED");
  QTest::newRow("type capitalised") << Kind::Type << QByteArray("Thing");
  QTest::newRow("type in upper case") << Kind::Type << QByteArray("TEMPLATE");
  QTest::newRow("flex's other spelling") << Kind::Type << QByteArray("Float");
  QTest::newRow("extension in upper case") << Kind::Extension << QByteArray("LOCAL");
  QTest::newRow("extension capitalised") << Kind::Extension << QByteArray("NoLink");
  QTest::newRow("keyword capitalised") << Kind::Keyword << QByteArray("Return");
  QTest::newRow("stop, the other return") << Kind::Keyword << QByteArray("STOP");
  QTest::newRow("section word capitalised") << Kind::Section << QByteArray("Symbols");
  QTest::newRow("end in upper case") << Kind::Section << QByteArray("END");
}

void CogTablesTest::spellingsOfOneName() {
  QFETCH(Kind, kind);
  QFETCH(QByteArray, name);
  const std::string_view n(name.constData(), static_cast<std::size_t>(name.size()));
  QVERIFY(known(kind, n, Game::JediKnight));
  QVERIFY(known(kind, n, Game::MysteriesOfTheSith));
}

// The expansion adds verbs and messages; the base game's stay valid in it.
void CogTablesTest::gameProfile_data() {
  QTest::addColumn<Kind>("kind");
  QTest::addColumn<QByteArray>("name");
  QTest::addColumn<bool>("inJediKnight");
  QTest::addColumn<bool>("inMysteries");
  QTest::newRow("base verb") << Kind::Verb << QByteArray("SetTimerEx") << true << true;
  QTest::newRow("base jk verb") << Kind::Verb << QByteArray("jkSetSaberInfo") << true << true;
  QTest::newRow("base AI verb") << Kind::Verb << QByteArray("AISetMovePos") << true << true;
  QTest::newRow("added trigonometry") << Kind::Verb << QByteArray("Sin") << false << true;
  QTest::newRow("added vector test") << Kind::Verb << QByteArray("VectorEqual") << false << true;
  QTest::newRow("added cutscene verb") << Kind::Verb << QByteArray("jkBeginCutscene") << false << true;
  QTest::newRow("added bubble verb") << Kind::Verb << QByteArray("jkCreateBubble") << false << true;
  QTest::newRow("added sector verb") << Kind::Verb << QByteArray("FindSectorAtPos") << false << true;
  QTest::newRow("added voice verb") << Kind::Verb << QByteArray("PlayVoiceThing") << false << true;
  QTest::newRow("added AI alignment verb") << Kind::Verb << QByteArray("AISetAlignment") << false << true;
  QTest::newRow("added creation verb") << Kind::Verb << QByteArray("CreateThingAtPosOwner") << false << true;
  QTest::newRow("base verb the expansion's table lost") << Kind::Verb << QByteArray("GetCurInvWeapon") << true << true;
  QTest::newRow("base verb rebound by a third game") << Kind::Verb << QByteArray("ModifyColorEffect") << true << true;
  QTest::newRow("expansion's older creation verb") << Kind::Verb << QByteArray("CreateThingAtPosOld") << false << true;
  QTest::newRow("expansion's voice print") << Kind::Verb << QByteArray("jkPrintUniVoice") << false << true;
  QTest::newRow("base message") << Kind::Message << QByteArray("damaged") << true << true;
  QTest::newRow("last base message") << Kind::Message << QByteArray("trigger") << true << true;
  QTest::newRow("added preblock") << Kind::Message << QByteArray("preblock") << false << true;
  QTest::newRow("added escaped") << Kind::Message << QByteArray("escaped") << false << true;
  QTest::newRow("added attachkilled") << Kind::Message << QByteArray("attachkilled") << false << true;
  QTest::newRow("added playeraction") << Kind::Message << QByteArray("playeraction") << false << true;
  QTest::newRow("added enterbubble") << Kind::Message << QByteArray("enterbubble") << false << true;
  QTest::newRow("added exitbubble") << Kind::Message << QByteArray("exitbubble") << false << true;
}

void CogTablesTest::gameProfile() {
  QFETCH(Kind, kind);
  QFETCH(QByteArray, name);
  QFETCH(bool, inJediKnight);
  QFETCH(bool, inMysteries);
  const std::string_view n(name.constData(), static_cast<std::size_t>(name.size()));
  QCOMPARE(known(kind, n, Game::JediKnight), inJediKnight);
  QCOMPARE(known(kind, n, Game::MysteriesOfTheSith), inMysteries);
  if (kind == Kind::Verb) QCOMPARE(cog::findVerb(n, Game::MysteriesOfTheSith)->motsOnly, !inJediKnight);
}

// Verbs and messages only a third game on the engine registers, the
// reimplementation's own additions, near-misses and non-names.
void CogTablesTest::namesThatAreNotThere_data() {
  QTest::addColumn<Kind>("kind");
  QTest::addColumn<QByteArray>("name");
  QTest::newRow("third game's dialogue verb") << Kind::Verb << QByteArray("dwFreezePlayer");
  QTest::newRow("third game's laser verb") << Kind::Verb << QByteArray("AddLaser");
  QTest::newRow("third game's radius verb") << Kind::Verb << QByteArray("GetThingRadius");
  QTest::newRow("third game's camera verb") << Kind::Verb << QByteArray("SetCameraFocii");
  QTest::newRow("third game's sound verb") << Kind::Verb << QByteArray("PlaySoundThingAndWait");
  QTest::newRow("reimplementation's attach verb") << Kind::Verb << QByteArray("GetThingAttachSurface");
  QTest::newRow("reimplementation's maths verb") << Kind::Verb << QByteArray("SquareRoot");
  QTest::newRow("reimplementation's random verb") << Kind::Verb << QByteArray("RandomInt");
  QTest::newRow("reimplementation's camera verb") << Kind::Verb << QByteArray("GetCameraFov");
  QTest::newRow("reimplementation's hotkey verb") << Kind::Verb << QByteArray("GetHotkeyCog");
  QTest::newRow("listed by the pages, registered by no game") << Kind::Verb << QByteArray("GetGoalFlags");
  QTest::newRow("letter missing") << Kind::Verb << QByteArray("GetSendrRef");
  QTest::newRow("letter extra") << Kind::Verb << QByteArray("SetTimerExx");
  QTest::newRow("plural") << Kind::Verb << QByteArray("GetSenderRefs");
  QTest::newRow("prefix of a verb") << Kind::Verb << QByteArray("GetSender");
  QTest::newRow("blank inside") << Kind::Verb << QByteArray("Get SenderRef");
  QTest::newRow("empty verb") << Kind::Verb << QByteArray("");
  QTest::newRow("keyword is no verb") << Kind::Verb << QByteArray("return");
  QTest::newRow("third game's message") << Kind::Message << QByteArray("laserhit");
  QTest::newRow("reimplementation's message") << Kind::Message << QByteArray("hotkey");
  QTest::newRow("engine global is no message") << Kind::Message << QByteArray("global0");
  QTest::newRow("user8 does not exist") << Kind::Message << QByteArray("user8");
  QTest::newRow("message misspelt") << Kind::Message << QByteArray("activted");
  QTest::newRow("empty message") << Kind::Message << QByteArray("");
  QTest::newRow("later game's type") << Kind::Type << QByteArray("sprite");
  QTest::newRow("C type") << Kind::Type << QByteArray("string");
  QTest::newRow("type misspelt") << Kind::Type << QByteArray("templat");
  QTest::newRow("value is no extension") << Kind::Extension << QByteArray("0x401");
  QTest::newRow("extension misspelt") << Kind::Extension << QByteArray("nolinks");
  QTest::newRow("C keyword") << Kind::Keyword << QByteArray("switch");
  QTest::newRow("end is a section word") << Kind::Keyword << QByteArray("end");
  QTest::newRow("symbol is no section") << Kind::Section << QByteArray("symbol");
}

void CogTablesTest::namesThatAreNotThere() {
  QFETCH(Kind, kind);
  QFETCH(QByteArray, name);
  const std::string_view n(name.constData(), static_cast<std::size_t>(name.size()));
  QVERIFY(!known(kind, n, Game::JediKnight));
  QVERIFY(!known(kind, n, Game::MysteriesOfTheSith));
}

// Counts kept where the engine's stack pops and the reference pages' "Use:"
// lines agree (checked by hand against both); -1 where they differ or a
// source is silent. Whether a verb returns a value follows the engine.
void CogTablesTest::argumentCountsAndResults_data() {
  QTest::addColumn<QByteArray>("name");
  QTest::addColumn<Game>("game");
  QTest::addColumn<int>("args");
  QTest::addColumn<bool>("returnsValue");
  QTest::newRow("no arguments, a result") << QByteArray("GetGravity") << Game::JediKnight << 0 << true;
  QTest::newRow("one argument, no result") << QByteArray("jkEndLevel") << Game::JediKnight << 1 << false;
  QTest::newRow("sector and flags") << QByteArray("ClearSectorFlags") << Game::JediKnight << 2 << false;
  QTest::newRow("material, rate, flags") << QByteArray("MaterialAnim") << Game::JediKnight << 3 << true;
  QTest::newRow("thing, track, delay") << QByteArray("StopKey") << Game::JediKnight << 3 << false;
  QTest::newRow("four arguments and a track") << QByteArray("PlayKey") << Game::JediKnight << 4 << true;
  QTest::newRow("same row in the expansion") << QByteArray("playkey") << Game::MysteriesOfTheSith << 4 << true;
  QTest::newRow("a vector where the page shows three values")
      << QByteArray("SetCeilingSkyOffset") << Game::JediKnight << -1 << false;
  QTest::newRow("page marks the use unknown") << QByteArray("GetSectorThingCount") << Game::JediKnight << -1 << true;
  QTest::newRow("no page at hand") << QByteArray("SetTimerEx") << Game::JediKnight << -1 << false;
  QTest::newRow("result, no page at hand") << QByteArray("GetSenderRef") << Game::JediKnight << -1 << true;
  QTest::newRow("sleeping returns nothing") << QByteArray("Sleep") << Game::JediKnight << -1 << false;
  QTest::newRow("creation returns the thing") << QByteArray("CreateThing") << Game::JediKnight << -1 << true;
  QTest::newRow("expansion verb") << QByteArray("Sin") << Game::MysteriesOfTheSith << -1 << true;
}

void CogTablesTest::argumentCountsAndResults() {
  QFETCH(QByteArray, name);
  QFETCH(Game, game);
  QFETCH(int, args);
  QFETCH(bool, returnsValue);
  const cog::VerbInfo* v =
      cog::findVerb(std::string_view(name.constData(), static_cast<std::size_t>(name.size())), game);
  QVERIFY(v != nullptr);
  QCOMPARE(v->args, args);
  QCOMPARE(v->returnsValue, returnsValue);
}

void CogTablesTest::tablesAreSortedWithoutDuplicates() {
  auto name = [](const auto& row) { return row.name; };
  auto word = [](std::string_view w) { return w; };
  verifyStrictlyAscending(cog::allVerbs(), name, "verbs");
  verifyStrictlyAscending(cog::allMessages(), name, "messages");
  verifyStrictlyAscending(cog::allSymbolTypes(), word, "symbol types");
  verifyStrictlyAscending(cog::allSymbolExtensions(), word, "symbol extensions");
  verifyStrictlyAscending(cog::allKeywords(), word, "keywords");
  verifyStrictlyAscending(cog::allSectionWords(), word, "section words");
}

// Every row is reachable, in any case, in exactly the games it belongs to,
// and the look-up hands back that row.
void CogTablesTest::everyListedNameIsFoundInItsGames() {
  for (const cog::VerbInfo& v : cog::allVerbs()) {
    const std::string shout = upper(v.name);
    QCOMPARE(cog::findVerb(shout, Game::MysteriesOfTheSith), &v);
    QCOMPARE(cog::findVerb(lower(v.name), Game::JediKnight), v.motsOnly ? nullptr : &v);
    QVERIFY2(v.args >= -1 && v.args <= 12, shout.c_str());
  }
  for (const cog::MessageInfo& m : cog::allMessages()) {
    QVERIFY(cog::isMessage(upper(m.name), Game::MysteriesOfTheSith));
    QCOMPARE(cog::isMessage(upper(m.name), Game::JediKnight), !m.motsOnly);
  }
  for (std::string_view w : cog::allSymbolTypes()) QVERIFY(cog::isSymbolType(upper(w)));
  for (std::string_view w : cog::allSymbolExtensions()) QVERIFY(cog::isSymbolExtension(upper(w)));
  for (std::string_view w : cog::allKeywords()) QVERIFY(cog::isKeyword(upper(w)));
  for (std::string_view w : cog::allSectionWords()) QVERIFY(cog::isSectionWord(upper(w)));
}

QTEST_APPLESS_MAIN(CogTablesTest)
#include "tst_cogtables.moc"
