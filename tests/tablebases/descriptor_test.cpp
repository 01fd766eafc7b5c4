// The descriptor table against the published table list: numbering, names, flags and the
// position counts of both sides of every table.
#include <gtest/gtest.h>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>
#include "support/tbfake.h"
#include "tablebases/tbdesc.h"

namespace {

std::vector<std::string> Words(const char* sz) {
  std::istringstream in(sz);
  std::vector<std::string> v;
  for (std::string w; in >> w;) v.push_back(w);
  return v;
}

const char* szAllTables =
    "kpk knk kbk krk kqk "
    "kpkp knkp knkn kbkp kbkn kbkb krkp krkn krkb krkr kqkp kqkn kqkb kqkr kqkq "
    "kppk knpk knnk kbpk kbnk kbbk krpk krnk krbk krrk kqpk kqnk kqbk kqrk kqqk "
    "kppkp kppkn kppkb kppkr kppkq knpkp knpkn knpkb knpkr knpkq knnkp knnkn knnkb knnkr "
    "knnkq kbpkp kbpkn kbpkb kbpkr kbpkq kbnkp kbnkn kbnkb kbnkr kbnkq kbbkp kbbkn kbbkb "
    "kbbkr kbbkq krpkp krpkn krpkb krpkr krpkq krnkp krnkn krnkb krnkr krnkq krbkp krbkn "
    "krbkb krbkr krbkq krrkp krrkn krrkb krrkr krrkq kqpkp kqpkn kqpkb kqpkr kqpkq kqnkp "
    "kqnkn kqnkb kqnkr kqnkq kqbkp kqbkn kqbkb kqbkr kqbkq kqrkp kqrkn kqrkb kqrkr kqrkq "
    "kqqkp kqqkn kqqkb kqqkr kqqkq "
    "kpppk knppk knnpk knnnk kbppk kbnpk kbnnk kbbpk kbbnk kbbbk krppk krnpk krnnk krbpk "
    "krbnk krbbk krrpk krrnk krrbk krrrk kqppk kqnpk kqnnk kqbpk kqbnk kqbbk kqrpk kqrnk "
    "kqrbk kqrrk kqqpk kqqnk kqqbk kqqrk kqqqk "
    "knnknn kbnknn kbbknn kbbkbn kbbkbb krnknn krnkbb krbknn krbkbb krrknn krrkbn krrkbb "
    "krrkrn krrkrb krrkrr kqnknn kqnkbb kqnkrr kqbknn kqbkbb kqbkrr kqrknn kqrkbb kqrkrr "
    "kqqknn kqqkbn kqqkbb kqqkrn kqqkrb kqqkrr kqqkqn kqqkqb kqqkqr kqqkqq kbnkbn krnkrn "
    "krbkrb kqnkqn kqbkqb kqrkqr krnkbn krbkbn krbkrn kqnkbn kqnkrn kqnkrb kqbkbn kqbkrn "
    "kqbkrb kqbkqn kqrkbn kqrkrn kqrkrb kqrkqn kqrkqb kppkpp knpkpp knpknp knnkpp knnknp "
    "kbpkpp kbpknp kbpknn kbpkbp kbnkpp kbnknp kbnkbp kbbkpp kbbknp kbbkbp krpkpp krpknp "
    "krpknn krpkbp krpkbn krpkbb krpkrp krnkpp krnknp krnkbp krnkrp krbkpp krbknp krbkbp "
    "krbkrp krrkpp krrknp krrkbp krrkrp kqpkpp kqpknp kqpknn kqpkbp kqpkbn kqpkbb kqpkrp "
    "kqpkrn kqpkrb kqpkrr kqpkqp kqnkpp kqnknp kqnkbp kqnkrp kqnkqp kqbkpp kqbknp kqbkbp "
    "kqbkrp kqbkqp kqrkpp kqrknp kqrkbp kqrkrp kqrkqp kqqkpp kqqknp kqqkbp kqqkrp kqqkqp "
    "knnnkn kbnnkn kbbnkn kbbbkn krnnkn krbbkn krrnkn krrbkn krrrkn kqnnkn kqbbkn kqrrkn "
    "kqqnkn kqqbkn kqqrkn kqqqkn knnnkb kbnnkb kbbnkb kbbbkb krnnkb krbbkb krrnkb krrbkb "
    "krrrkb kqnnkb kqbbkb kqrrkb kqqnkb kqqbkb kqqrkb kqqqkb knnnkr kbnnkr kbbnkr kbbbkr "
    "krnnkr krbbkr krrnkr krrbkr krrrkr kqnnkr kqbbkr kqrrkr kqqnkr kqqbkr kqqrkr kqqqkr "
    "knnnkq kbnnkq kbbnkq kbbbkq krnnkq krbbkq krrnkq krrbkq krrrkq kqnnkq kqbbkq kqrrkq "
    "kqqnkq kqqbkq kqqrkq kqqqkq krbnkn kqbnkn kqrnkn kqrbkn krbnkb kqbnkb kqrnkb kqrbkb "
    "krbnkr kqbnkr kqrnkr kqrbkr krbnkq kqbnkq kqrnkq kqrbkq kpppkp knppkp knnpkp knnnkp "
    "kbppkp kbnpkp kbnnkp kbbpkp kbbnkp kbbbkp krppkp krnpkp krnnkp krbpkp krbnkp krbbkp "
    "krrpkp krrnkp krrbkp krrrkp kqppkp kqnpkp kqnnkp kqbpkp kqbnkp kqbbkp kqrpkp kqrnkp "
    "kqrbkp kqrrkp kqqpkp kqqnkp kqqbkp kqqrkp kqqqkp kpppkn knppkn knnpkn kbppkn kbnpkn "
    "kbbpkn krppkn krnpkn krbpkn krrpkn kqppkn kqnpkn kqbpkn kqrpkn kqqpkn kpppkb knppkb "
    "knnpkb kbppkb kbnpkb kbbpkb krppkb krnpkb krbpkb krrpkb kqppkb kqnpkb kqbpkb kqrpkb "
    "kqqpkb kpppkr knppkr knnpkr kbppkr kbnpkr kbbpkr krppkr krnpkr krbpkr krrpkr kqppkr "
    "kqnpkr kqbpkr kqrpkr kqqpkr kpppkq knppkq knnpkq kbppkq kbnpkq kbbpkq krppkq krnpkq "
    "krbpkq krrpkq kqppkq kqnpkq kqbpkq kqrpkq kqqpkq";

const char* szSymmetric =
    "knkn kbkb krkr kqkq knnknn kbbkbb krrkrr kqqkqq kbnkbn krnkrn krbkrb kqnkqn kqbkqb "
    "kqrkqr kppkpp knpknp kbpkbp krpkrp kqpkqp";

const char* sz16Bit =
    "krnknn krnkbb krbknn kqnkrr krnkbn kppkpp knpkpp knnkpp knnknp kbpkpp kbpknp kbpknn "
    "kbnkpp kbnknp kbbknp krpkpp krpknp krpknn krpkbp krpkbn krpkbb krnkpp krnknp krnkbp "
    "krbkpp krbknp krrkpp krrknp kqpkpp kqpkrb kqpkrr kqpkqp kqnkpp kqnkqp kqbkqp kqrkqp "
    "kpppkp knppkp kbppkp kbnpkp kbbpkp krppkp krnpkp krbpkp krrpkp kqppkp kqnpkp kqbpkp "
    "kbppkr kbnpkr kbbpkr kpppkq knppkq kbppkq kbnpkq kbbpkq krppkq krnpkq krbpkq krrpkq "
    "kqppkq kqnpkq kqbpkq kqrpkq";

const char* szSplit =
    "krnkbn krbkbn kqnkrn kqnkrb kqbkrn kqbkrb knpkpp knpknp knnknp kbpkpp kbpknp kbpknn "
    "kbpkbp kbnkpp kbnknp kbnkbp kbbknp kbbkbp krpkpp krpknp krpknn krpkbp krpkbn krpkbb "
    "krpkrp krnkpp krnknp krnkbp krnkrp krbkpp krbknp krbkbp krbkrp krrknp krrkbp krrkrp "
    "kqpkpp kqpknp kqpknn kqpkbp kqpkbn kqpkbb kqpkrp kqpkrn kqpkrb kqpkrr kqpkqp kqnkpp "
    "kqnknp kqnkbp kqnkrp kqnkqp kqbkpp kqbknp kqbkbp kqbkrp kqbkqp kqrkpp kqrknp kqrkbp "
    "kqrkrp kqrkqp kqqknp kqqkbp kqqkrp kqqkqp kqbnkq knppkp knnpkp kbppkp kbnpkp kbnnkp "
    "kbbpkp kbbnkp krppkp krnpkp krnnkp krbpkp krbnkp krbbkp krrpkp krrnkp krrbkp kqppkp "
    "kqnpkp kqnnkp kqbpkp kqbnkp kqbbkp kqrpkp kqrnkp kqrbkp kqrrkp kqqpkp kqqnkp kqqbkp "
    "kqqrkp knppkn knnpkn kbppkn kbnpkn kbbpkn krppkn krnpkn krbpkn krrpkn kqppkn kqnpkn "
    "kqbpkn kqrpkn kqqpkn knppkb knnpkb kbppkb kbnpkb kbbpkb krppkb krnpkb krbpkb krrpkb "
    "kqppkb kqnpkb kqbpkb kqrpkb kqqpkb knppkr knnpkr kbppkr kbnpkr kbbpkr krppkr krnpkr "
    "krbpkr krrpkr kqppkr kqnpkr kqbpkr kqrpkr kqqpkr knppkq knnpkq kbppkq kbnpkq kbbpkq "
    "krppkq krnpkq krbpkq krrpkq kqppkq kqnpkq kqbpkq kqrpkq kqqpkq";

TEST(Descriptors, NumbersNamesAndFlags) {
  std::vector<std::string> names = Words(szAllTables);
  ASSERT_EQ(names.size(), size_t(cTb));
  EXPECT_EQ(rgtbdDesc[0].iTb, 0);
  EXPECT_STREQ(rgtbdDesc[0].szName, "kk");
  EXPECT_EQ(rgtbdDesc[0].flags, fSymmetric);
  EXPECT_EQ(rgtbdDesc[0].positions[0] + rgtbdDesc[0].positions[1], 0u);
  EXPECT_EQ(rgtbdDesc[0].rgpfnIndCalc[0], nullptr);
  std::map<std::string, int> flags;
  for (auto& w : Words(szSymmetric)) flags[w] |= fSymmetric;
  for (auto& w : Words(sz16Bit)) flags[w] |= f16Bit;
  for (auto& w : Words(szSplit)) flags[w] |= fSplit;
  EXPECT_EQ(Words(szSymmetric).size(), 19u);
  EXPECT_EQ(Words(sz16Bit).size(), 64u);
  EXPECT_EQ(Words(szSplit).size(), 153u);
  for (int iTb = 1; iTb <= cTb; iTb++) {
    const CTbDesc& tbd = rgtbdDesc[iTb];
    EXPECT_EQ(tbd.iTb, iTb);
    EXPECT_EQ(names[iTb - 1], tbd.szName) << iTb;
    EXPECT_EQ(tbd.flags, flags[tbd.szName]) << tbd.szName;
    EXPECT_NE(tbd.rgpfnIndCalc[0], nullptr) << tbd.szName;
    EXPECT_NE(tbd.rgpfnIndCalc[1], nullptr) << tbd.szName;
  }
  EXPECT_EQ(ITbOfName("kppkp"), 36);
}

// Index-range bounds from the grand totals of the offset tables, by material.
const std::map<std::string, INDEX> mapOnePawns = {
    {"p", 81664}, {"n", 102748}, {"b", 106500}, {"r", 105684}, {"q", 100212}};
const std::map<std::string, INDEX> mapOneNoPawns = {
    {"n", 26282}, {"b", 27243}, {"r", 27036}, {"q", 25635}};
const std::map<std::string, INDEX> mapPairPawns = {
    {"pp", 1806671}, {"np", 4648581}, {"nn", 2874826}, {"bp", 4817128}, {"bn", 6062284},
    {"bb", 3087990}, {"rp", 4779624}, {"rn", 6014436}, {"rb", 6233400}, {"rr", 3039726},
    {"qp", 4533584}, {"qn", 5706344}, {"qb", 5912880}, {"qr", 5866128}, {"qq", 2732826}};
const std::map<std::string, INDEX> mapPairNoPawns = {
    {"nn", 735304}, {"bn", 1550621}, {"bb", 789885},  {"rn", 1538479}, {"rb", 1594560},
    {"rr", 777639}, {"qn", 1459616}, {"qb", 1512507}, {"qr", 1500642}, {"qq", 699072}};
const std::map<std::string, INDEX> mapTripleNoPawns = {
    {"nnn", 13486227}, {"bnn", 43406296}, {"bbn", 44983620}, {"bbb", 15010230},
    {"rnn", 43056199}, {"rbn", 90787360}, {"rbb", 46242090}, {"rrn", 44265261},
    {"rrb", 45873720}, {"rrr", 14654106}, {"qnn", 40873647}, {"qbn", 86166719},
    {"qbb", 43879680}, {"qrn", 85470663}, {"qrb", 88558020}, {"qrr", 43177698},
    {"qqn", 39840787}, {"qqb", 41270973}, {"qqr", 40936806}, {"qqq", 12489057}};
const std::map<std::string, INDEX> mapTriplePawns = {
    {"ppp", 26061704},  {"npp", 102898651}, {"nnp", 130135501}, {"nnn", 52729628},
    {"bpp", 106602156}, {"bnp", 274352986}, {"bnn", 169710844}, {"bbp", 139715040},
    {"bbn", 175872900}, {"bbb", 58683360},  {"rpp", 105758668}, {"rnp", 272153675},
    {"rnn", 168331696}, {"rbp", 281991360}, {"rbn", 354930000}, {"rbb", 180774540},
    {"rrp", 137496696}, {"rrn", 173042664}, {"rrb", 179323020}, {"rrr", 57280104},
    {"qpp", 100347222}, {"qnp", 258294639}, {"qnn", 159803328}, {"qbp", 267576632},
    {"qbn", 336876476}, {"qbb", 171545220}, {"qrp", 265427688}, {"qrn", 334134732},
    {"qrb", 346191120}, {"qrr", 168779772}, {"qqp", 123694264}, {"qqn", 155755768},
    {"qqb", 161341500}, {"qqr", 160025364}, {"qqq", 48822000}};

bool FLike(const std::string& s) { return s[0] == s[1]; }

// Positions of the two sides of the tables whose families give their counts as the bound of
// a formula less named shortfalls (two men against one, two against two, three against one,
// without pawns on both sides).
std::pair<INDEX, INDEX> PositionsByRule(const std::string& name) {
  size_t k = name.find('k', 1);
  std::string w = name.substr(1, k - 1), b = name.substr(k + 1);
  bool fPawns = name.find('p') != std::string::npos;
  bool fWhitePawn = w.find('p') != std::string::npos;
  const auto& pairs = fPawns ? mapPairPawns : mapPairNoPawns;
  const auto& ones = fPawns ? mapOnePawns : mapOneNoPawns;
  INDEX W = 0, B = 0;
  if (w.size() == 2 && b.size() == 1) {
    W = pairs.at(w) * (b == "p" ? 48 : 60);
    if (w == "pp") B = ones.at(b) * 1128;
    else if (fWhitePawn) B = ones.at(b) * 2880;
    else B = ones.at(b) * (FLike(w) ? 1830 : 3660);
    if (name == "kppkr" || name == "kppkq") B -= 2 * 1128;
    if (!fPawns && (w == "bn" || w == "qr")) W -= 60;
    if (name == "kbnkp") W -= 48;
    if (name == "krrkp") W -= 117 * 48;
    if (name == "kqrkp") W -= 123 * 48;
    if (name == "kqqkp") W -= 115 * 48;
  } else if (w.size() == 2 && b.size() == 2) {
    INDEX rW = b == "pp" ? 1128 : b[1] == 'p' ? 2832 : FLike(b) ? 1770 : 3540;
    INDEX rB = fWhitePawn ? 2832 : FLike(w) ? 1770 : 3540;
    W = pairs.at(w) * rW;
    B = pairs.at(b) * rB;
    if ((w == "bn" || w == "qr") && name != "kqrkpp") W -= rW;
    if (b == "bn" || b == "qr") B -= rB;
    if (name == "krrkpp") W -= 117 * 1128;
    if (name == "kqrkpp") W -= 123 * 1128;
    if (name == "kqqkpp") W -= 115 * 1128;
    if (b == "rp" || b == "qp") B -= 54;
  } else if (w.size() == 3 && b.size() == 1) {
    W = (fPawns ? mapTriplePawns : mapTripleNoPawns).at(w) * (b == "p" ? 48 : 59);
    bool fPF = w[0] == w[1], fPL = w[1] == w[2];
    INDEX mult = fPF && fPL ? 35990 : fPF || fPL ? 107970 : 215940;
    if (fWhitePawn) mult = fPF && fPL ? 17296 : fPF ? 84960 : fPL ? 66552 : 169920;
    B = ones.at(b) * mult;
    std::map<std::string, INDEX> short59 = {{"bnn", 2}, {"bbn", 2}, {"rbn", 2}, {"qbn", 2},
                                            {"qrr", 2}, {"qqr", 2}, {"rnn", 1}, {"rbb", 1},
                                            {"qnn", 1}, {"qbb", 1}, {"qrn", 60}, {"qrb", 61}};
    std::map<std::string, INDEX> short48 = {
        {"bnn", 2}, {"bbn", 2}, {"rbn", 2},   {"qbn", 2},    {"rnn", 1},    {"rbb", 1},
        {"qnn", 1}, {"qbb", 1}, {"qrn", 60},  {"qrb", 61},   {"rrr", 3364}, {"qrr", 6907},
        {"qqr", 6904}, {"qqq", 3249}};
    if (!fPawns && short59.count(w)) W -= 59 * short59[w];
    if (b == "p" && short48.count(w)) W -= 48 * short48[w];
    if (fWhitePawn && (w == "bnp" || w == "qrp")) W -= 2773;
    if (name == "kpppkr" || name == "kpppkq") B -= 2 * 17296;
  }
  return {W, B};
}

void ExpectPositions(const char* name, INDEX W, INDEX B) {
  int iTb = ITbOfName(name);
  ASSERT_NE(iTb, 0) << name;
  EXPECT_EQ(rgtbdDesc[iTb].positions[0], W) << name;
  EXPECT_EQ(rgtbdDesc[iTb].positions[1], B) << name;
}

TEST(Descriptors, TellingRowsAndStatedCounts) {
  ExpectPositions("kpk", 81664, 84012);
  ExpectPositions("kqk", 25629, 28644);
  ExpectPositions("kqkq", 1563735, 1563735);
  ExpectPositions("knnknn", 1301488080, 1301488080);
  ExpectPositions("krbkbn", 5644742400, 5489194800);
  ExpectPositions("kqqpkq", 7297961576, 8514011520);
  // One man against the lone king and one man a side.
  ExpectPositions("knk", 26282, 28644);
  ExpectPositions("kbk", 27243, 28644);
  ExpectPositions("krk", 27030, 28644);
  ExpectPositions("knkn", 1603202, 1603202);
  ExpectPositions("kbkn", 1661823, 1603202);
  ExpectPositions("kbkb", 1661823, 1661823);
  ExpectPositions("krkn", 27036 * 61, 1603202);
  ExpectPositions("krkb", 27036 * 61, 1661823);
  ExpectPositions("krkr", 27036 * 61, 27036 * 61);
  ExpectPositions("kqkn", 1563735, 1603202);
  ExpectPositions("kqkb", 1563735, 1661823);
  ExpectPositions("kqkr", 1563735, 27036 * 61);
  ExpectPositions("knkp", 4931904, 4981504);
  ExpectPositions("kbkp", 5112000, 4981504);
  ExpectPositions("krkp", 5072736, 4981504);
  ExpectPositions("kqkp", 4810080, 4981504);
  // Counts stated as examples of the shortfall rules.
  ExpectPositions("kppkr", 1806671 * 60, 119209296);
  ExpectPositions("kppkq", 1806671 * 60, 113036880);
  for (const char* name : {"kbnkn", "kbnkb", "kbnkr", "kbnkq"})
    EXPECT_EQ(rgtbdDesc[ITbOfName(name)].positions[0], 93037200u) << name;
  for (const char* name : {"kqrkn", "kqrkb", "kqrkr", "kqrkq"})
    EXPECT_EQ(rgtbdDesc[ITbOfName(name)].positions[0], 90038460u) << name;
  EXPECT_EQ(rgtbdDesc[ITbOfName("kbnkp")].positions[0], 290989584u);
  EXPECT_EQ(rgtbdDesc[ITbOfName("krrkp")].positions[0], 145901232u);
  EXPECT_EQ(rgtbdDesc[ITbOfName("kqrkp")].positions[0], 281568240u);
  EXPECT_EQ(rgtbdDesc[ITbOfName("kqqkp")].positions[0], 131170128u);
  EXPECT_EQ(rgtbdDesc[ITbOfName("kbnknn")].positions[0], 2744597400u);
  EXPECT_EQ(rgtbdDesc[ITbOfName("krrkpp")].positions[0], 3428678952u);
  EXPECT_EQ(rgtbdDesc[ITbOfName("kqrkpp")].positions[0], 2321886344u + (INDEX(1) << 32));
  EXPECT_EQ(rgtbdDesc[ITbOfName("kqqkpp")].positions[0], 3082498008u);
  EXPECT_EQ(rgtbdDesc[ITbOfName("kbnnkn")].positions[0], 2560971346u);
  ExpectPositions("knnnkn", 795687393, 945889180);
  EXPECT_EQ(rgtbdDesc[ITbOfName("kpppkr")].positions[1], 1827875872u);
}

// White to move, black to move; the three-man-against-king families and the tables with
// pawns on both sides list every count.
struct Listed {
  const char* name;
  INDEX W, B;
};
const Listed rgListed[] = {
    {"kppk", 1806671, 1912372},       {"knpk", 4648581, 5124732},
    {"knnk", 735304, 873642},         {"kbpk", 4817128, 5124732},
    {"kbnk", 1550620, 1747284},       {"kbbk", 789885, 873642},
    {"krpk", 4779530, 5124732},       {"krnk", 1538479, 1747284},
    {"krbk", 1594560, 1747284},       {"krrk", 777300, 873642},
    {"kqpk", 4533490, 5124732},       {"kqnk", 1459616, 1747284},
    {"kqbk", 1512507, 1747284},       {"kqrk", 1500276, 1747284},
    {"kqqk", 698739, 873642},         {"kpppk", 26061704, 28388716},
    {"knppk", 102898651, 114742320},  {"knnpk", 130135501, 153741960},
    {"knnnk", 13486227, 17472840},    {"kbppk", 106602156, 114742320},
    {"kbnpk", 274352939, 307483920},  {"kbnnk", 43406294, 52418520},
    {"kbbpk", 139715040, 153741960},  {"kbbnk", 44983618, 52418520},
    {"kbbbk", 15010230, 17472840},    {"krppk", 105758666, 114742320},
    {"krnpk", 272153675, 307483920},  {"krnnk", 43056198, 52418520},
    {"krbpk", 281991360, 307483920},  {"krbnk", 90787358, 104837040},
    {"krbbk", 46242089, 52418520},    {"krrpk", 137491197, 153741960},
    {"krrnk", 44265261, 52418520},    {"krrbk", 45873720, 52418520},
    {"krrrk", 14644690, 17472840},    {"kqppk", 100347220, 114742320},
    {"kqnpk", 258294639, 307483920},  {"kqnnk", 40873646, 52418520},
    {"kqbpk", 267576632, 307483920},  {"kqbnk", 86166717, 104837040},
    {"kqbbk", 43879679, 52418520},    {"kqrpk", 265421907, 307483920},
    {"kqrnk", 85470603, 104837040},   {"kqrbk", 88557959, 104837040},
    {"kqrrk", 43157690, 52418520},    {"kqqpk", 123688859, 153741960},
    {"kqqnk", 39840787, 52418520},    {"kqqbk", 41270973, 52418520},
    {"kqqrk", 40916820, 52418520},    {"kqqqk", 12479974, 17472840},
    {"kpkp", 3863492, 3863492},       {"kppkp", 84219361, 89391280},
    {"knpkp", 219921779, 231758952},  {"kbpkp", 227896016, 231758952},
    {"krpkp", 226121876, 231758952},  {"kqpkp", 214481388, 231758952},
    {"kppkpp", 1917741812, 1917741812}, {"knpkpp", 5088408829, 4966717366},
    {"knpknp", 12972508017, 12972508017}, {"kbpkpp", 5272919368, 4966717366},
    {"kbpknp", 13442882944, 12972508017}, {"kbpkbp", 13442882944, 13442882944},
    {"krpkpp", 5231873656, 4966717366}, {"krpknp", 13338233184, 12972508017},
    {"krpkbp", 13338233184, 13442882944}, {"krpkrp", 13338233184, 13338233184},
    {"kqpkpp", 4962533664, 4966717366}, {"kqpknp", 12651597608, 12972508017},
    {"kqpkbp", 12651597608, 13442882944}, {"kqpkrp", 12651597608, 13338233184},
    {"kqpkqp", 12651597608, 12651597608}, {"kpppkp", 1196695343, 1348100424},
    {"knppkp", 4796630713, 5271860528}, {"knnpkp", 6156616111, 6835422612},
    {"kbppkp", 4969303175, 5271860528}, {"kbnpkp", 12979462304, 13670845224},
    {"kbbpkp", 6609838740, 6835422612}, {"krppkp", 4929998839, 5271860528},
    {"krnpkp", 12875424829, 13670845224}, {"krbpkp", 13340861520, 13670845224},
    {"krrpkp", 6504899238, 6835422612}, {"kqppkp", 4677701571, 5271860528},
    {"kqnpkp", 12219736849, 13670845224}, {"kqbpkp", 12658882024, 13670845224},
    {"kqrpkp", 12557225406, 13670845224}, {"kqqpkp", 5851888362, 6835422612},
};

TEST(Descriptors, EveryPositionCount) {
  std::map<std::string, std::pair<INDEX, INDEX>> expected;
  for (const Listed& l : rgListed) expected[l.name] = {l.W, l.B};
  ASSERT_EQ(expected.size(), 86u);
  for (int iTb = 1; iTb <= cTb; iTb++) {
    const CTbDesc& tbd = rgtbdDesc[iTb];
    std::string name = tbd.szName;
    auto it = expected.find(name);
    if (it == expected.end() && name.size() <= 4) continue;  // a man a side at most: above
    std::pair<INDEX, INDEX> want = it != expected.end() ? it->second : PositionsByRule(name);
    EXPECT_EQ(tbd.positions[0], want.first) << name;
    EXPECT_EQ(tbd.positions[1], want.second) << name;
    for (color side = 0; side < 2; side++) {
      EXPECT_GT(tbd.positions[side], 0u) << name;
      EXPECT_LE(CTbExtents(tbd, side), cTbMaxExtents) << name;
    }
  }
}

}  // namespace
